// SSTRxkSQL, cost-centre file (see kst_sql.h).
#include "export/sql/kst_sql.h"

#include <cstdint>
#include <string>

#include "db/sql_runtime.h"
#include "export/master/kostenst.h"
#include "export/sql/master_statements.h"
#include "export/sql/schema_statement.h"

namespace {

sql::Cursor g_kst;

// The widest KstApz values the 7-character field holds.
constexpr std::int32_t kApzMin = -999999;
constexpr std::int32_t kApzMax = 9999999;

}  // namespace

long SQL_Open_Kst() {
  std::string statement;
  long status = BuildCurrentSchemaStatement(stmt::kKst, statement);
  if (status != sql::kOk) return status;
  return sql::Open(g_kst, statement);
}

long SQL_Fetch_Kst(KstRow& row) {
  std::int32_t apz = 0;
  std::int16_t apz_indicator = 0;
  long status = sql::Fetch(g_kst, {sql::TextWithoutIndicator(row.number), sql::Text(row.text), sql::Text(row.erf),
                                   sql::Int32(apz, &apz_indicator)});
  if (status != sql::kOk) return status;
  RightTrim(row.number.data());
  RightTrim(row.text.data());
  RightTrim(row.erf.data());
  if (apz_indicator == -1) return sql::kOk;  // NULL: the field stays empty
  if (apz < kApzMin || apz > kApzMax) return kKstApzTooWide;
  row.apz.Format("%ld", static_cast<long>(apz));
  return sql::kOk;
}

long SQL_Close_Kst() { return sql::Close(g_kst); }
