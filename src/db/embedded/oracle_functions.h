// The Oracle SQL functions of the embedded database. The statement texts of
// the system are written for Oracle; these functions, registered on the
// SQLite connection under Oracle's names, give to_char, to_date, trunc,
// last_day, add_months and mod their Oracle meaning (they replace SQLite's
// own functions of the same name and argument count). SYSDATE and the "||"
// operator have no function syntax in Oracle; the statement rewriter
// (sql_rewrite.h) turns them into calls of kSysdateFunction and
// kConcatFunction.
//
// Dates are day numbers (day_number.h). Numbers and dates are taken from
// INTEGER and REAL values and from texts that read as numbers; a text that
// does not is an error, as in Oracle. The empty text counts as NULL, as in
// Oracle. NULL in gives NULL out.
#ifndef SSTRXK_DB_EMBEDDED_ORACLE_FUNCTIONS_H_
#define SSTRXK_DB_EMBEDDED_ORACLE_FUNCTIONS_H_

#include <sqlite3.h>

#include <string>
#include <string_view>

#include "base/oracle_number.h"

namespace embedded {

// The current local date and time as a day number: the value of the
// environment variable kFixedDateVariable when it is set ("YYYY-MM-DD" or
// "YYYY-MM-DD HH:MM:SS"), else CurrentEnv().Now(). An unreadable value of the
// variable is an error of the statement.
inline constexpr char kSysdateFunction[] = "ora_sysdate";
inline constexpr char kFixedDateVariable[] = "SSTRXK_FIXED_DATE";

// Variadic concatenation with Oracle's NULL rule: NULL only when every
// operand is NULL, otherwise NULL operands count as the empty text. Numbers
// are printed as Oracle prints them (OracleNumberText).
inline constexpr char kConcatFunction[] = "ora_concat";

// Registers all functions on `db`. Returns SQLITE_OK or SQLite's error code.
int RegisterOracleFunctions(sqlite3* db);

// to_char(number, format) for formats of "0" and "9" digits: one sign
// position plus the format's width, rounded half away from zero to a whole
// number; a "0" makes its position and all positions right of it show
// digits; a number too wide gives width+1 "#" characters.
std::string FormatNumberPicture(double value, std::string_view format);

// True when `format` consists of "0" and "9" digits only (and is not empty).
bool IsNumberPicture(std::string_view format);

}  // namespace embedded

#endif  // SSTRXK_DB_EMBEDDED_ORACLE_FUNCTIONS_H_
