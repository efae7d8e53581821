// The balance record and its line, the value sources and the badge cursor
// over a scripted database (NULL columns, statuses, what stays unchanged),
// and the failures of the job that a real database hardly produces.
#include "export/balance/saldo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/fake_env.h"
#include "db/db_statements.h"
#include "db/fake_backend.h"
#include "db/sql_runtime.h"
#include "export/balance/balance_test_files.h"
#include "export/sql/balance_statements.h"
#include "export/sql/saldo_sql.h"
#include "export/sql/schema_statement.h"
#include "runctl/job_frame.h"
#include "runctl/run_state.h"

namespace fs = std::filesystem;

namespace {

using sql::Value;

const std::string kZero = "      0,00";

std::string Pad(const std::string& text, std::size_t width) { return text + std::string(width - text.size(), ' '); }

TEST(SaldoRecord, DefaultLine) {
  SaldoRecord record;
  record.F03.Assign("left over");
  InitSaldoRecord(record);
  std::string expected = std::string(76, ' ');
  for (int i = 0; i < 15; ++i) expected += kZero;
  expected += std::string(200, ' ') + "   -1x";
  EXPECT_EQ(SaldoLine(record), expected);
  EXPECT_EQ(SaldoLine(record).size(), 432u);
}

TEST(SaldoRecord, EveryFieldAtItsColumns) {
  SaldoRecord r;
  InitSaldoRecord(r);
  r.Idn.Assign(std::string(50, 'I'));
  r.Sto.Assign("S");
  r.Liz.Assign("LLLLL");
  r.Mnd.Assign("M");
  r.W01.Assign("20240616");
  FixedText<11>* w[] = {&r.W02, &r.W03, &r.W04, &r.W05, &r.W06, &r.W07, &r.W08, &r.W09,
                        &r.W10, &r.W11, &r.W12, &r.W13, &r.W14, &r.W15, &r.W16};
  for (int i = 0; i < 15; ++i) w[i]->Assign("W" + std::to_string(i + 2));
  for (int p = 1; p <= 10; ++p) SummaryField(r, p).Assign("F" + std::to_string(p));
  r.Amp.Assign("    3");
  std::string line = SaldoLine(r);
  ASSERT_EQ(line.size(), 432u);
  // Columns counted from 1, as the layout lists them.
  auto at = [&](std::size_t first, std::size_t width) { return line.substr(first - 1, width); };
  EXPECT_EQ(at(1, 50), std::string(50, 'I'));
  EXPECT_EQ(at(51, 8), Pad("S", 8));
  EXPECT_EQ(at(59, 5), "LLLLL");
  EXPECT_EQ(at(64, 5), Pad("M", 5));
  EXPECT_EQ(at(69, 8), "20240616");
  EXPECT_EQ(at(77, 10), Pad("W2", 10));
  EXPECT_EQ(at(137, 10), Pad("W8", 10));
  EXPECT_EQ(at(147, 10), Pad("W9", 10));
  EXPECT_EQ(at(197, 10), Pad("W14", 10));
  EXPECT_EQ(at(207, 10), Pad("W15", 10));
  EXPECT_EQ(at(217, 10), Pad("W16", 10));
  EXPECT_EQ(at(227, 20), Pad("F1", 20));
  EXPECT_EQ(at(247, 20), Pad("F2", 20));
  EXPECT_EQ(at(407, 20), Pad("F10", 20));
  EXPECT_EQ(at(427, 5), "    3");
  EXPECT_EQ(at(432, 1), "x");
}

// A scripted database with the current schema "M1".
class ScriptedDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRunState();
    DebugFlag = 1;
    CurrentSchema.Assign("M1");
    sql::SetConnectorForTesting([this](std::string_view, std::unique_ptr<sql::Backend>& out) -> long {
      auto fake = std::make_unique<sql::FakeBackend>();
      backend = fake.get();
      out = std::move(fake);
      return sql::kOk;
    });
    ASSERT_EQ(sql::Connect("u/p@fake"), sql::kOk);
    InitSaldoRecord(record);
  }
  void TearDown() override {
    sql::SetConnectorForTesting(nullptr);
    sql::Connect("u/p@fake");  // drops the scripted backend's cursors
    ResetRunState();
  }

  // The script of `text` as it runs in schema M1.
  sql::FakeQuery& Query(const char* text, const char* schema = "M1") {
    std::string statement;
    BuildSchemaStatement(text, schema, statement);
    return backend->queries[statement];
  }

  FakeEnv env;
  sql::FakeBackend* backend = nullptr;
  SaldoRecord record;
  SaldoValues values;
};

