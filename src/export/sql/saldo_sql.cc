// SSTRxkSQL, balance file (see saldo_sql.h).
//
// The value sources run once per badge with the same statement texts; the
// database layer keeps a prepared statement per text, so each source simply
// opens, fetches and closes its own cursor. Only the fetch status counts: a
// statement that does not open shows up as the failing fetch after it. The
// fetch targets are copies of the current values, so a NULL column (its
// indicator set, the target untouched) keeps the value it had, and an error
// changes nothing.
#include "export/sql/saldo_sql.h"

#include <cstdint>
#include <string>

#include "db/sql_runtime.h"
#include "export/balance/number_format.h"
#include "export/sql/balance_statements.h"
#include "export/sql/schema_statement.h"

namespace {

sql::Cursor g_sald;
sql::Cursor g_urlaubsvortraege;
sql::Cursor g_urlaubstage;
sql::Cursor g_schichtfreizeit;
sql::Cursor g_schichtfreizeit_jahr;
sql::Cursor g_saldenwerte;
sql::Cursor g_ampelkonto;

// Opens `cursor` over `text` in the current schema, fetches one row into
// `outputs` and closes the cursor. Returns the fetch status, or the status
// of a statement text that cannot be built.
long FetchFirstRow(sql::Cursor& cursor, const char* text, std::initializer_list<sql::Value> binds,
                   std::initializer_list<sql::Out> outputs) {
  std::string statement;
  long status = BuildCurrentSchemaStatement(text, statement);
  if (status != sql::kOk) return status;
  sql::Open(cursor, statement, binds);
  status = sql::Fetch(cursor, outputs);
  sql::Close(cursor);
  return status;
}

bool IsRow(long status) { return status == sql::kOk || status == sql::kNullFetched; }

}  // namespace

long SQLOpenSald(const char* client_number) {
  std::string statement;
  long status = BuildCurrentSchemaStatement(stmt::kSald, statement);
  if (status != sql::kOk) return status;
  return sql::Open(g_sald, statement, {sql::In(client_number)});
}

long SQLFetchSald(SaldoRecord& record, SaldoPerson& person) {
  SaldoRecord fetched;
  SaldoPerson fetched_person;
  long status = sql::Fetch(g_sald, {sql::Text(fetched.Idn), sql::Text(fetched.Sto), sql::Text(fetched.Liz),
                                    sql::Text(fetched.Mnd), sql::Text(fetched_person)});
  status = sql::FoldFetch(status);
  if (status != sql::kOk) return status;
  record.Idn = fetched.Idn;
  record.Sto = fetched.Sto;
  record.Liz = fetched.Liz;
  record.Mnd = fetched.Mnd;
  person = fetched_person;
  return sql::kOk;
}

long SQLCloseSald() { return sql::Close(g_sald); }

long SQLGetUrlaubsvortraege(const char* person, SaldoRecord& record, SaldoValues& values) {
  double uvj = values.UVJ, uan = values.UAN, ulj = values.ULJ;
  long status = FetchFirstRow(g_urlaubsvortraege, stmt::kUrlaubsvortraege, {sql::In(person)},
                              {sql::Double(uvj), sql::Double(uan), sql::Double(ulj)});
  if (!IsRow(status)) return status;
  values.UVJ = uvj;
  values.UAN = uan;
  values.ULJ = ulj;
  record.W03.Assign(SignedDecimalField(values.UVJ));
  record.W08.Assign(SignedDecimalField(values.UAN));
  record.W04.Assign(SignedDecimalField(values.ULJ));
  return sql::kOk;
}

long SQLGetUrlaubstage(const char* person, SaldoRecord& record, SaldoValues& values) {
  double uge = values.UGE, uvp = values.UVP, urs = values.URS;
  long status = FetchFirstRow(g_urlaubstage, stmt::kUrlaubstage, {sql::In(person), sql::In(person)},
                              {sql::Double(uge), sql::Double(uvp), sql::Double(urs)});
  if (!IsRow(status)) return status;
  values.UGE = uge;
  values.UVP = uvp;
  values.URS = urs;
  record.W05.Assign(SignedDecimalField(values.UGE));
  record.W06.Assign(SignedDecimalField(values.UVP));
  record.W07.Assign(SignedDecimalField(values.URS));
  return sql::kOk;
}

long SQLGetSchichtfreizeit(const char* person, SaldoRecord& /*record*/, SaldoValues& values) {
  double san = values.SAN, sge = values.SGE, srs = values.SRS, svp = values.SVP, sat = values.SAT;
  long status = FetchFirstRow(g_schichtfreizeit, stmt::kSchichtfreizeit, {sql::In(person)},
                              {sql::Double(san), sql::Double(sge), sql::Double(srs), sql::Double(svp), sql::Double(sat)});
  if (!IsRow(status)) return status;
  values.SAN = san;
  values.SGE = sge;
  values.SRS = srs;
  values.SVP = svp;
  values.SAT = sat;
  double svj = values.SVJ;
  status = FetchFirstRow(g_schichtfreizeit_jahr, stmt::kSchichtfreizeitJahr, {sql::In(person)}, {sql::Double(svj)});
  if (!IsRow(status)) return status;
  values.SVJ = svj;
  return sql::kOk;
}

long SQLGetSaldenwerte(const char* person, SaldoRecord& record, SaldoValues& values) {
  SaldoValues fetched = values;
  long status = FetchFirstRow(g_saldenwerte, stmt::kSaldenwerte, {sql::In(person), sql::In(person)},
                              {sql::Text(fetched.BalanceDate), sql::Int32(fetched.SA1), sql::Int32(fetched.SA2),
                               sql::Int32(fetched.SA3), sql::Int32(fetched.SA4), sql::Int32(fetched.SA5),
                               sql::Int32(fetched.SA6), sql::Int32(fetched.SA7)});
  if (!IsRow(status)) return status;
  values.BalanceDate = fetched.BalanceDate;
  values.SA1 = fetched.SA1;
  values.SA2 = fetched.SA2;
  values.SA3 = fetched.SA3;
  values.SA4 = fetched.SA4;
  values.SA5 = fetched.SA5;
  values.SA6 = fetched.SA6;
  values.SA7 = fetched.SA7;
  record.W01.Assign(values.BalanceDate.view());
  record.W02.Assign(SignedHoursMinutesField(values.SA1));
  record.W09.Assign(SignedHoursMinutesField(values.SA2));
  record.W10.Assign(SignedHoursMinutesField(values.SA3));
  record.W11.Assign(SignedHoursMinutesField(values.SA4));
  record.W12.Assign(SignedHoursMinutesField(values.SA5));
  record.W13.Assign(SignedHoursMinutesField(values.SA6));
  record.W14.Assign(SignedHoursMinutesField(values.SA7));
  // The sums in 64 bits: two 32-bit sums near their limit must not overflow.
  record.W15.Assign(SignedHoursMinutesField(std::int64_t{values.SA1} + values.SA2));
  record.W16.Assign(SignedHoursMinutesField(std::int64_t{values.SA2} + values.SA3));
  return sql::kOk;
}

long SQLGetAmpelkonto(const char* person, SaldoRecord& record, SaldoValues& values) {
  std::int32_t amp = values.AmpValue;
  long status = FetchFirstRow(g_ampelkonto, stmt::kAmpelkonto, {sql::In(person), sql::In(person)}, {sql::Int32(amp)});
  if (!IsRow(status)) return status;
  values.AmpValue = amp;
  record.Amp.Assign(TrafficLightField(values.AmpValue));
  return sql::kOk;
}
