// The selective export by download key end to end: the built sstrxk against
// the sample database with the terminal test data and download queues; the
// five update files compared byte for byte (the badge master file by its
// badge numbers), the log, and run control's attempts, in-process with
// recorded waits.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "base/fake_env.h"
#include "db/embedded/fixed_date_for_test.h"
#include "export/terminal/selektiv.h"
#include "export/terminal/terminal_test_data.h"
#include "install_tree.h"
#include "runctl/run_control.h"
#include "runctl/run_state.h"
#include "sql_script.h"

namespace fs = std::filesystem;
using namespace terminal_test;

namespace {

const char* const kUpdFiles[] = {"idstamm_upd.imp", "aswbkl_upd.imp", "mgsst20p_upd.imp", "mgsst35p_upd.imp",
                                 "mgsst41p_upd.imp"};

// The badge numbers (columns 1-50) of the records of a badge master file.
std::vector<std::string> Badges(const std::string& file) {
  std::vector<std::string> badges;
  for (std::size_t pos = 0; pos + 2 <= file.size();) {
    std::size_t end = file.find("\r\n", pos);
    if (end == std::string::npos) break;
    std::string badge = file.substr(pos, 50);
    badges.push_back(badge.substr(0, badge.find(' ')));
    pos = end + 2;
  }
  return badges;
}

class SelectiveE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.WriteStandardConfig();
    std::string error;
    ASSERT_TRUE(BuildSampleDatabase(SSTRXK_SAMPLE_DIR, tree.db(), &error)) << error;
    tree.RunSql("VLSYSTEM", std::string(kPlanData) + kSelectiveData);
    dir = tree.root() / "transfer";
    fs::create_directories(dir);
  }

  std::string Upd(const char* name) const { return tree.ReadFile(dir / name); }
  std::string Name(const char* file) const { return dir.string() + "//" + file; }

  // The messages of one queue row whose badge reaches `areas`.
  std::vector<std::string> RowMessages(const std::string& badge, const std::vector<std::string>& areas,
                                       bool debug) const {
    std::vector<std::string> m{"Importdatei: " + Name("idstamm_upd.imp") + " fuellen  Ausweisnummer: " + badge,
                               "Import " + Name("idstamm_upd.imp") + " fertig.",
                               "Importdatei : " + Name("aswbkl_upd.imp") + " fuellen...",
                               "Import " + Name("aswbkl_upd.imp") + " fertig."};
    for (const std::string& area : areas) {
      for (const char* file : {"mgsst20p_upd.imp", "mgsst35p_upd.imp", "mgsst41p_upd.imp"}) {
        bool always = std::string(file) == "mgsst35p_upd.imp";
        if (always || debug) m.push_back("Importdatei: " + Name(file) + " fuellen: Kontrollbereich: " + area);
        m.push_back("Import " + Name(file) + " fertig.");
      }
    }
    return m;
  }

  // The files of a whole run for SELKEY00000001: 10000001 (classes C3 and
  // C5: areas A1, A2), then 20000001 (C2: A1), in sequence order.
  void ExpectFilesOfKey1() const {
    EXPECT_EQ(Badges(Upd("idstamm_upd.imp")), (std::vector<std::string>{"10000001", "20000001"}));
    EXPECT_EQ(Upd("aswbkl_upd.imp"), RecordBkl("10000001", "C3", "00001", "1", "0") +
                                         RecordBkl("10000001", "C5", "00001", "1", "1") +
                                         RecordBkl("20000001", "C2", "00001", "2", "1"));
    EXPECT_EQ(Upd("mgsst20p_upd.imp"), Plan20P_A1() + Plan20P_A2() + Plan20P_A1());
    EXPECT_EQ(Upd("mgsst35p_upd.imp"), Plan35P_A1() + Plan35P_A2() + Plan35P_A1());
    EXPECT_EQ(Upd("mgsst41p_upd.imp"), Plan41P_A1() + Plan41P_A2() + Plan41P_A1());
  }

  InstallTree tree;
  fs::path dir;
};

TEST_F(SelectiveE2E, QueueRowsAreExportedInSequenceOrder) {
  for (const char* name : kUpdFiles) std::ofstream(dir / name, std::ios::binary) << "from an earlier run\r\n";
  ProcessResult r = tree.Run({dir.string(), "selkey00000001"});  // the key arrives upper-cased
  EXPECT_EQ(r.exit_code, 0);
  ExpectFilesOfKey1();
  std::vector<std::string> expected = RowMessages("10000001", {"A1", "A2"}, false);
  for (const std::string& m : RowMessages("20000001", {"A1"}, false)) expected.push_back(m);
  expected.push_back("Selektiver Import fertig.");
  expected.push_back("Die Schnittstellendatei vom Dateityp 'SELKEY00000001' wurde erstellt!");
  EXPECT_EQ(tree.LogMessages(), expected);
}

