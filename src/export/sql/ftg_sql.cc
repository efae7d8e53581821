// SSTRxkSQL, holiday file (see ftg_sql.h).
#include "export/sql/ftg_sql.h"

#include <string>

#include "db/sql_runtime.h"
#include "export/sql/master_statements.h"
#include "export/sql/schema_statement.h"

namespace {
sql::Cursor g_ftg;
sql::Cursor g_di2txt;
}  // namespace

long SQLOpenFtg() {
  std::string statement;
  long status = BuildCurrentSchemaStatement(stmt::kFtg, statement);
  if (status != sql::kOk) return status;
  return sql::Open(g_ftg, statement);
}

long SQLFetchFtg(FtgRow& row) {
  return sql::FoldFetch(sql::Fetch(
      g_ftg, {sql::Text(row.terminal), sql::Text(row.year), sql::Text(row.date), sql::Text(row.text),
              sql::Text(row.short_text), sql::Text(row.calendar), sql::Text(row.day_type),
              sql::Int32(row.language)}));
}

long SQLCloseFtg() { return sql::Close(g_ftg); }

long SQLReadDi2Txt(const char* key, const char* field_name, long language, Di2Text& text) {
  text.Clear();
  std::string statement;
  long status = BuildCurrentSchemaStatement(stmt::kDi2Txt, statement);
  if (status != sql::kOk) return status;
  // The same text for every holiday of a client: the database reuses its
  // prepared statement, only the bound values change.
  status = sql::Open(g_di2txt, statement, {sql::In(key), sql::In(field_name), sql::In(language)});
  if (status == sql::kOk) {
    Di2Text fetched;
    status = sql::Fetch(g_di2txt, {sql::Text(fetched)});
    if (status == sql::kOk || status == sql::kNullFetched) text = fetched;
  }
  sql::Close(g_di2txt);
  return status;
}
