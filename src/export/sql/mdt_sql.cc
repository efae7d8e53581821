// SSTRxkSQL, employee detail file (see mdt_sql.h).

#include "export/sql/mdt_sql.h"

#include <string>

#include "db/sql_runtime.h"
#include "export/sql/master_statements.h"
#include "export/sql/schema_statement.h"

namespace {
sql::Cursor g_mdt;
}  // namespace

long SQLOpenMdt() {
  std::string statement;
  long status = BuildCurrentSchemaStatement(stmt::kMdt, statement);
  if (status != sql::kOk) return status;
  return sql::Open(g_mdt, statement);
}

long SQLFetchMdt(MdtRow& row) {
  return sql::FoldFetch(sql::Fetch(
      g_mdt, {sql::Text(row.day), sql::Text(row.badge), sql::Text(row.function_text), sql::Text(row.blank),
              sql::Text(row.status), sql::Text(row.function_short), sql::Text(row.function_code)}));
}

long SQLCloseMdt() { return sql::Close(g_mdt); }