TEST_F(SelectiveE2E, DebugFlagAddsTheControlAreaLinesOf20PAnd41P) {
  ProcessResult r = tree.Run({dir.string(), "SELKEY00000001", "/D"});
  EXPECT_EQ(r.exit_code, 0);
  ExpectFilesOfKey1();
  std::string expected;
  for (const std::string& m : RowMessages("10000001", {"A1", "A2"}, true)) expected += m + "\n";
  for (const std::string& m : RowMessages("20000001", {"A1"}, true)) expected += m + "\n";
  expected += "Selektiver Import fertig.\nDie Schnittstellendatei vom Dateityp 'SELKEY00000001' wurde erstellt!\n";
  EXPECT_EQ(r.out, expected);
  EXPECT_FALSE(fs::exists(tree.log_file()));
}

TEST_F(SelectiveE2E, BadgeWithoutValidClassTouchesOnlyTheFirstTwoFiles) {
  for (const char* name : kUpdFiles) std::ofstream(dir / name, std::ios::binary) << "from an earlier run\r\n";
  EXPECT_EQ(tree.Run({dir.string(), "SELKEY00000002"}).exit_code, 0);
  EXPECT_EQ(Badges(Upd("idstamm_upd.imp")), std::vector<std::string>{"10000003"});
  EXPECT_EQ(Upd("aswbkl_upd.imp"), "");
  for (const char* name : {"mgsst20p_upd.imp", "mgsst35p_upd.imp", "mgsst41p_upd.imp"}) {
    EXPECT_EQ(Upd(name), "from an earlier run\r\n") << name;
  }
}

TEST_F(SelectiveE2E, ClientNotFoundEndsTheExportWithoutFailure) {
  // Sequence 1: 10000001 of client 1; 2: client 9, which does not exist;
  // 3: 20000001 of client 2, not exported.
  EXPECT_EQ(tree.Run({dir.string(), "SELKEY00000003"}).exit_code, 0);
  EXPECT_EQ(Badges(Upd("idstamm_upd.imp")), std::vector<std::string>{"10000001"});
  EXPECT_EQ(Upd("aswbkl_upd.imp"),
            RecordBkl("10000001", "C3", "00001", "1", "0") + RecordBkl("10000001", "C5", "00001", "1", "1"));
  EXPECT_EQ(Upd("mgsst20p_upd.imp"), Plan20P_A1() + Plan20P_A2());
  EXPECT_EQ(Upd("mgsst35p_upd.imp"), Plan35P_A1() + Plan35P_A2());
  EXPECT_EQ(Upd("mgsst41p_upd.imp"), Plan41P_A1() + Plan41P_A2());
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "Selektiver Import fertig.");
  EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'SELKEY00000003' wurde erstellt!");
}

TEST_F(SelectiveE2E, KeyWithoutQueueRowsCreatesNoFile) {
  EXPECT_EQ(tree.Run({dir.string(), "NOROWS00000001"}).exit_code, 0);
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_EQ(tree.LogMessages(), (std::vector<std::string>{
                                    "Selektiver Import fertig.",
                                    "Die Schnittstellendatei vom Dateityp 'NOROWS00000001' wurde erstellt!"}));
}

TEST_F(SelectiveE2E, KeyBeginningWithATypeCodeRunsThatType) {
  // BKLSEL00000001 has a queue row, but its first three characters are BKL.
  fs::path out = dir / "bkl.imp";
  EXPECT_EQ(tree.Run({out.string(), "BKLSEL00000001"}).exit_code, 0);
  EXPECT_EQ(tree.ReadFile(out), RecordBkl("10000001", "C3", "00001", "1", "0") +
                                    RecordBkl("10000001", "C5", "00001", "1", "1") +
                                    RecordBkl("20000001", "C2", "00001", "2", "1") + BklAll());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  EXPECT_EQ(tree.LogMessages().back(), "Die Schnittstellendatei vom Dateityp 'BKLSEL00000001' wurde erstellt!");
}

TEST_F(SelectiveE2E, QuotedKeySelectsOnlyTheRowsWithExactlyThatKey) {
  // Pasted into the statement, this key would select the whole queue.
  const std::string key = "XY' OR 'A'<>'B";
  ASSERT_EQ(key.size(), 14u);
  EXPECT_EQ(tree.Run({dir.string(), key}).exit_code, 0);
  EXPECT_EQ(Badges(Upd("idstamm_upd.imp")), std::vector<std::string>{"20000001"});
  EXPECT_EQ(Upd("aswbkl_upd.imp"), RecordBkl("20000001", "C2", "00001", "2", "1"));
  EXPECT_EQ(Upd("mgsst20p_upd.imp"), Plan20P_A1());
  EXPECT_EQ(tree.LogMessages().back(), "Die Schnittstellendatei vom Dateityp '" + key + "' wurde erstellt!");
}

