// SSTRxkSQL, function-code file (see fcd_sql.h).
#include "export/sql/fcd_sql.h"

#include <string>

#include "db/sql_runtime.h"
#include "export/sql/master_statements.h"
#include "export/sql/schema_statement.h"

namespace {
sql::Cursor g_fcd;
}  // namespace

long SQLOpenFcd() {
  std::string statement;
  long status = BuildCurrentSchemaStatement(stmt::kFcd, statement);
  if (status != sql::kOk) return status;
  return sql::Open(g_fcd, statement);
}

long SQLFetchFcd(FcdRow& row) {
  return sql::FoldFetch(sql::Fetch(g_fcd, {sql::Text(row.number), sql::Text(row.krt), sql::Text(row.text),
                                           sql::Text(row.typ), sql::Text(row.fcd)}));
}

long SQLCloseFcd() { return sql::Close(g_fcd); }
