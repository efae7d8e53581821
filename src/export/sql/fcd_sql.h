// SSTRxkSQL, function-code file: the cursor over the function codes of the
// current client's schema that are marked for the terminals (FcdMap 1).
#ifndef SSTRXK_EXPORT_SQL_FCD_SQL_H_
#define SSTRXK_EXPORT_SQL_FCD_SQL_H_

#include "base/fixed_text.h"

// One function-code row, cleared before every fetch. All columns arrive as
// texts (numbers as their decimal text), untrimmed.
struct FcdRow {
  FixedText<6> licence;  // the current client's licence number, copied in by the job
  FixedText<6> client;   // the current client's number, copied in by the job
  FixedText<4> number;   // FcdNum
  FixedText<3> krt;      // FcdKrt
  FixedText<51> text;    // FcdTxt
  FixedText<6> typ;      // FcdTyp
  FixedText<6> fcd;      // FcdFcd; the job writes "-9" when it is empty
};

// Builds the cursor text with CurrentSchema and opens it; the OPEN's status
// (-903 for a schema name that is no identifier).
long SQLOpenFcd();
// Folded status: 0 row delivered, 1403 no more rows, else an error.
long SQLFetchFcd(FcdRow& row);
long SQLCloseFcd();

#endif  // SSTRXK_EXPORT_SQL_FCD_SQL_H_
