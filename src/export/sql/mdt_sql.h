// SSTRxkSQL, employee detail file: the cursor over the single days of the
// client's status entries on which the employee has a target time.
#ifndef SSTRXK_EXPORT_SQL_MDT_SQL_H_
#define SSTRXK_EXPORT_SQL_MDT_SQL_H_

#include "base/fixed_text.h"

// One detail row, cleared before every fetch. Licence and client number are
// not fetched: the job sets them from the current client. The cursor
// delivers the day before the badge number; the row holds the badge first.
struct MdtRow {
  FixedText<6> licence;        // current client's licence number
  FixedText<6> number;         // current client's number
  FixedText<14> badge;         // AswNum
  FixedText<11> day;           // BakDtm as dd.mm.yyyy
  FixedText<34> function_text; // FcdTxt
  FixedText<34> blank;         // the cursor's constant one-blank column
  FixedText<3> status;         // BvfGen, recoded by the job
  FixedText<2> function_short; // FcdKrt
  FixedText<4> function_code;  // FcdNum
};

// Opens the detail cursor in CurrentSchema; the OPEN's status (-903 when
// CurrentSchema is no schema name).
long SQLOpenMdt();
// Folded status: 0 row delivered, 1403 no more rows, else an error.
long SQLFetchMdt(MdtRow& row);
long SQLCloseMdt();

#endif  // SSTRXK_EXPORT_SQL_MDT_SQL_H_
