// SSTRxkSQL, badge master file: the badge cursor of one client (all badges
// valid today, or one badge), the BSVMAP lookup of each fetched holder and the
// two PERSONALSTAMM lookups of cost centre and calendar.
#ifndef SSTRXK_EXPORT_SQL_IDN_SQL_H_
#define SSTRXK_EXPORT_SQL_IDN_SQL_H_

#include "base/fixed_text.h"
#include "db/sql_backend.h"

// One badge row, cleared before every fetch. Each buffer holds its record
// field's width and the terminator, so no value can spill into the next field.
struct IdsRow {
  FixedText<51> badge;        //  1 aswnum
  FixedText<9> awvsto;        //  2 awvsto
  FixedText<9> valid_from;    //  3 aswgvo, yyyymmdd
  FixedText<9> valid_to;      //  4 aswgbi, yyyymmdd; empty when open-ended
  FixedText<9> person;        //  5 aswpnr
  FixedText<51> name;         //  6 pnrnam
  FixedText<6> language;      //  7 pnrspr
  FixedText<6> perm_class;    //  8 aswbkl
  FixedText<33> pin;          //  9 aswpin
  FixedText<6> awvcod;        // 10 awvcod
  FixedText<6> aswgrp;        // 11 aswgrp
  FixedText<6> licence;       // 12 aswliz
  FixedText<6> client;        // 13 aswmnd
  FixedText<3> aswatp;        // 14 aswatp
  FixedText<51> aswaan;       // 15 aswaan
  FixedText<3> pnrmta;        // 16 pnrmta
  FixedText<11> pnrsal;       // 17 pnrsal
  FixedText<6> reserved;      // 18 never filled
  FixedText<6> status;        // 19 aswsta
  FixedText<15> changed;      // 20 aswdat, yyyymmddhh24miss
  FixedText<51> changed_by;   // 21 aswerf
  FixedText<2> bsvmap;        // 22 BSVMAP digit; empty when there is none
  FixedText<31> cost_centre;  // 23 PstZuoKst
  FixedText<4> calendar;      // 24 PstBsvKal
};

// Status of a looked-up value that does not fit its record field: reported
// rather than cut, since a cut calendar would name another calendar.
inline constexpr long kIdsValueTooLong = sql::kValueTooLong;

// The badges of client CurrentClient.number valid today, holders from
// CurrentSchema. The OPEN's status (-903 for a schema name that is no
// identifier).
long SQLOpenIDS();
// Folded status: 0 row delivered (with the BSVMAP lookup done), 1403 no more
// rows, else the failed fetch's status.
long SQLFetchIDS(IdsRow& row);
long SQLCloseIDS();

// The same for the one badge `badge`, when it is valid today.
long SQLOpenIDS_Sel(const char* badge);
long SQLFetchIDS_Sel(IdsRow& row);
long SQLCloseIDS_Sel();

// Cost centre of the row's holder into field 23 (session schema). Returns the
// status: 0 read, 1403 no PERSONALSTAMM row (field stays empty), -2112 more
// than one row, another negative status on an error.
long SQLReadKst(IdsRow& row);
// Cost centre and calendar into fields 23 and 24; statuses as SQLReadKst,
// and kIdsValueTooLong (fields left empty) for a calendar longer than 3.
long SQLReadKstKal(IdsRow& row);

#endif  // SSTRXK_EXPORT_SQL_IDN_SQL_H_
