// The client cursor (see client_cursor.h).
#include "db/client_cursor.h"

#include "base/fixed_text.h"
#include "db/db_statements.h"
#include "db/sql_runtime.h"

namespace {

sql::Cursor g_vls112mnd;

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
  bool fits = client.licence.AssignIfFits(licence.view()) && client.number.AssignIfFits(number.view()) &&
              client.schema.AssignIfFits(schema.view()) && client.site.AssignIfFits(site.view());
  return fits ? sql::kOk : sql::kValueTooLong;
}

long SQLCloseVls112Mnd() { return sql::Close(g_vls112mnd); }
