// The BKL export in-process: the selective writer's file and class list,
// the fetch's own status rule, a class too long for the list, an
// allocation failure of the list, and the failures of both entry points.
#include "export/terminal/aswbkl.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "export/sql/terminal_statements.h"
#include "export/terminal/allocation_failure_for_test.h"
#include "export/terminal/terminal_test_fixture.h"
#include "runctl/run_state.h"

namespace fs = std::filesystem;

namespace terminal_test {
namespace {

using AswBklTest = TerminalTest;

std::vector<std::string> Classes() {
  std::vector<std::string> classes;
  for (const AswBklRow& row : AswBklList) classes.push_back(row.BKLASW.str() + "/" + row.BKLBKL.str());
  return classes;
}

TEST_F(AswBklTest, SelectiveWriterWritesAndListsTheBadgesClassesValidToday) {
  { std::ofstream(Upd("aswbkl_upd.imp"), std::ios::binary) << "from an earlier run\r\n"; }
  std::string name = out.string() + "//aswbkl_upd.imp";
  EXPECT_EQ(Fill_AswBklUpd("10000001"), 0);
  EXPECT_EQ(Classes(), (std::vector<std::string>{"10000001/C3", "10000001/C5"}));
  EXPECT_EQ(AswBklList[1].BKLLIZ.str() + AswBklList[1].BKLMND.str() + AswBklList[1].BKLSTM.str(), "0000111");

  // A badge whose one class ended yesterday: no line, an empty list, and
  // the file is opened for appending all the same.
  EXPECT_EQ(Fill_AswBklUpd("10000003"), 0);
  EXPECT_TRUE(AswBklList.empty());
  EXPECT_EQ(Fill_AswBklUpd("20000001"), 0);
  EXPECT_EQ(Classes(), std::vector<std::string>{"20000001/C2"});

  EXPECT_EQ(File(Upd("aswbkl_upd.imp")),
            RecordBkl("10000001", "C3", "00001", "1", "0") + RecordBkl("10000001", "C5", "00001", "1", "1") +
                RecordBkl("20000001", "C2", "00001", "2", "1"));
  std::vector<std::string> expected;
  for (int i = 0; i < 3; ++i) {
    expected.push_back("Importdatei : " + name + " fuellen...");
    expected.push_back("Import " + name + " fertig.");
  }
  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(backend->opened.back().second, std::vector<std::string>{"20000001"});
}

TEST_F(AswBklTest, BadgeNumberIsBound) {
  EXPECT_EQ(Fill_AswBklUpd("B1' OR 'x'='x"), 0);
  EXPECT_TRUE(AswBklList.empty());
  EXPECT_EQ(File(Upd("aswbkl_upd.imp")), "");
}

TEST_F(AswBklTest, Failures) {
  fs::path file = out / "bkl.imp";
  std::string name = out.string() + "//aswbkl_upd.imp";
  const std::string b1 = RecordBkl("10000001", "C3", "00001", "1", "0");
  const std::vector<FailureCase> cases = {
      {"full, open", false, {stmt::kAswBkl, "", true, -1, -942}, 2, "", {"Fehler in Fkt. SQLOpenAswBkl(). RC: -942"}, {}},
      {"full, -1405 is no row here", false, {stmt::kAswBkl, "", false, 1, -1405}, 2, b1,
       {"Fehler in Fkt. SQLFetchAswBkl(). RC: -1405", "Import " + file.string() + " fehlgeschlagen."}, {}},
      {"full, fetch out of sequence ends the rows", false, {stmt::kAswBkl, "", false, 1, -1002}, 0, b1,
       {"Import " + file.string() + " fertig."}, {}},
      {"selective, open", true, {stmt::kAswBkl_Sel, "", true, -1, -942}, 2, "",
       {"Fehler in Fkt. SQLOpenAswBkl_Sel(). RC: -942"}, {}},
      {"selective, fetch after one row", true, {stmt::kAswBkl_Sel, "", false, 1, -20001}, 2, b1,
       {"Fehler in Fkt. SQLFetchAswBkl_Sel(). RC: -20001", "Import " + name + " fehlgeschlagen."}, {"10000001/C3"}},
      {"selective, -1405 is no row here", true, {stmt::kAswBkl_Sel, "", false, 0, -1405}, 2, "",
       {"Fehler in Fkt. SQLFetchAswBkl_Sel(). RC: -1405", "Import " + name + " fehlgeschlagen."}, {}},
  };
  ExpectFailures(
      {Fill_AswBkl, file, Fill_AswBklUpd, "aswbkl_upd.imp", "10000001", "10000001", &FirstWrite.aswbkl, Classes},
      cases);
}

TEST_F(AswBklTest, ClassTooLongIsAnErrorForTheListButFitsTheFullFile) {
  Sql("VLSYSTEM",
      "INSERT INTO VLS301BKL VALUES ('10000009', 'CLASS6', '00001', '1', '1', unixepoch('2024-01-01')/86400.0, NULL);");
  EXPECT_EQ(Fill_AswBklUpd("10000009"), 2);
  EXPECT_TRUE(AswBklList.empty());
  std::vector<std::string> log = Log();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "Fehler in Fkt. SQLFetchAswBkl_Sel(). RC: -1406");

  fs::path file = out / "bkl.imp";
  OutputPath.Assign(file.string());
  EXPECT_EQ(Fill_AswBkl(), 0);
  EXPECT_NE(File(file).find(RecordBkl("10000009", "CLASS", "00001", "1", "1")), std::string::npos);
}

TEST_F(AswBklTest, ListThatCannotGrowGivesResultThreeAndAnEmptyList) {
  Sql("VLSYSTEM",
      "INSERT INTO VLS301BKL "
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
      "SELECT 'MANY', printf('K%04d', i), '00001', '1', '1', unixepoch('2024-01-01')/86400.0, NULL FROM n;");
  int result = 0;
  {
    ScopedAllocationFailure fail(64 * 1024);  // far more than the other allocations, far less than 1000 rows
    result = Fill_AswBklUpd("MANY");
  }
  EXPECT_EQ(result, 3);
  EXPECT_TRUE(AswBklList.empty());
  EXPECT_EQ(OutputFile, nullptr);
  EXPECT_EQ(Log().back(), "Fehler Speicherallokierung in Fill_AswBklUpd()!");  // no final message
  // The lines written before stay: complete, in class order.
  std::string file = File(Upd("aswbkl_upd.imp"));
  std::size_t lines = file.size() / 69;
  EXPECT_EQ(file.size() % 69, 0u);
  EXPECT_GT(lines, 0u);
  EXPECT_LT(lines, 1000u);
  EXPECT_EQ(file.substr(0, 69), RecordBkl("MANY", "K0001", "00001", "1", "1"));
  char last[6];
  std::snprintf(last, sizeof last, "K%04zu", lines);
  EXPECT_EQ(file.substr(file.size() - 69), RecordBkl("MANY", last, "00001", "1", "1"));

  // The cursor was closed: the same badge goes through once memory is back.
  EXPECT_EQ(Fill_AswBklUpd("MANY"), 0);
  EXPECT_EQ(AswBklList.size(), 1000u);
}

}  // namespace
}  // namespace terminal_test
