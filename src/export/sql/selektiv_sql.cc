// SSTRxkSQL, selective export by download key (see selektiv_sql.h).
#include "export/sql/selektiv_sql.h"

#include "db/sql_runtime.h"
#include "export/sql/terminal_statements.h"

namespace {

sql::Cursor g_vls_asw_dnl;
sql::Cursor g_zko_zur_bkl;

}  // namespace

long SQLOpenVlsAswDnl(const char* key) { return sql::Open(g_vls_asw_dnl, stmt::kVlsAswDnl, {sql::In(key)}); }

long SQLFetchVlsAswDnl(AswDnlRow& row) {
  AswDnlRow host;
  // Buffers wider than the fields for the values that steer the export.
  FixedText<31> client;
  FixedText<31> licence;
  FixedText<101> badge;
  long status = sql::FoldFetch(
      sql::Fetch(g_vls_asw_dnl,
                 {sql::Text(host.DnlKey), sql::Int32(host.DnlLfd), sql::Text(client), sql::Text(licence),
                  sql::Text(badge), sql::Int32(host.DnlKze), sql::Text(host.DnlKzu), sql::Text(host.DnlKmp),
                  sql::Text(host.DnlBkl), sql::Int32(host.DnlSta), sql::Text(host.DnlErf)}));
  if (status != sql::kOk) return status;
  if (!host.DnlMnd.AssignIfFits(client.view()) || !host.DnlLiz.AssignIfFits(licence.view()) ||
      !host.DnlAsw.AssignIfFits(badge.view())) {
    return kSteeringValueTooLong;
  }
  row = host;
  return status;
}

long SQLCloseVlsAswDnl() { return sql::Close(g_vls_asw_dnl); }

long SQLGetSchema(const char* client, const char* licence, FixedText<21>& schema) {
  FixedText<31> name;
  long status = sql::SelectInto(stmt::kGetSchema, {sql::In(client), sql::In(licence)}, {sql::Text(name)});
  if (status != sql::kOk) return status;
  return schema.AssignIfFits(name.view()) ? sql::kOk : kSteeringValueTooLong;
}

long SQLOpenZKOzurBKL(const char* klasse) {
  return sql::Open(g_zko_zur_bkl, stmt::kZKOzurBKL, {sql::In(klasse)});
}

long SQLFetchZKOzurBKL(FixedText<6>& area) {
  FixedText<31> host;
  long status = sql::FoldFetch(sql::Fetch(g_zko_zur_bkl, {sql::Text(host)}));
  if (status != sql::kOk) return status;
  return area.AssignIfFits(host.view()) ? sql::kOk : kSteeringValueTooLong;
}

long SQLCloseZKOzurBKL() { return sql::Close(g_zko_zur_bkl); }