using ValueSources = ScriptedDatabase;

TEST_F(ValueSources, VacationCarryOverWritesSignedDecimals) {
  Query(stmt::kUrlaubsvortraege).rows = {{Value::Real(5.5), Value::Real(30), Value::Real(26.5)},
                                         {Value::Real(1), Value::Real(1), Value::Real(1)}};
  EXPECT_EQ(SQLGetUrlaubsvortraege("1001", record, values), 0);
  EXPECT_EQ(values.UVJ, 5.5);
  EXPECT_EQ(values.UAN, 30);
  EXPECT_EQ(values.ULJ, 26.5);
  EXPECT_EQ(record.W03, "+     5,50");
  EXPECT_EQ(record.W08, "+    30,00");
  EXPECT_EQ(record.W04, "+    26,50");
  ASSERT_EQ(backend->bound.size(), 1u);
  EXPECT_EQ(backend->bound[0].size(), 1u);
  EXPECT_EQ(backend->bound[0][0].text, "1001");
}

TEST_F(ValueSources, VacationDaysBindThePersonTwice) {
  Query(stmt::kUrlaubstage).rows = {{Value::Real(12.5), Value::Real(-3), Value::Real(0)}};
  EXPECT_EQ(SQLGetUrlaubstage("1001", record, values), 0);
  EXPECT_EQ(record.W05, "+    12,50");
  EXPECT_EQ(record.W06, "-     3,00");
  EXPECT_EQ(record.W07, kZero);  // zero has no sign
  ASSERT_EQ(backend->bound.size(), 1u);
  ASSERT_EQ(backend->bound[0].size(), 2u);
  EXPECT_EQ(backend->bound[0][1].text, "1001");
}

TEST_F(ValueSources, NullColumnKeepsItsValue) {
  values.UGE = 7;
  Query(stmt::kUrlaubstage).rows = {{Value::Null(), Value::Real(2), Value::Null()}};
  EXPECT_EQ(SQLGetUrlaubstage("1001", record, values), 0);
  EXPECT_EQ(values.UGE, 7);
  EXPECT_EQ(values.URS, 0);
  EXPECT_EQ(record.W05, "+     7,00");
  EXPECT_EQ(record.W07, kZero);

  Query(stmt::kAmpelkonto).rows = {{Value::Null()}};
  EXPECT_EQ(SQLGetAmpelkonto("1001", record, values), 0);
  EXPECT_EQ(values.AmpValue, -1);
  EXPECT_EQ(record.Amp, "   -1");
}

TEST_F(ValueSources, NoRowOrErrorChangesNothing) {
  Query(stmt::kUrlaubsvortraege);  // no rows
  EXPECT_EQ(SQLGetUrlaubsvortraege("1001", record, values), 1403);
  sql::FakeQuery& failing = Query(stmt::kSaldenwerte);
  failing.rows = {{Value::Text("20240616"), Value::Int(1), Value::Int(2), Value::Int(3), Value::Int(4), Value::Int(5),
                   Value::Int(6), Value::Int(7)}};
  failing.error_at_row = 0;
  failing.error_status = -20001;
  EXPECT_EQ(SQLGetSaldenwerte("1001", record, values), -20001);
  // A value that does not convert fails the fetch after earlier columns.
  Query(stmt::kUrlaubstage).rows = {{Value::Real(1), Value::Text("kaputt"), Value::Real(1)}};
  EXPECT_EQ(SQLGetUrlaubstage("1001", record, values), sql::kInvalidNumber);
  // A statement that does not open: its fetch reports the cursor as not open.
  EXPECT_EQ(SQLGetAmpelkonto("1001", record, values), sql::kFetchOutOfSequence);

  SaldoRecord fresh;
  InitSaldoRecord(fresh);
  EXPECT_EQ(SaldoLine(record), SaldoLine(fresh));
  EXPECT_EQ(values.UGE, 0);
  EXPECT_EQ(values.SA1, 0);
  EXPECT_EQ(values.BalanceDate, "");
  EXPECT_EQ(values.AmpValue, -1);
}

