// SSTRxkSQL, weekly plan file MGSST41P: one row per terminal, time plan,
// week number, time zone, weekday and interval of the coming seven days, for
// all readers or for those of one control area.
#ifndef SSTRXK_EXPORT_SQL_S41P_SQL_H_
#define SSTRXK_EXPORT_SQL_S41P_SQL_H_

#include "base/fixed_text.h"

struct S41PRow {
  FixedText<256> Terminalname;  // ZLSTRM
  FixedText<4> Firma;           // always "001"
  FixedText<4> Zeitplan;        // ZBRZBK cut to its first three characters
  FixedText<3> Wochennummer;    // ZLSLES as two digits
  FixedText<6> Zeitzone;        // ZBRZZZ
  FixedText<2> Tagnr;           // BAKWTG
  FixedText<5> Uhrzeit_Von;     // start of the interval, HHMM
  FixedText<5> Uhrzeit_Bis;     // end of the interval, HHMM
};

// Folded statuses: 0 row, 1403 no more rows, else an error.
long SQLOpenS41P();
long SQLFetchS41P(S41PRow& row);
long SQLCloseS41P();

long SQLOpenS41P_Sel(const char* control_area);
long SQLFetchS41P_Sel(S41PRow& row);
long SQLCloseS41P_Sel();

#endif  // SSTRXK_EXPORT_SQL_S41P_SQL_H_
