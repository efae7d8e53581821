// The 35P export in-process: the fetch's booking digit, the selective
// writer's file and messages, and the failures of both entry points.
#include "export/terminal/mgsst35p.h"

#include <gtest/gtest.h>

#include <fstream>

#include "export/sql/terminal_statements.h"
#include "export/terminal/terminal_test_fixture.h"
#include "runctl/run_state.h"

namespace fs = std::filesystem;

namespace terminal_test {
namespace {

using Mgsst35PTest = TerminalTest;

TEST_F(Mgsst35PTest, FetchGivesTheBookingFlagAsOneDigitAndCutsThePlan) {
  struct Row {
    std::string klasse, plan, digit;
  };
  // Area A2's classes with ZBRZTB 0, 9 and -1; A1's 52001 with 10.
  const Row a2[] = {{"C1", "C1", "0"}, {"C5", "C5", "9"}, {"C6", "C6", "0"}};
  ASSERT_EQ(SQLOpenS35P_Sel("A2"), 0);
  for (const Row& r : a2) {
    S35PRow row;
    ASSERT_EQ(SQLFetchS35P_Sel(row), 0);
    EXPECT_EQ(row.Berechtigungsklasse.str(), r.klasse);
    EXPECT_EQ(row.Wochenplan.str(), r.plan);
    EXPECT_EQ(row.Zeitbuchung_erlaubt.str(), r.digit);
  }
  S35PRow row;
  EXPECT_EQ(SQLFetchS35P_Sel(row), 1403);
  SQLCloseS35P_Sel();

  ASSERT_EQ(SQLOpenS35P_Sel("A1"), 0);
  ASSERT_EQ(SQLFetchS35P_Sel(row), 0);
  EXPECT_EQ(row.Berechtigungsklasse.str(), "52001");
  EXPECT_EQ(row.Wochenplan.str(), "520");
  EXPECT_EQ(row.Zeitbuchung_erlaubt.str(), "0");  // 10 is no digit
  EXPECT_EQ(row.Firma.str(), "001");
  SQLCloseS35P_Sel();
}

TEST_F(Mgsst35PTest, SelectiveWriterAlwaysLogsTheControlAreaAndAppendsAfterItsFirstCall) {
  { std::ofstream(Upd("mgsst35p_upd.imp"), std::ios::binary) << "from an earlier run\r\n"; }
  EXPECT_EQ(Fill_MGSST35P_Upd("A1"), 0);
  EXPECT_EQ(Fill_MGSST35P_Upd("A2"), 0);
  EXPECT_EQ(File(Upd("mgsst35p_upd.imp")), Plan35P_A1() + Plan35P_A2());
  std::string name = out.string() + "//mgsst35p_upd.imp";
  EXPECT_EQ(Log(), (std::vector<std::string>{"Importdatei: " + name + " fuellen: Kontrollbereich: A1",
                                             "Import " + name + " fertig.",
                                             "Importdatei: " + name + " fuellen: Kontrollbereich: A2",
                                             "Import " + name + " fertig."}));
  EXPECT_EQ(backend->opened.back().second, std::vector<std::string>{"A2"});
}

TEST_F(Mgsst35PTest, Failures) {
  fs::path file = out / "mgsst35p.imp";
  std::string name = out.string() + "//mgsst35p_upd.imp";
  const std::vector<FailureCase> cases = {
      {"full, open", false, {stmt::kS35P, "", true, -1, -942}, 2, "", {"Fehler in Fkt. SQLOpenS35P(). RC: -942"}},
      {"full, fetch after two rows", false, {stmt::kS35P, "", false, 2, -20001}, 2,
       Plan35P_A1().substr(0, 2 * 284),
       {"Fehler in Fkt. SQLFetchS35P(). RC: -20001", "Import " + file.string() + " fehlgeschlagen."}},
      {"full, fetch out of sequence ends the rows", false, {stmt::kS35P, "", false, 1, -1002}, 0,
       Plan35P_A1().substr(0, 284), {"Import " + file.string() + " fertig."}},
      {"selective, open", true, {stmt::kS35P_Sel, "", true, -1, -942}, 2, "",
       {"Fehler in Fkt. SQLOpenS35P_Sel(). RC: -942"}},
      {"selective, fetch", true, {stmt::kS35P_Sel, "", false, 0, -20001}, 2, "",
       {"Fehler in Fkt. SQLFetchS35P_Sel(). RC: -20001", "Import " + name + " fehlgeschlagen."}},
  };
  ExpectFailures({Fill_MGSST35P, file, Fill_MGSST35P_Upd, "mgsst35p_upd.imp", "A1", "A1", &FirstWrite.mgsst35p}, cases);
}

}  // namespace
}  // namespace terminal_test
