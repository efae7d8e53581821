// SSTRxkSQL, permission file MGSST35P (see s35p_sql.h).
#include "export/sql/s35p_sql.h"

#include <cstdint>

#include "db/sql_runtime.h"
#include "export/sql/terminal_statements.h"

namespace {

sql::Cursor g_s35p;
sql::Cursor g_s35p_sel;

long Fetch35P(sql::Cursor& cursor, S35PRow& row) {
  S35PRow host;
  std::int16_t booking = 0;
  long status = sql::FoldFetch(sql::Fetch(
      cursor, {sql::Text(host.Terminalname), sql::Text(host.Firma), sql::Text(host.Berechtigungsklasse),
               sql::Text(host.Leser), sql::Text(host.WocheLeser), sql::Text(host.Wochenplan),
               sql::Text(host.Kontrollbereich), sql::Text(host.Zeitzone), sql::Int16(booking)}));
  if (booking < 0 || booking > 9) booking = 0;
  host.Zeitbuchung_erlaubt.Format("%d", booking);
  row = host;
  return status;
}

}  // namespace

long SQLOpenS35P() { return sql::Open(g_s35p, stmt::kS35P); }
long SQLFetchS35P(S35PRow& row) { return Fetch35P(g_s35p, row); }
long SQLCloseS35P() { return sql::Close(g_s35p); }

long SQLOpenS35P_Sel(const char* control_area) {
  return sql::Open(g_s35p_sel, stmt::kS35P_Sel, {sql::In(control_area)});
}
long SQLFetchS35P_Sel(S35PRow& row) { return Fetch35P(g_s35p_sel, row); }
long SQLCloseS35P_Sel() { return sql::Close(g_s35p_sel); }
