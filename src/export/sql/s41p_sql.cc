// SSTRxkSQL, weekly plan file MGSST41P (see s41p_sql.h).
#include "export/sql/s41p_sql.h"

#include "db/sql_runtime.h"
#include "export/sql/terminal_statements.h"

namespace {

sql::Cursor g_s41p;
sql::Cursor g_s41p_sel;

long Fetch41P(sql::Cursor& cursor, S41PRow& row) {
  S41PRow host;
  long status = sql::FoldFetch(sql::Fetch(
      cursor, {sql::Text(host.Terminalname), sql::Text(host.Firma), sql::Text(host.Zeitplan),
               sql::Text(host.Wochennummer), sql::Text(host.Zeitzone), sql::Text(host.Tagnr),
               sql::Text(host.Uhrzeit_Von), sql::Text(host.Uhrzeit_Bis)}));
  row = host;
  return status;
}

}  // namespace

long SQLOpenS41P() { return sql::Open(g_s41p, stmt::kS41P); }
long SQLFetchS41P(S41PRow& row) { return Fetch41P(g_s41p, row); }
long SQLCloseS41P() { return sql::Close(g_s41p); }

long SQLOpenS41P_Sel(const char* control_area) {
  return sql::Open(g_s41p_sel, stmt::kS41P_Sel, {sql::In(control_area)});
}
long SQLFetchS41P_Sel(S41PRow& row) { return Fetch41P(g_s41p_sel, row); }
long SQLCloseS41P_Sel() { return sql::Close(g_s41p_sel); }