TEST_F(ValueSources, ShiftTimeOffRunsTheYearlyQueryOnlyAfterADailyRow) {
  Query(stmt::kSchichtfreizeitJahr).rows = {{Value::Real(2)}};
  Query(stmt::kSchichtfreizeit);  // no daily row
  EXPECT_EQ(SQLGetSchichtfreizeit("1001", record, values), 1403);
  EXPECT_EQ(values.SVJ, 0);
  EXPECT_EQ(backend->bound.size(), 1u);

  Query(stmt::kSchichtfreizeit).rows = {{Value::Real(4), Value::Real(2), Value::Real(1.5), Value::Real(0.5), Value::Null()}};
  Query(stmt::kSchichtfreizeitJahr).rows.clear();  // no yearly row
  values.SAT = 9;
  EXPECT_EQ(SQLGetSchichtfreizeit("1001", record, values), 1403);
  EXPECT_EQ(values.SAN, 4);
  EXPECT_EQ(values.SGE, 2);
  EXPECT_EQ(values.SRS, 1.5);
  EXPECT_EQ(values.SVP, 0.5);
  EXPECT_EQ(values.SAT, 9);
  EXPECT_EQ(values.SVJ, 0);

  Query(stmt::kSchichtfreizeitJahr).rows = {{Value::Real(2)}};
  EXPECT_EQ(SQLGetSchichtfreizeit("1001", record, values), 0);
  EXPECT_EQ(values.SVJ, 2);
  SaldoRecord fresh;
  InitSaldoRecord(fresh);
  EXPECT_EQ(SaldoLine(record), SaldoLine(fresh));  // no field of its own
}

TEST_F(ValueSources, BalanceValuesInHoursAndMinutes) {
  Query(stmt::kSaldenwerte).rows = {{Value::Text("20240616"), Value::Int(30), Value::Int(45), Value::Int(-45),
                                     Value::Int(0), Value::Int(120), Value::Null(), Value::Int(50)}};
  EXPECT_EQ(SQLGetSaldenwerte("1001", record, values), 0);
  EXPECT_EQ(values.BalanceDate, "20240616");
  EXPECT_EQ(record.W01, "20240616");
  EXPECT_EQ(record.W02, "+     0,30");
  EXPECT_EQ(record.W09, "+     0,45");
  EXPECT_EQ(record.W10, "-     0,45");
  EXPECT_EQ(record.W11, "+     0,00");
  EXPECT_EQ(record.W12, "+     2,00");
  EXPECT_EQ(record.W13, "+     0,00");  // NULL: zero minutes
  EXPECT_EQ(record.W14, "+     0,50");
  EXPECT_EQ(record.W15, "+     1,15");  // 30 + 45 minutes
  EXPECT_EQ(record.W16, "+     0,00");  // 45 - 45
}

TEST_F(ValueSources, TrafficLight) {
  Query(stmt::kAmpelkonto).rows = {{Value::Int(3)}};
  EXPECT_EQ(SQLGetAmpelkonto("1001", record, values), 0);
  EXPECT_EQ(values.AmpValue, 3);
  EXPECT_EQ(record.Amp, "    3");
}

TEST_F(ValueSources, SchemaThatIsNoNameIsRefused) {
  CurrentSchema.Assign("M1; DROP");
  EXPECT_EQ(SQLGetUrlaubsvortraege("1001", record, values), sql::kInvalidName);
  EXPECT_EQ(SQLOpenSald("1"), sql::kInvalidName);
  EXPECT_TRUE(backend->bound.empty());
}

