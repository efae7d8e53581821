// The database backend seam. The SQL runtime (sql_runtime.h) carries every
// statement of the system to a Backend, which runs the statement texts on one
// connection and hands rows back as plain values. A backend knows nothing of
// host buffers, indicators or fetch folding; those rules live in the runtime.
//
// Statuses are Oracle's: 0 success, 1403 no (more) rows, negative an error
// (see the constants below).
#ifndef SSTRXK_DB_SQL_BACKEND_H_
#define SSTRXK_DB_SQL_BACKEND_H_

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sql {

// Oracle statuses the system relies on.
constexpr long kOk = 0;
constexpr long kNoData = 1403;               // no (more) rows
constexpr long kNullFetched = -1405;         // NULL into an output without indicator
constexpr long kFetchOutOfSequence = -1002;  // fetch on a cursor not open or exhausted
constexpr long kNotAllBound = -1007;         // fewer select-list items than outputs
constexpr long kTableNotFound = -942;        // table or view does not exist
constexpr long kInvalidIdentifier = -904;    // unknown column or function
constexpr long kInvalidName = -903;          // a schema name that is no identifier
constexpr long kUnknownSchema = -1435;       // ALTER SESSION to a schema that does not exist
constexpr long kTooManyRows = -2112;         // single-row SELECT found more than one row
constexpr long kValueTooLong = -1406;       // a value too long for its field, not cut
constexpr long kInvalidNumber = -1722;       // text that is no number fetched into a number
constexpr long kNumberOverflow = -1455;      // number too large for an integer output
constexpr long kNotConnected = -3114;        // no session
constexpr long kDatabaseNotFound = -12154;   // alias or database not resolvable

// One value of a row or of a bound input. Texts are Windows-1252 bytes.
struct Value {
  enum class Type { kNull, kInt, kReal, kText };
  Type type = Type::kNull;
  std::int64_t i = 0;
  double r = 0.0;
  std::string text;

  static Value Null() { return Value(); }
  static Value Int(std::int64_t v) {
    Value x;
    x.type = Type::kInt;
    x.i = v;
    return x;
  }
  static Value Real(double v) {
    Value x;
    x.type = Type::kReal;
    x.r = v;
    return x;
  }
  static Value Text(std::string_view v) {
    Value x;
    x.type = Type::kText;
    x.text = std::string(v);
    return x;
  }
  bool is_null() const { return type == Type::kNull; }
};

using CursorId = int;

class Backend {
 public:
  virtual ~Backend() = default;

  // Runs a statement that yields no rows, such as
  // "ALTER SESSION SET CURRENT_SCHEMA=X". Returns its status.
  virtual long Execute(std::string_view statement) = 0;

  // Opens `cursor` on the query `statement`: prepares the text (a text
  // prepared before on this connection is reused), binds `binds` to its
  // placeholders (":name") in the order of their first appearance and starts
  // the query. A cursor that is open is closed first. Returns the status.
  virtual long Open(CursorId cursor, std::string_view statement,
                    std::span<const Value> binds) = 0;

  // Delivers the next row of `cursor` into `row` (one value per select-list
  // item). Returns 0 with a row, 1403 after the last row, -1002 when the
  // cursor is not open or already reported 1403, another negative status on
  // an error (the cursor then counts as exhausted).
  virtual long Fetch(CursorId cursor, std::vector<Value>& row) = 0;

  // Closes `cursor`; closing a closed cursor is no error. Returns the status.
  virtual long Close(CursorId cursor) = 0;

  // Runs a single-row "SELECT ... INTO :h1:i1, ... FROM ..." statement. The
  // INTO clause names the program's host variables and is not part of the
  // query; `binds` go to the remaining placeholders. Returns 0 with `row`,
  // 1403 when there is no row, -2112 when there is more than one.
  virtual long SelectOne(std::string_view statement, std::span<const Value> binds,
                         std::vector<Value>& row) = 0;
};

// Opens the embedded database whose schema files lie in `directory` (the part
// of the alias after "sqlite:"). Returns 0 and sets `backend`, or -12154 when
// the directory does not exist.
long OpenEmbeddedDatabase(std::string_view directory, std::unique_ptr<Backend>& backend);

}  // namespace sql

#endif  // SSTRXK_DB_SQL_BACKEND_H_
