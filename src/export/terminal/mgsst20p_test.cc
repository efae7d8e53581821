// The 20P walk in-process: the record rule when time zones lack intervals,
// the raw statuses of the day-plan and time fetches, every failure with its
// message and the records kept, and the selective writer's file, messages
// and bound control area.
#include "export/terminal/mgsst20p.h"

#include <gtest/gtest.h>

#include <fstream>

#include "export/sql/terminal_statements.h"
#include "export/terminal/terminal_test_fixture.h"
#include "runctl/run_state.h"

namespace fs = std::filesystem;

namespace terminal_test {
namespace {

class Mgsst20PTest : public TerminalTest {
 protected:
  void SetUp() override {
    TerminalTest::SetUp();
    file = out / "mgsst20p.imp";
    OutputPath.Assign(file.string());
  }
  fs::path file;
};

TEST_F(Mgsst20PTest, FullExportWritesTheWeekOfEveryReader) {
  EXPECT_EQ(Fill_MGSST20P(), 0);
  EXPECT_EQ(File(file), Plan20P_All());
  EXPECT_EQ(Log(), (std::vector<std::string>{"Importdatei: " + file.string() + " fuellen...",
                                             "Import " + file.string() + " fertig."}));
}

TEST_F(Mgsst20PTest, TimeZonesWithoutIntervalsGiveNoRecordAndNoBlankRecord) {
  // Zone 11 delivers no interval at all: T2 01, whose only zone it is, then
  // has nothing on Monday to Saturday (its Sunday stays blank, having no
  // zone); T1 01 keeps zone 12 on working days.
  AddFault({stmt::kS20PUhrZeit, "11", false, -1, sql::kNoData});
  EXPECT_EQ(Fill_MGSST20P(), 0);
  std::string t1_01;
  for (int day = 1; day <= 5; ++day) {
    t1_01 += Record20P("T1", "01", day, "12", "1900", "2000") + Record20P("T1", "01", day, "12", "2101", "2159");
  }
  t1_01 += Record20P("T1", "01", 7, "", "", "");
  EXPECT_EQ(File(file), t1_01 + Plan20P_T1_02() + Record20P("T2", "01", 7, "", "", ""));
}

// One failure of the walk: where, what the file keeps, what is logged.
struct WalkFault {
  const char* name;
  Fault fault;
  int result;
  std::string file;               // the records kept
  std::vector<std::string> log;   // after "Importdatei: ... fuellen..."; "$" stands for the file name
};

TEST_F(Mgsst20PTest, EveryFailureEndsTheWalkWithItsMessage) {
  const std::string first_two =
      Record20P("T1", "01", 1, "11", "0600", "1200") + Record20P("T1", "01", 1, "11", "1230", "1800");
  const std::string first_four = first_two + Record20P("T1", "01", 1, "12", "1900", "2000") +
                                 Record20P("T1", "01", 1, "12", "2101", "2159");
  const WalkFault cases[] = {
      {"outer open", {stmt::kS20P, "", true, -1, -942}, 2, "", {"Fehler in Fkt. SQLOpenS20P(). RC: -942"}},
      {"outer fetch out of sequence ends the rows", {stmt::kS20P, "", false, 0, -1002}, 0, "",
       {"Import $ fertig."}},
      {"outer fetch", {stmt::kS20P, "", false, 1, -20001}, 2, first_four,
       {"Fehler in Fkt. SQLFetchS20P(). RC: -20001", "Import $ fehlgeschlagen."}},
      {"day-plan open", {stmt::kS20PTagesPlan, "", true, -1, -942}, 2, "",
       {"Fehler in Fkt. SQLOpenS20PTagesPlan(). RC: -942", "Import $ fehlgeschlagen."}},
      {"day-plan fetch, raw -1002", {stmt::kS20PTagesPlan, "", false, 2, -1002}, 2, first_four,
       {"Fehler in Fkt. SQLFetchS20PTagesPlan(). RC: -1002", "Import $ fehlgeschlagen."}},
      {"day-plan fetch, raw -1405", {stmt::kS20PTagesPlan, "", false, 0, -1405}, 2, "",
       {"Fehler in Fkt. SQLFetchS20PTagesPlan(). RC: -1405", "Import $ fehlgeschlagen."}},
      {"time open", {stmt::kS20PUhrZeit, "", true, -1, -942}, 2, "",
       {"Fehler in Fkt. SQLOpenS20PUhrZeit(). RC: -942", "Import $ fehlgeschlagen."}},
      {"time fetch after two records", {stmt::kS20PUhrZeit, "", false, 3, -20001}, 2, first_two,
       {"Fehler in Fkt. SQLFetchS20PUhrZeit(). RC: -20001", "Import $ fehlgeschlagen."}},
      {"time fetch, raw -1002", {stmt::kS20PUhrZeit, "", false, 2, -1002}, 2, first_two,
       {"Fehler in Fkt. SQLFetchS20PUhrZeit(). RC: -1002", "Import $ fehlgeschlagen."}},
  };
  for (const WalkFault& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(root / "sstrxk.log");
    backend->faults = {c.fault};
    EXPECT_EQ(Fill_MGSST20P(), c.result);
    EXPECT_EQ(File(file), c.file);
    std::vector<std::string> expected{"Importdatei: " + file.string() + " fuellen..."};
    for (std::string line : c.log) {
      if (std::size_t at = line.find('$'); at != std::string::npos) line.replace(at, 1, file.string());
      expected.push_back(line);
    }
    EXPECT_EQ(Log(), expected);
    EXPECT_EQ(OutputFile, nullptr);
  }
}

TEST_F(Mgsst20PTest, SelectiveWriterReplacesFirstThenAppends) {
  OutputPath.Assign(out.string());
  fs::path upd = Upd("mgsst20p_upd.imp");
  { std::ofstream(upd, std::ios::binary) << "from an earlier run\r\n"; }
  EXPECT_EQ(Fill_MGSST20P_Upd("A2"), 0);
  EXPECT_EQ(File(upd), Plan20P_A2());
  EXPECT_FALSE(FirstWrite.mgsst20p);
  EXPECT_EQ(Fill_MGSST20P_Upd("A1"), 0);
  EXPECT_EQ(Fill_MGSST20P_Upd("A8"), 0);  // retired area: nothing
  EXPECT_EQ(File(upd), Plan20P_A2() + Plan20P_A1());
  // Without DebugFlag only the final messages; the name has two separators.
  std::string name = out.string() + "//mgsst20p_upd.imp";
  EXPECT_EQ(Log(), std::vector<std::string>(3, "Import " + name + " fertig."));
}

TEST_F(Mgsst20PTest, SelectiveWriterLogsTheControlAreaOnlyWithDebugFlag) {
  OutputPath.Assign(out.string());
  DebugFlag = 1;
  EXPECT_EQ(Fill_MGSST20P_Upd("A2"), 0);
  std::string name = out.string() + "//mgsst20p_upd.imp";
  EXPECT_EQ(env.console, "Importdatei: " + name + " fuellen: Kontrollbereich: A2\n" + "Import " + name +
                             " fertig.\n");
}

TEST_F(Mgsst20PTest, SelectiveWriterFailures) {
  std::string name = out.string() + "//mgsst20p_upd.imp";
  // The update file cannot be opened: the message ends with a full stop,
  // and the flag stays set, so the next successful call still replaces.
  OutputPath.Assign((root / "missing").string());
  EXPECT_EQ(Fill_MGSST20P_Upd("A2"), 1);
  EXPECT_EQ(Log().back(), "Oeffnen der Datei " + (root / "missing").string() + "//mgsst20p_upd.imp fehlgeschlagen.");
  EXPECT_TRUE(FirstWrite.mgsst20p);

  OutputPath.Assign(out.string());
  { std::ofstream(Upd("mgsst20p_upd.imp"), std::ios::binary) << "old\r\n"; }
  AddFault({stmt::kS20P_Sel, "", true, -1, -942});
  EXPECT_EQ(Fill_MGSST20P_Upd("A2"), 2);
  EXPECT_EQ(Log().back(), "Fehler in Fkt. SQLOpenS20P_Sel(). RC: -942");  // no final message
  EXPECT_EQ(File(Upd("mgsst20p_upd.imp")), "");                         // replaced, then nothing
  EXPECT_EQ(OutputFile, nullptr);

  backend->faults = {{stmt::kS20P_Sel, "", false, 1, -20001}};
  EXPECT_EQ(Fill_MGSST20P_Upd("A1"), 2);
  EXPECT_EQ(File(Upd("mgsst20p_upd.imp")), Plan20P_T1_01().substr(0, 4 * 274));  // Monday of T1 01
  std::vector<std::string> log = Log();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "Fehler in Fkt. SQLFetchS20P_Sel(). RC: -20001");
  EXPECT_EQ(log.back(), "Import " + name + " fehlgeschlagen.");
}

TEST_F(Mgsst20PTest, ControlAreaIsBoundNotPastedIntoTheStatement) {
  OutputPath.Assign(out.string());
  EXPECT_EQ(Fill_MGSST20P_Upd("A1' OR 'x'='x"), 0);
  EXPECT_EQ(File(Upd("mgsst20p_upd.imp")), "");
  ASSERT_FALSE(backend->opened.empty());
  EXPECT_EQ(backend->opened[0].first, stmt::kS20P_Sel);
  EXPECT_EQ(backend->opened[0].second, std::vector<std::string>{"A1' OR 'x'='x"});
}

}  // namespace
}  // namespace terminal_test