TEST_F(ScriptedDatabase, BadgeCursorFoldsItsStatuses) {
  sql::FakeQuery& badges = Query(stmt::kSald);
  badges.rows = {{Value::Text("10000001"), Value::Text("10001"), Value::Text("00001"), Value::Text("1"),
                  Value::Text("1001")},
                 {Value::Text("10000002"), Value::Null(), Value::Text("00001"), Value::Text("1"), Value::Text("1002")}};
  badges.error_at_row = 2;
  ASSERT_EQ(SQLOpenSald("1"), 0);
  EXPECT_EQ(backend->bound.back()[0].text, "1");
  SaldoPerson person;
  EXPECT_EQ(SQLFetchSald(record, person), 0);
  EXPECT_EQ(record.Idn, "10000001");
  EXPECT_EQ(record.Sto, "10001");
  EXPECT_EQ(person, "1001");
  InitSaldoRecord(record);
  EXPECT_EQ(SQLFetchSald(record, person), 0);
  EXPECT_EQ(record.Idn, "10000002");
  EXPECT_EQ(record.Sto, "");
  EXPECT_EQ(SQLFetchSald(record, person), -20001);  // unchanged, nothing copied
  EXPECT_EQ(record.Idn, "10000002");
  EXPECT_EQ(SQLFetchSald(record, person), 1403);    // -1002 after the error
  SQLCloseSald();
}

// The job over the scripted database, for the failures of the badge cursor.
class SaldoJob : public ScriptedDatabase {
 protected:
  void SetUp() override {
    ScriptedDatabase::SetUp();
    path = dir.path() / "saldo.imp";
    OutputPath.Assign(path.string());
    previous = fs::current_path();
    fs::current_path(dir.path());  // no mapping file here
    backend->queries[stmt::kVls112Mnd].rows = {
        {Value::Text("00001"), Value::Text("1"), Value::Text("M1"), Value::Text("10001")},
        {Value::Text("00001"), Value::Text("2"), Value::Text("M2"), Value::Text("10002")}};
    // The value sources exist in both schemas and find nothing.
    for (const char* schema : {"M1", "M2"}) {
      for (const char* text : {stmt::kUrlaubsvortraege, stmt::kUrlaubstage, stmt::kSchichtfreizeit,
                               stmt::kSchichtfreizeitJahr, stmt::kSaldenwerte, stmt::kAmpelkonto}) {
        Query(text, schema);
      }
    }
  }
  void TearDown() override {
    fs::current_path(previous);
    ScriptedDatabase::TearDown();
  }

  static std::vector<Value> Badge(const char* number, const char* person, const char* client) {
    return {Value::Text(number), Value::Text("10001"), Value::Text("00001"), Value::Text(client), Value::Text(person)};
  }

  std::string File() const {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::string DefaultLine(const char* number, const char* client) {
    SaldoRecord r;
    InitSaldoRecord(r);
    r.Idn.Assign(number);
    r.Sto.Assign("10001");
    r.Liz.Assign("00001");
    r.Mnd.Assign(client);
    return SaldoLine(r) + "\r\n";
  }

  TempDir dir;
  fs::path path;
  fs::path previous;
};

TEST_F(SaldoJob, BadgeFetchErrorEndsTheJobAfterTheLinesWritten) {
  sql::FakeQuery& badges = Query(stmt::kSald);
  badges.rows = {Badge("10000001", "1001", "1"), Badge("10000002", "1002", "1")};
  badges.error_at_row = 1;
  badges.error_status = -1455;
  EXPECT_EQ(Fill_SALDO(), kJobDatabaseError);
  EXPECT_EQ(File(), DefaultLine("10000001", "1"));
  EXPECT_EQ(env.console, "Importdatei : " + path.string() + " fuellen...\n"
                         "Flexible Saldenwerte: NO\n"
                         "Schema:M1 Lizenz:00001 Mandant:1\n"
                         "Fehler SQLFetchSald RC: -1455\n"
                         "Import " + path.string() + " fehlgeschlagen.\n");
}

TEST_F(SaldoJob, BadgeCursorNotOpenedForTheSecondClient) {
  Query(stmt::kSald).rows = {Badge("10000001", "1001", "1")};
  Query(stmt::kSald, "M2").open_status = sql::kTableNotFound;
  EXPECT_EQ(Fill_SALDO(), kJobDatabaseError);
  EXPECT_EQ(File(), DefaultLine("10000001", "1"));
  EXPECT_EQ(env.console, "Importdatei : " + path.string() + " fuellen...\n"
                         "Flexible Saldenwerte: NO\n"
                         "Schema:M1 Lizenz:00001 Mandant:1\n"
                         "Schema:M2 Lizenz:00001 Mandant:2\n"
                         "Fehler in Fkt. SQLOpenSald(). RC: -942\n"
                         "Import " + path.string() + " fehlgeschlagen.\n");
}

}  // namespace
