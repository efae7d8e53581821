// SSTRxkSQL, time-zone plan file MGSST20P (see s20p_sql.h).
#include "export/sql/s20p_sql.h"

#include "db/sql_runtime.h"
#include "export/sql/terminal_statements.h"

namespace {

sql::Cursor g_s20p;
sql::Cursor g_s20p_sel;
sql::Cursor g_tages_plan;
sql::Cursor g_uhr_zeit;

// Both outer fetches: a cleared host row receives the three columns and
// replaces the caller's row as a whole.
long FetchOuter(sql::Cursor& cursor, S20PRow& row) {
  S20PRow host;
  long status = sql::Fetch(cursor, {sql::Text(host.Terminal), sql::Text(host.Leser), sql::Text(host.TagNr)});
  row = host;
  return sql::FoldFetch(status);
}

}  // namespace

long SQLOpenS20P() { return sql::Open(g_s20p, stmt::kS20P); }
long SQLFetchS20P(S20PRow& row) { return FetchOuter(g_s20p, row); }
long SQLCloseS20P() { return sql::Close(g_s20p); }

long SQLOpenS20P_Sel(const char* control_area) {
  return sql::Open(g_s20p_sel, stmt::kS20P_Sel, {sql::In(control_area)});
}
long SQLFetchS20P_Sel(S20PRow& row) { return FetchOuter(g_s20p_sel, row); }
long SQLCloseS20P_Sel() { return sql::Close(g_s20p_sel); }

long SQLOpenS20PTagesPlan(const S20PRow& row) {
  return sql::Open(g_tages_plan, stmt::kS20PTagesPlan,
                   {sql::In(row.Terminal), sql::In(row.Leser), sql::In(row.TagNr)});
}

long SQLFetchS20PTagesPlan(S20PRow& row) {
  row.Zeitzone.Clear();
  FixedText<31> zone;
  long status = sql::Fetch(g_tages_plan, {sql::Text(zone)});
  // Time zones have at most five characters; a longer one is cut here
  // rather than overrunning the row.
  if (status == sql::kOk) row.Zeitzone.Assign(zone.view());
  return status;
}

long SQLCloseS20PTagesPlan() { return sql::Close(g_tages_plan); }

long SQLOpenS20PUhrZeit(const S20PRow& row) {
  return sql::Open(g_uhr_zeit, stmt::kS20PUhrZeit, {sql::In(row.Zeitzone)});
}

long SQLFetchS20PUhrZeit(S20PRow& row) {
  row.Offen_Von.Clear();
  row.Offen_Bis.Clear();
  FixedText<5> von;
  FixedText<5> bis;
  long status = sql::Fetch(g_uhr_zeit, {sql::Text(von), sql::Text(bis)});
  if (status == sql::kOk) {
    row.Offen_Von = von;
    row.Offen_Bis = bis;
  }
  return status;
}

long SQLCloseS20PUhrZeit() { return sql::Close(g_uhr_zeit); }
