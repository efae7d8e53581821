// SSTRxkSQL, badge master file (see idn_sql.h).
#include "export/sql/idn_sql.h"

#include <cstdint>
#include <string>

#include "db/sql_runtime.h"
#include "export/sql/master_statements.h"
#include "export/sql/schema_statement.h"
#include "runctl/run_state.h"

namespace {

sql::Cursor g_ids;
sql::Cursor g_ids_sel;

// The holder's current BSVMAP value as one digit in field 22. A holder without
// exactly one current row, or any failing lookup, leaves the field empty and
// never fails the fetch. A value outside 0-9 has no digit to show and is
// treated as no value, so field 22 can never spill into field 23.
void ReadBsvMap(IdsRow& row) {
  std::int32_t bsvmap = 0;
  std::int16_t indicator = 0;
  long status = sql::SelectInto(stmt::kBsvMap, {sql::In(row.person)}, {sql::Int32(bsvmap, &indicator)});
  if (status != sql::kOk || indicator == -1) return;
  if (bsvmap < 0 || bsvmap > 9) return;
  row.bsvmap.Format("%ld", static_cast<long>(bsvmap));
}

// Fetch of either badge cursor: fields 1-17 and 19-21 in select-list order,
// every one with the shared indicator, so a NULL reads as an empty field.
long FetchBadge(sql::Cursor& cursor, IdsRow& row) {
  row = IdsRow();
  long status = sql::FoldFetch(sql::Fetch(
      cursor, {sql::Text(row.badge), sql::Text(row.awvsto), sql::Text(row.valid_from), sql::Text(row.valid_to),
               sql::Text(row.person), sql::Text(row.name), sql::Text(row.language), sql::Text(row.perm_class),
               sql::Text(row.pin), sql::Text(row.awvcod), sql::Text(row.aswgrp), sql::Text(row.licence),
               sql::Text(row.client), sql::Text(row.aswatp), sql::Text(row.aswaan), sql::Text(row.pnrmta),
               sql::Text(row.pnrsal), sql::Text(row.status), sql::Text(row.changed), sql::Text(row.changed_by)}));
  if (status != sql::kOk) return status;
  ReadBsvMap(row);
  return sql::kOk;
}

}  // namespace

long SQLOpenIDS() {
  std::string statement;
  long status = BuildCurrentSchemaStatement(stmt::kIDS, statement);
  if (status != sql::kOk) return status;
  return sql::Open(g_ids, statement, {sql::In(CurrentClient.number)});
}

long SQLFetchIDS(IdsRow& row) { return FetchBadge(g_ids, row); }

long SQLCloseIDS() { return sql::Close(g_ids); }

long SQLOpenIDS_Sel(const char* badge) {
  std::string statement;
  long status = BuildCurrentSchemaStatement(stmt::kIDS_Sel, statement);
  if (status != sql::kOk) return status;
  return sql::Open(g_ids_sel, statement, {sql::In(badge != nullptr ? badge : ""), sql::In(CurrentClient.number)});
}

long SQLFetchIDS_Sel(IdsRow& row) { return FetchBadge(g_ids_sel, row); }

long SQLCloseIDS_Sel() { return sql::Close(g_ids_sel); }

long SQLReadKst(IdsRow& row) {
  row.cost_centre.Clear();
  FixedText<31> cost_centre;
  std::int16_t indicator = 0;
  long status = sql::SelectInto(stmt::kReadKst, {sql::In(row.person)}, {sql::Text(cost_centre, &indicator)});
  if (status == sql::kOk) row.cost_centre.Assign(cost_centre.view());
  return status;
}

long SQLReadKstKal(IdsRow& row) {
  row.cost_centre.Clear();
  row.calendar.Clear();
  FixedText<31> cost_centre;
  FixedText<51> calendar;  // as wide as the column, so a value too long is seen
  std::int16_t cost_centre_indicator = 0;
  std::int16_t calendar_indicator = 0;
  long status = sql::SelectInto(stmt::kReadKstKal, {sql::In(row.person)},
                                {sql::Text(cost_centre, &cost_centre_indicator),
                                 sql::Text(calendar, &calendar_indicator)});
  if (status != sql::kOk) return status;
  if (!row.calendar.AssignIfFits(calendar.view())) return kIdsValueTooLong;
  row.cost_centre.Assign(cost_centre.view());
  return sql::kOk;
}
