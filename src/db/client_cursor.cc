// The client cursor (see client_cursor.h).
#include "db/client_cursor.h"

#include "base/fixed_text.h"
#include "db/db_statements.h"
#include "db/sql_runtime.h"

namespace {

sql::Cursor g_vls112mnd;

// Copies `value` into `field` unless it is too long for it.
template <std::size_t N, std::size_t M>
bool Fits(const FixedText<N>& value, FixedText<M>& field) {
  if (value.size() > M - 1) return false;
  field.Assign(value.view());
  return true;
}

}  // namespace

long SQLOpenVls112Mnd() { return sql::Open(g_vls112mnd, stmt::kVls112Mnd); }

long SQLFetchVls112Mnd(ClientRow& client) {
  // Fetch buffers wider than the fields, so that a value too long is seen.
  FixedText<31> licence;
  FixedText<51> number;
  FixedText<31> schema;
  FixedText<31> site;
  long status = sql::FoldFetch(sql::Fetch(
      g_vls112mnd, {sql::Text(licence), sql::Text(number), sql::Text(schema), sql::Text(site)}));
  if (status != sql::kOk) return status;
  bool fits = Fits(licence, client.licence) && Fits(number, client.number) && Fits(schema, client.schema) &&
              Fits(site, client.site);
  return fits ? sql::kOk : kValueTooLong;
}

long SQLCloseVls112Mnd() { return sql::Close(g_vls112mnd); }
