// The SQL runtime: one connection to a Backend, and the host-variable rules
// of embedded SQL applied to the rows the backend delivers (cutting texts to
// their buffers, NULL handling with and without indicators, number
// conversions, fetch folding).
#include "db/sql_runtime.h"

#include "base/oracle_number.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace sql {
namespace {

std::unique_ptr<Backend> g_backend;
Connector g_connector;
std::int16_t g_shared_indicator = 0;

constexpr std::string_view kEmbeddedPrefix = "sqlite:";

long ConnectAlias(std::string_view alias, std::unique_ptr<Backend>& backend) {
  if (g_connector) return g_connector(alias, backend);
  if (alias.substr(0, kEmbeddedPrefix.size()) == kEmbeddedPrefix) {
    return OpenEmbeddedDatabase(alias.substr(kEmbeddedPrefix.size()), backend);
  }
  return kDatabaseNotFound;  // an Oracle client backend does not exist yet
}

// Reads a text the way Oracle converts a character value to a number:
// optional blanks around one decimal number. False when it is no number.
bool ParseNumber(const std::string& text, double& out) {
  const char* begin = text.c_str();
  while (*begin == ' ') ++begin;
  if (*begin == '\0') return false;
  char* end = nullptr;
  double v = std::strtod(begin, &end);
  if (end == begin) return false;
  while (*end == ' ') ++end;
  if (*end != '\0' || !std::isfinite(v)) return false;
  out = v;
  return true;
}

long ToNumber(const Value& v, double& out) {
  switch (v.type) {
    case Value::Type::kInt: out = static_cast<double>(v.i); return kOk;
    case Value::Type::kReal: out = v.r; return kOk;
    case Value::Type::kText: return ParseNumber(v.text, out) ? kOk : kInvalidNumber;
    case Value::Type::kNull: break;
  }
  return kInvalidNumber;
}

// Whole numbers go into integer outputs with their fraction cut off.
long ToInteger(const Value& v, double min, double max, std::int64_t& out) {
  if (v.type == Value::Type::kInt) {
    if (static_cast<double>(v.i) < min || static_cast<double>(v.i) > max) return kNumberOverflow;
    out = v.i;
    return kOk;
  }
  double d = 0;
  long status = ToNumber(v, d);
  if (status != kOk) return status;
  d = std::trunc(d);
  if (d < min || d > max) return kNumberOverflow;
  out = static_cast<std::int64_t>(d);
  return kOk;
}

void PutText(const Out& out, const Value& v) {
  std::string text;
  switch (v.type) {
    case Value::Type::kInt: text = std::to_string(v.i); break;
    case Value::Type::kReal: text = OracleNumberText(v.r); break;
    case Value::Type::kText: text = v.text; break;
    case Value::Type::kNull: break;
  }
  if (out.capacity == 0) return;
  std::size_t n = std::min(text.size(), out.capacity - 1);
  auto* target = static_cast<char*>(out.target);
  std::memcpy(target, text.data(), n);
  target[n] = '\0';
  if (out.indicator != nullptr) {
    *out.indicator = text.size() > n ? static_cast<std::int16_t>(std::min<std::size_t>(text.size(), 32767)) : 0;
  }
}

// Moves one value into one host variable; returns 0, -1405 or an error.
long PutValue(const Out& out, const Value& v) {
  if (v.is_null()) {
    if (out.indicator == nullptr) return kNullFetched;
    *out.indicator = -1;
    return kOk;
  }
  std::int64_t whole = 0;
  long status = kOk;
  switch (out.kind) {
    case Out::Kind::kText:
      PutText(out, v);
      return kOk;
    case Out::Kind::kInt16:
      status = ToInteger(v, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max(), whole);
      if (status == kOk) *static_cast<std::int16_t*>(out.target) = static_cast<std::int16_t>(whole);
      break;
    case Out::Kind::kInt32:
      status = ToInteger(v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), whole);
      if (status == kOk) *static_cast<std::int32_t*>(out.target) = static_cast<std::int32_t>(whole);
      break;
    case Out::Kind::kDouble: {
      double d = 0;
      status = ToNumber(v, d);
      if (status == kOk) *static_cast<double*>(out.target) = d;
      break;
    }
  }
  if (status == kOk && out.indicator != nullptr) *out.indicator = 0;
  return status;
}

// Delivers a row into the outputs. A conversion error wins over -1405.
long Deliver(const std::vector<Value>& row, std::initializer_list<Out> outputs) {
  if (row.size() < outputs.size()) return kNotAllBound;
  long result = kOk;
  std::size_t i = 0;
  for (const Out& out : outputs) {
    long status = PutValue(out, row[i++]);
    if (status == kNullFetched) {
      if (result == kOk) result = kNullFetched;
    } else if (status != kOk) {
      return status;
    }
  }
  return result;
}

CursorId NextCursorId() {
  static CursorId next = 0;
  return ++next;
}

}  // namespace

Cursor::Cursor() : id_(NextCursorId()) {}

std::int16_t* SharedIndicator() { return &g_shared_indicator; }

long Connect(std::string_view connect_text) {
  // "user/password@alias": the alias follows the last "@", so a password
  // may contain one. User and password are not checked by the embedded
  // database.
  std::size_t at = connect_text.rfind('@');
  std::string_view alias = at == std::string_view::npos ? std::string_view() : connect_text.substr(at + 1);
  g_backend.reset();
  std::unique_ptr<Backend> backend;
  long status = ConnectAlias(alias, backend);
  if (status == kOk) g_backend = std::move(backend);
  return status;
}

long Execute(std::string_view statement) {
  if (!g_backend) return kNotConnected;
  return g_backend->Execute(statement);
}

long Open(Cursor& cursor, std::string_view statement, std::initializer_list<Value> binds) {
  if (!g_backend) return kNotConnected;
  return g_backend->Open(cursor.id(), statement, std::span<const Value>(binds.begin(), binds.size()));
}

long Fetch(Cursor& cursor, std::initializer_list<Out> outputs) {
  if (!g_backend) return kNotConnected;
  std::vector<Value> row;
  long status = g_backend->Fetch(cursor.id(), row);
  if (status != kOk) return status;
  return Deliver(row, outputs);
}

long Close(Cursor& cursor) {
  if (!g_backend) return kNotConnected;
  return g_backend->Close(cursor.id());
}

long SelectInto(std::string_view statement, std::initializer_list<Value> binds,
                std::initializer_list<Out> outputs) {
  if (!g_backend) return kNotConnected;
  std::vector<Value> row;
  long status = g_backend->SelectOne(statement, std::span<const Value>(binds.begin(), binds.size()), row);
  if (status != kOk) return status;
  return Deliver(row, outputs);
}

long FoldFetch(long status) {
  if (status == kNoData || status == kFetchOutOfSequence) return kNoData;
  if (status == kOk || status == kNullFetched) return kOk;
  return status;
}

bool IsSchemaName(std::string_view name) {
  if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) return false;
  for (char c : name) {
    bool ok = std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' || c == '#';
    if (!ok) return false;
  }
  return true;
}

void SetConnectorForTesting(Connector connector) { g_connector = std::move(connector); }

}  // namespace sql
