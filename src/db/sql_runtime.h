// The SQL runtime interface: how the system's cursor operations talk to the
// database. One default connection; statement texts with bind variables
// (":name"); fetches into fixed-capacity host buffers.
//
// The rules every caller relies on live here and nowhere else:
// - a text output of capacity n receives at most n-1 bytes, zero-terminated,
//   not filled with blanks; a longer value arrives cut;
// - a NULL leaves its target unchanged; with an indicator the indicator reads
//   -1, without one the fetch reports -1405 and still delivers the row;
// - FoldFetch: 1403 and -1002 mean "no more rows", 0 and -1405 "row".
#ifndef SSTRXK_DB_SQL_RUNTIME_H_
#define SSTRXK_DB_SQL_RUNTIME_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string_view>

#include "base/fixed_text.h"
#include "db/sql_backend.h"

namespace sql {

// A named cursor of the program, like a declared cursor of embedded SQL.
// Define each as a static object beside the operations that use it.
class Cursor {
 public:
  Cursor();
  Cursor(const Cursor&) = delete;
  Cursor& operator=(const Cursor&) = delete;
  CursorId id() const { return id_; }

 private:
  CursorId id_;
};

// One host output variable of a fetch or single-row select.
struct Out {
  enum class Kind { kText, kInt16, kInt32, kDouble };
  Kind kind;
  void* target;
  std::size_t capacity;    // bytes of a text buffer, terminator included
  std::int16_t* indicator;  // nullptr: fetched without indicator
};

// The indicator that most outputs share and nobody reads.
std::int16_t* SharedIndicator();

inline Out Text(char* buffer, std::size_t capacity, std::int16_t* indicator = SharedIndicator()) {
  return Out{Out::Kind::kText, buffer, capacity, indicator};
}
template <std::size_t N>
Out Text(FixedText<N>& text, std::int16_t* indicator = SharedIndicator()) {
  return Out{Out::Kind::kText, text.data(), N, indicator};
}
template <std::size_t N>
Out TextWithoutIndicator(FixedText<N>& text) {
  return Out{Out::Kind::kText, text.data(), N, nullptr};
}
inline Out Int16(std::int16_t& v, std::int16_t* indicator = SharedIndicator()) {
  return Out{Out::Kind::kInt16, &v, sizeof v, indicator};
}
inline Out Int32(std::int32_t& v, std::int16_t* indicator = SharedIndicator()) {
  return Out{Out::Kind::kInt32, &v, sizeof v, indicator};
}
inline Out Double(double& v, std::int16_t* indicator = SharedIndicator()) {
  return Out{Out::Kind::kDouble, &v, sizeof v, indicator};
}

// Bound input values. Texts are Windows-1252, as the program holds them.
inline Value In(std::string_view text) { return Value::Text(text); }
inline Value In(const char* text) { return Value::Text(text); }
template <std::size_t N>
Value In(const FixedText<N>& text) {
  return Value::Text(text.view());
}
inline Value In(long number) { return Value::Int(number); }
inline Value In(int number) { return Value::Int(number); }

// CONNECT "user/password@alias". An alias beginning with "sqlite:" opens the
// embedded database in the directory that follows; any other alias is
// reserved for an Oracle client and fails with -12154. A new connection
// replaces the old one, whose cursors are gone.
long Connect(std::string_view connect_text);

// EXECUTE of a statement without rows.
long Execute(std::string_view statement);

// PREPARE and OPEN of `cursor` over `statement` with input values `binds`.
long Open(Cursor& cursor, std::string_view statement, std::initializer_list<Value> binds = {});

// FETCH into `outputs`, one per select-list item in order. Returns the raw
// status: 0, 1403, -1405 (a NULL without indicator; the row was delivered),
// -1002, or another negative error.
long Fetch(Cursor& cursor, std::initializer_list<Out> outputs);

// CLOSE.
long Close(Cursor& cursor);

// Single-row SELECT ... INTO: 0 with the outputs filled (or -1405 as Fetch),
// 1403 without a row, -2112 with more than one, or another error.
long SelectInto(std::string_view statement, std::initializer_list<Value> binds,
                std::initializer_list<Out> outputs);

// The folding of most fetch operations: 1403 and -1002 give 1403, 0 and
// -1405 give 0, anything else is returned unchanged.
long FoldFetch(long status);

// True when `name` may stand in a statement text as a schema name: a letter
// followed by letters, digits, "_", "$" or "#".
bool IsSchemaName(std::string_view name);

// Tests replace the way a CONNECT reaches a backend: `connector` gets the
// alias and returns a status, filling `backend` on 0. An empty function
// restores the real one.
using Connector = std::function<long(std::string_view alias, std::unique_ptr<Backend>& backend)>;
void SetConnectorForTesting(Connector connector);

}  // namespace sql

#endif  // SSTRXK_DB_SQL_RUNTIME_H_
