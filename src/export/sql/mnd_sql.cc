// SSTRxkSQL, client master file (see mnd_sql.h).
#include "export/sql/mnd_sql.h"

#include "db/sql_runtime.h"
#include "export/sql/master_statements.h"

namespace {
sql::Cursor g_112mnd;
}  // namespace

long SQLOpen112Mnd() { return sql::Open(g_112mnd, stmt::k112Mnd); }

long SQLFetch112Mnd(MndRow& row) {
  return sql::FoldFetch(sql::Fetch(g_112mnd, {sql::Text(row.licence), sql::Text(row.number),
                                              sql::Text(row.name), sql::Text(row.status),
                                              sql::Text(row.changed), sql::Text(row.changed_by)}));
}

long SQLClose112Mnd() { return sql::Close(g_112mnd); }
