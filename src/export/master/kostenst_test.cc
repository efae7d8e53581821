// The cost-centre file in this process: right-trimming, the KstApz text and
// its limits, the status filter and order, the unfolded fetch (a NULL KstNum
// and a fetch out of sequence fail the job, unlike the folded fetches of the
// badge and function-code jobs).
#include "export/master/kostenst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "db/db_statements.h"
#include "db/fake_backend.h"
#include "export/master/badges_test_db.h"
#include "export/master/funktionscodes.h"
#include "export/master/idstamm.h"
#include "export/sql/master_statements.h"
#include "export/sql/schema_statement.h"
#include "runctl/job_frame.h"

namespace fs = std::filesystem;

namespace {

std::string KstRecord(const std::string& number, const std::string& apz, const std::string& text,
                      const std::string& erf, const std::string& client = "1", const std::string& licence = "00001") {
  return Pad(number, 30) + Pad(client, 5) + Pad(licence, 5) + Pad(apz, 7) + std::string(7, ' ') + Pad(text, 30) +
         Pad(erf, 50) + "x\r\n";
}

TEST(RightTrimTest, RemovesTrailingBlanksAndTabsOnly) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"", ""},           {"K100", "K100"},         {"K100  ", "K100"},          {"K100\t", "K100"},
      {"K1 \t \t", "K1"}, {" \t \t", ""},           {"  lead", "  lead"},        {"a b\tc", "a b\tc"},
      {"x\n", "x\n"},     {"\tTab am Ende\t", "\tTab am Ende"},
  };
  for (const Case& c : cases) {
    char buffer[32];
    std::strcpy(buffer, c.in);
    RightTrim(buffer);
    EXPECT_STREQ(buffer, c.out) << "\"" << c.in << "\"";
  }
}

class KostenstTest : public BadgesTestDb {
 protected:
  void SetUp() override {
    BadgesTestDb::SetUp();
    ClientSchema("MANDANT1");
    Sql("VLSYSTEM", "INSERT INTO VLS112MND (MNDLIZ, MNDNUM, MNDKON, MNDSCH, MNDSTO) VALUES "
                    "('00001', '1', 0, 'MANDANT1', '10001');");
    OutputPath.Assign((dir / "kostenst.imp").string());
  }
  std::string Out() const { return File(dir / "kostenst.imp"); }
};

TEST_F(KostenstTest, RecordsInNumberOrderWithoutRetiredCostCentres) {
  Sql("MANDANT1",
      "INSERT INTO O1003KSTSTELLE VALUES "
      "('K300', 'Lager', 'admin', NULL, NULL),"
      "('K100  ', 'Verwaltung   ', 'admin\t', 12, 0),"
      "('K200', 'Produktion\t ', 'schmidt', -3, 1),"
      "('K400', 'alt', 'admin', 1, 4),"
      "('K500', 'alt', 'admin', 1, 8),"
      "('K150', '   ', NULL, 0, 2);");
  Connect();
  EXPECT_EQ(Fill_KST(), kJobDone);
  EXPECT_EQ(Out(), KstRecord("K100", "12", "Verwaltung", "admin") + KstRecord("K150", "0", "", "") +
                       KstRecord("K200", "-3", "Produktion", "schmidt") + KstRecord("K300", "", "Lager", "admin"));
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Importdatei : " + OutputPath.str() + " fuellen...",
                            "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                            "Import " + OutputPath.str() + " fertig.",
                        }));
}

TEST_F(KostenstTest, KstApzFillsItsSevenColumnsAtMost) {
  struct Case {
    const char* value;
    const char* text;  // nullptr: the fetch reports -1406
  } cases[] = {
      {"NULL", ""},          {"12", "12"},      {"-3", "-3"}, {"0", "0"}, {"9999999", "9999999"},
      {"-999999", "-999999"}, {"10000000", nullptr}, {"-1000000", nullptr}, {"2147483647", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    Sql("MANDANT1", std::string("DELETE FROM O1003KSTSTELLE; INSERT INTO O1003KSTSTELLE VALUES "
                                "('K1', 'a', 'b', 1, 0), ('K2', 'c', 'd', ") +
                        c.value + ", 0);");
    Connect();
    env.console.clear();
    if (c.text != nullptr) {
      EXPECT_EQ(Fill_KST(), kJobDone);
      EXPECT_EQ(Out(), KstRecord("K1", "1", "a", "b") + KstRecord("K2", c.text, "c", "d"));
    } else {
      EXPECT_EQ(Fill_KST(), kJobDatabaseError);
      EXPECT_EQ(Out(), KstRecord("K1", "1", "a", "b"));
      std::vector<std::string> log = Messages();
      ASSERT_EQ(log.size(), 4u);
      EXPECT_EQ(log[2], "Fehler in Fkt. SQL_Fetch_Kst(). RC: -1406");
      EXPECT_EQ(log[3], "Import " + OutputPath.str() + " fehlgeschlagen.");
    }
  }
}

TEST_F(KostenstTest, NullKstNumIsAFetchError) {
  Sql("MANDANT1", "INSERT INTO O1003KSTSTELLE VALUES (NULL, 'c', 'd', 2, 0);");
  Connect();
  EXPECT_EQ(Fill_KST(), kJobDatabaseError);
  EXPECT_EQ(Out(), "");
  std::vector<std::string> log = Messages();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[2], "Fehler in Fkt. SQL_Fetch_Kst(). RC: -1405");
}

