// SSTRxkSQL, badge permission-class file: the permission classes assigned to
// badges and valid today, for all badges or for one badge.
#ifndef SSTRXK_EXPORT_SQL_ASWBKL_SQL_H_
#define SSTRXK_EXPORT_SQL_ASWBKL_SQL_H_

#include "base/fixed_text.h"
#include "db/sql_backend.h"

// One assignment of a permission class to a badge.
struct AswBklRow {
  FixedText<51> BKLASW;  // badge number
  FixedText<6> BKLBKL;   // permission class
  FixedText<6> BKLLIZ;   // licence number
  FixedText<6> BKLMND;   // client number
  FixedText<2> BKLSTM;   // one-character marker
};

// Status of a permission class longer than its five characters (one-badge
// cursor only): a cut class would name another class and lead the
// selective export to another class's control areas.
inline constexpr long kClassTooLong = sql::kValueTooLong;

// The fetches report 1403 for the runtime's 1403 and -1002, fill the row
// only on 0 and pass every other status back unchanged.
long SQLOpenAswBkl();
long SQLFetchAswBkl(AswBklRow& row);
long SQLCloseAswBkl();

long SQLOpenAswBkl_Sel(const char* badge);
long SQLFetchAswBkl_Sel(AswBklRow& row);
long SQLCloseAswBkl_Sel();

#endif  // SSTRXK_EXPORT_SQL_ASWBKL_SQL_H_
