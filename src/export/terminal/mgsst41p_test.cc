// The 41P export in-process: the selective writer's file and messages, and
// the failures of both entry points.
#include "export/terminal/mgsst41p.h"

#include <gtest/gtest.h>

#include <fstream>

#include "export/sql/terminal_statements.h"
#include "export/terminal/terminal_test_fixture.h"
#include "runctl/run_state.h"

namespace fs = std::filesystem;

namespace terminal_test {
namespace {

using Mgsst41PTest = TerminalTest;

TEST_F(Mgsst41PTest, SelectiveWriterReplacesFirstThenAppendsAndLogsTheAreaOnlyWithDebugFlag) {
  { std::ofstream(Upd("mgsst41p_upd.imp"), std::ios::binary) << "from an earlier run\r\n"; }
  std::string name = out.string() + "//mgsst41p_upd.imp";
  EXPECT_EQ(Fill_MGSST41P_Upd("A2"), 0);
  EXPECT_EQ(Log(), std::vector<std::string>{"Import " + name + " fertig."});
  DebugFlag = 1;
  EXPECT_EQ(Fill_MGSST41P_Upd("A1"), 0);
  EXPECT_EQ(env.console, "Importdatei: " + name + " fuellen: Kontrollbereich: A1\n" + "Import " + name +
                             " fertig.\n");
  EXPECT_EQ(File(Upd("mgsst41p_upd.imp")), Plan41P_A2() + Plan41P_A1());
}

TEST_F(Mgsst41PTest, Failures) {
  fs::path file = out / "mgsst41p.imp";
  std::string name = out.string() + "//mgsst41p_upd.imp";
  const std::size_t kLine = 280;
  const std::vector<FailureCase> cases = {
      {"full, open", false, {stmt::kS41P, "", true, -1, -942}, 2, "", {"Fehler in Fkt. SQLOpenS41P(). RC: -942"}},
      {"full, fetch after three rows", false, {stmt::kS41P, "", false, 3, -20001}, 2,
       Plan41P_A1().substr(0, 3 * kLine),
       {"Fehler in Fkt. SQLFetchS41P(). RC: -20001", "Import " + file.string() + " fehlgeschlagen."}},
      {"selective, open", true, {stmt::kS41P_Sel, "", true, -1, -942}, 2, "",
       {"Fehler in Fkt. SQLOpenS41P_Sel(). RC: -942"}},
      {"selective, fetch", true, {stmt::kS41P_Sel, "", false, 1, -20001}, 2, Plan41P_A2().substr(0, kLine),
       {"Fehler in Fkt. SQLFetchS41P_Sel(). RC: -20001", "Import " + name + " fehlgeschlagen."}},
      {"selective, fetch out of sequence ends the rows", true, {stmt::kS41P_Sel, "", false, 0, -1002}, 0, "",
       {"Import " + name + " fertig."}},
  };
  ExpectFailures({Fill_MGSST41P, file, Fill_MGSST41P_Upd, "mgsst41p_upd.imp", "A2", "A1", &FirstWrite.mgsst41p}, cases);
}

}  // namespace
}  // namespace terminal_test