TEST_F(SelectiveE2E, WriterFailingPartWayIsRetriedAndEveryAttemptRewritesTheFiles) {
  // mgsst35p_upd.imp is a directory that cannot be replaced: the 35P writer
  // returns 1 for area A1 of the first badge, every attempt.
  fs::create_directories(dir / "mgsst35p_upd.imp" / "keep");
  EXPECT_EQ(tree.RunInProcess({dir.string(), "SELKEY00000001"}), 99);
  EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));  // result 1: no reconnect
  std::vector<std::string> log = tree.LogMessages();
  EXPECT_EQ(std::count(log.begin(), log.end(), "Fehler in Fill_MGSST35P_Upd(). RC: 1"), 5);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Selektiver Import fehlgeschlagen."), 5);
  EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'SELKEY00000001' konnte nicht erstellt werden!");
  // What the last attempt wrote, once: the first badge and A1's 20P records;
  // no 41P writer was called, the second badge was not reached.
  EXPECT_EQ(Badges(Upd("idstamm_upd.imp")), std::vector<std::string>{"10000001"});
  EXPECT_EQ(Upd("aswbkl_upd.imp"),
            RecordBkl("10000001", "C3", "00001", "1", "0") + RecordBkl("10000001", "C5", "00001", "1", "1"));
  EXPECT_EQ(Upd("mgsst20p_upd.imp"), Plan20P_A1());
  EXPECT_FALSE(fs::exists(dir / "mgsst41p_upd.imp"));
}

TEST_F(SelectiveE2E, DatabaseErrorInAWriterReconnectsBeforeTheNextAttempt) {
  tree.RunSql("VLSYSTEM", "DROP TABLE VLS402ZUZ;");  // the 20P writer's cursor cannot open
  EXPECT_EQ(tree.RunInProcess({dir.string(), "SELKEY00000001"}), 99);
  std::vector<std::string> log = tree.LogMessages();
  EXPECT_EQ(std::count(log.begin(), log.end(), "Fehler in Fkt. SQLOpenS20P_Sel(). RC: -942"), 5);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Fehler in Fill_MGSST20P_Upd(). RC: 2"), 5);
  EXPECT_NE(std::find(log.begin(), log.end(), "1. Versuch zur Wiederherstellung der Datenbankverbindung!"),
            log.end());
  EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));
  EXPECT_EQ(Badges(Upd("idstamm_upd.imp")), std::vector<std::string>{"10000001"});
  EXPECT_EQ(Upd("mgsst20p_upd.imp"), "");
}

// A selective export whose first attempt fails: the blocking directory is
// taken away after the first call, as a site's operator might.
fs::path g_blocker;
int g_calls = 0;
int SelectiveUnblockedAfterFirstCall(const char* key) {
  int result = Fill_Selektiv(key);
  if (++g_calls == 1) fs::remove_all(g_blocker);
  return result;
}

TEST_F(SelectiveE2E, RetryAfterAFailedAttemptLeavesTheFilesOfOneWholeRun) {
  g_blocker = dir / "mgsst41p_upd.imp";
  g_calls = 0;
  fs::create_directories(g_blocker / "keep");
  static const JobEntry kNoJobs[] = {{"MND", nullptr}};
  const DispatchTable table{kNoJobs, SelectiveUnblockedAfterFirstCall};

  FakeEnv env;  // records the wait instead of sleeping it
  embedded::ScopedFixedDate date(kFixedDate);
  ResetRunState();
  fs::path previous = fs::current_path();
  fs::current_path(tree.work());
  const std::string out = dir.string();
  const char* argv[] = {"sstrxk", out.c_str(), "SELKEY00000001"};
  int code = RunProgram(3, argv, table);
  fs::current_path(previous);
  ResetRunState();

  EXPECT_EQ(code, 0);
  EXPECT_EQ(g_calls, 2);
  EXPECT_EQ(env.sleeps, std::vector<long>{10000});
  ExpectFilesOfKey1();  // the first attempt's records are gone
  std::vector<std::string> log = tree.LogMessages();
  EXPECT_EQ(std::count(log.begin(), log.end(), "Fehler in Fill_MGSST41P_Upd(). RC: 1"), 1);
  EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'SELKEY00000001' wurde erstellt!");
}

}  // namespace
