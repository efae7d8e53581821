// SSTRxkSQL, employee detail file (see mdt_sql.h).
//
// The month window. stmt::kMdt takes the entries with
//   BvfBis >= last_day(add_months(CURRENT_DATE, -16)) + 1
// and CURRENT_DATE carries the time of day, so the bound is the first day of
// the window at the time the job runs: at 09:00 an entry ending on that day
// (stored at midnight) fell out, although the window starts on that day.
// The cursor counts from today's midnight instead; for an entry ending on any
// other day nothing changes. The employee status file uses the same window.
#include "export/sql/mdt_sql.h"

#include <string>

#include "db/sql_runtime.h"
#include "export/sql/schema_statement.h"

const char kMdtStatement[] =
    "SELECT DISTINCT TO_CHAR(BakDtm, 'dd.mm.yyyy') as Datum, AswNum, FcdTxt, ' ', BvfGen, "
    "FcdKrt, FcdNum FROM %s.Vls382Bvf, VLSYSTEM.Vls301Asw, %s.Vls131Fcd, VLSYSTEM.Vls133Bak "
    "WHERE AswGvo <= trunc(CURRENT_DATE) AND (AswGbi >= trunc(CURRENT_DATE) OR AswGbi is "
    "null) AND AswPnr = BvfPnr AND BvfGen in (2,3,5,7,9,10) AND BvfBis >= "
    "last_day(add_months(trunc(CURRENT_DATE), -16)) + 1 AND BvfFc1 = FcdNum AND BakDtm >= BvfVon and "
    "BakDtm <= BvfBis AND FcdKrt is not null and Fcdkrt > ' ' AND EXISTS (select ztgvon from "
    "%s.Vls329Ztg, %s.Vls140Azv where ztgpnr = bvfpnr and ztgvon = bakdtm and ztgazt = azvnum "
    "and azvgvo <= ztgvon and (azvgbi is null or azvgbi >= ztgvon) and azvsol > 0) ORDER BY "
    "AswNum, Datum";

namespace {
sql::Cursor g_mdt;
}  // namespace

long SQLOpenMdt() {
  std::string statement;
  long status = BuildCurrentSchemaStatement(kMdtStatement, statement);
  if (status != sql::kOk) return status;
  return sql::Open(g_mdt, statement);
}

long SQLFetchMdt(MdtRow& row) {
  return sql::FoldFetch(sql::Fetch(
      g_mdt, {sql::Text(row.day), sql::Text(row.badge), sql::Text(row.function_text), sql::Text(row.blank),
              sql::Text(row.status), sql::Text(row.function_short), sql::Text(row.function_code)}));
}

long SQLCloseMdt() { return sql::Close(g_mdt); }