TEST_F(KostenstTest, LongTextsAreCutToTheirFields) {
  Sql("MANDANT1", "INSERT INTO O1003KSTSTELLE VALUES ('" + std::string(31, 'N') + "', '" + std::string(31, 'T') +
                      "', '" + std::string(51, 'E') + "', 1, 0);");
  Connect();
  EXPECT_EQ(Fill_KST(), kJobDone);
  EXPECT_EQ(Out(), KstRecord(std::string(30, 'N'), "1", std::string(30, 'T'), std::string(50, 'E')));
  EXPECT_EQ(Out().size(), 137u);
}

// The three jobs over a scripted database whose second fetch reports a
// status: the cost-centre fetch hands every status but 0 and 1403 to the
// job; the badge and function-code fetches fold -1002 into "no more rows".
TEST(FetchFoldingTest, OnlyTheCostCentreFetchIsNotFolded) {
  struct Case {
    const char* what;
    int (*job)();
    const char* text;
    std::vector<sql::Value> row;
    long status;
    int result;
    const char* message;  // nullptr: none
  };
  std::vector<sql::Value> kst_row = {sql::Value::Text("K1"), sql::Value::Text("t"), sql::Value::Text("e"),
                                     sql::Value::Int(1)};
  std::vector<sql::Value> fcd_row = {sql::Value::Int(1), sql::Value::Text("UR"), sql::Value::Text("Urlaub"),
                                     sql::Value::Int(1), sql::Value::Int(7)};
  std::vector<sql::Value> ids_row(20, sql::Value::Text("1"));
  Case cases[] = {
      {"KST -1002", Fill_KST, stmt::kKst, kst_row, -1002, kJobDatabaseError, "Fehler in Fkt. SQL_Fetch_Kst(). RC: -1002"},
      {"KST -20001", Fill_KST, stmt::kKst, kst_row, -20001, kJobDatabaseError, "Fehler in Fkt. SQL_Fetch_Kst(). RC: -20001"},
      {"FCD -1002", Fill_FCD, stmt::kFcd, fcd_row, -1002, kJobDone, nullptr},
      {"FCD -20001", Fill_FCD, stmt::kFcd, fcd_row, -20001, kJobDatabaseError, "Fehler in Fkt. SQLFetchFcd(). RC: -20001"},
      {"IDN -1002", Fill_IDSTAMM, stmt::kIDS, ids_row, -1002, kJobDone, nullptr},
      {"IDN -20001", Fill_IDSTAMM, stmt::kIDS, ids_row, -20001, kJobDatabaseError, "Fehler in Fkt. SQLFetchIDS(). RC: -20001"},
  };
  fs::path path = UniqueTempPath("sstrxk_fetch_folding");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetRunState();
    FakeEnv env;
    DebugFlag = 1;
    OutputPath.Assign(path.string());
    std::string text;
    ASSERT_EQ(BuildSchemaStatement(c.text, "MANDANT1", text), sql::kOk);
    sql::SetConnectorForTesting([&](std::string_view, std::unique_ptr<sql::Backend>& out) -> long {
      auto fake = std::make_unique<sql::FakeBackend>();
      fake->queries[stmt::kVls112Mnd].rows = {{sql::Value::Text("00001"), sql::Value::Text("1"),
                                               sql::Value::Text("MANDANT1"), sql::Value::Text("10001")}};
      sql::FakeQuery& q = fake->queries[text];
      q.rows = {c.row, c.row};
      q.error_at_row = 1;
      q.error_status = c.status;
      out = std::move(fake);
      return sql::kOk;
    });
    ASSERT_EQ(sql::Connect("u/p@fake"), sql::kOk);
    EXPECT_EQ(c.job(), c.result);
    std::string file = ReadTextFile(path);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 1);  // the first row's record stays
    bool logged = c.message != nullptr && env.console.find(std::string(c.message) + "\n") != std::string::npos;
    EXPECT_EQ(logged, c.message != nullptr) << env.console;
    sql::SetConnectorForTesting(nullptr);
    sql::Connect("");
  }
  fs::remove(path);
  ResetRunState();
}

}  // namespace
