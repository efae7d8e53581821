// SSTRxkSQL, employee status file (see mst_sql.h).

#include "export/sql/mst_sql.h"

#include <string>

#include "db/sql_runtime.h"
#include "export/sql/master_statements.h"
#include "export/sql/schema_statement.h"

namespace {
sql::Cursor g_mst;
}  // namespace

long SQLOpenMst(const char* client_number) {
  std::string statement;
  long status = BuildCurrentSchemaStatement(stmt::kMst, statement);
  if (status != sql::kOk) return status;
  return sql::Open(g_mst, statement, {sql::In(client_number)});
}

long SQLFetchMst(MstRow& row) {
  return sql::FoldFetch(sql::Fetch(
      g_mst, {sql::Text(row.badge), sql::Text(row.status), sql::Text(row.period), sql::Text(row.function_text),
              sql::Text(row.description), sql::Text(row.function_short), sql::Text(row.cost_centre),
              sql::Text(row.start), sql::Text(row.department), sql::Text(row.time),
              sql::Text(row.function_code)}));
}

long SQLCloseMst() { return sql::Close(g_mst); }
