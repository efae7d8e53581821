// SSTRxkSQL, employee status file (see mst_sql.h).
//
// The month window. stmt::kMst takes the entries with
//   BvfBis >= last_day(add_months(CURRENT_DATE, -16)) + 1
// and CURRENT_DATE carries the time of day, so the bound is the first day of
// the window at the time the job runs: at 09:00 an entry ending on that day
// (stored at midnight) fell out, although the window starts on that day.
// The cursor counts from today's midnight instead; for an entry ending on any
// other day nothing changes.
#include "export/sql/mst_sql.h"

#include <string>

#include "db/sql_runtime.h"
#include "export/sql/schema_statement.h"

const char kMstStatement[] =
    "SELECT DISTINCT COALESCE(AswNum, :b0 || '_' || PnrNum) as AswNum, BvfGen as Status, "
    "TO_CHAR(BvfVon, 'DD.MM.YYYY') || ' - ' || TO_CHAR(BvfBis, 'DD.MM.YYYY') as VonBis, "
    "FcdTxt, ' ' as Statusbesch, FcdKrt, BvfKst, TO_CHAR(BvfVon, 'yyyymmdd') as Von, ZuoAbt, "
    "TO_CHAR(BvfUh1, 'HH24MI') as BvfUh1, FcdNum FROM %s.vls382bvf,%s.vls131fcd,%s.vls311zuo, "
    "%s.vls300pnr LEFT JOIN vlsystem.vls301asw ON PnrNum = AswPnr AND AswGvo <= "
    "trunc(CURRENT_DATE) AND (AswGbi >= trunc(CURRENT_DATE) OR AswGbi is NULL) WHERE BvfPnr = "
    "PnrNum AND BvfFc1 = FcdNum AND BvfBis >= last_day(add_months(trunc(CURRENT_DATE), -16)) + 1 "
    "AND BvfGen < 16 AND FcdMap = 1 AND PnrNum = ZuoPnr AND ZuoGvo <= BvfVon AND (ZuoGbi IS NULL "
    "OR ZuoGbi >= BvfVon) ORDER by AswNum, Von";

namespace {
sql::Cursor g_mst;
}  // namespace

long SQLOpenMst(const char* client_number) {
  std::string statement;
  long status = BuildCurrentSchemaStatement(kMstStatement, statement);
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
