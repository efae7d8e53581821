// SSTRxkSQL, employee status file: the cursor over the client's status
// entries of the last fifteen months with function code, department and
// badge.
#ifndef SSTRXK_EXPORT_SQL_MST_SQL_H_
#define SSTRXK_EXPORT_SQL_MST_SQL_H_

#include "base/fixed_text.h"

// One status row, cleared before every fetch. Licence and client number are
// not fetched: the job sets them from the current client.
struct MstRow {
  FixedText<6> licence;        // current client's licence number
  FixedText<6> number;         // current client's number
  FixedText<14> badge;         // AswNum, or client number "_" person number
  FixedText<3> status;         // BvfGen, recoded by the job
  FixedText<24> period;        // DD.MM.YYYY - DD.MM.YYYY
  FixedText<34> function_text; // FcdTxt
  FixedText<34> description;   // Statusbesch: one blank
  FixedText<2> function_short; // FcdKrt
  FixedText<51> cost_centre;   // BvfKst
  FixedText<9> start;          // BvfVon as yyyymmdd
  FixedText<31> department;    // ZuoAbt
  FixedText<5> time;           // BvfUh1 as HH24MI
  FixedText<4> function_code;  // FcdNum
};

// Opens the status cursor in CurrentSchema; `client_number` makes the
// substitute badge numbers. The OPEN's status (-903 when CurrentSchema is no
// schema name).
long SQLOpenMst(const char* client_number);
// Folded status: 0 row delivered, 1403 no more rows, else an error.
long SQLFetchMst(MstRow& row);
long SQLCloseMst();

#endif  // SSTRXK_EXPORT_SQL_MST_SQL_H_
