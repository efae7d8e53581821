// Run control with fake jobs, a fake database connector and a fake sleeper:
// the attempts loop, reconnects, exit codes and final messages.
#include "runctl/run_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/fake_env.h"
#include "db/fake_backend.h"
#include "db/sql_runtime.h"
#include "runctl/run_state.h"

namespace {

// What the fake jobs return, attempt by attempt, and what they were given.
std::vector<int> g_results;
int g_calls = 0;
std::string g_key;

int FakeJob() {
  int result = g_results.empty() ? 0 : g_results[std::min<std::size_t>(g_calls, g_results.size() - 1)];
  ++g_calls;
  return result;
}

int FakeSelective(const char* key) {
  g_key = key;
  return FakeJob();
}

int OtherJob() {
  g_key = "other";
  return 0;
}

constexpr JobEntry kJobs[] = {{"20P", OtherJob}, {"MND", FakeJob}, {"IDN", nullptr}};
const DispatchTable kTable{kJobs, FakeSelective};
const DispatchTable kTableWithoutSelective{kJobs, nullptr};

class RunControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRunState();
    g_results.clear();
    g_calls = 0;
    g_key.clear();
    sql::SetConnectorForTesting([this](std::string_view, std::unique_ptr<sql::Backend>& out) -> long {
      ++connects;
      if (connects > good_connects) return sql::kDatabaseNotFound;
      out = std::make_unique<sql::FakeBackend>();
      return sql::kOk;
    });
  }
  void TearDown() override {
    sql::SetConnectorForTesting(nullptr);
    ResetRunState();
  }

  int Run(std::vector<const char*> args) {
    args.insert(args.begin(), "sstrxk");
    return RunProgram(static_cast<int>(args.size()), args.data(), kTable);
  }

  bool Logged(const std::string& line) const { return env.console.find(line + "\n") != std::string::npos; }

  FakeEnv env;
  int connects = 0;
  int good_connects = 1000;
};

TEST_F(RunControlTest, FileNotOpenedFiveTimesWaitsFourTimesWithoutReconnect) {
  g_results = {1};
  EXPECT_EQ(Run({"out.imp", "mnd", "/D"}), kExitNotWritten);
  EXPECT_EQ(g_calls, 5);
  EXPECT_EQ(env.sleeps, std::vector<long>(4, 10000));
  EXPECT_EQ(connects, 1);
  EXPECT_TRUE(Logged("Die Schnittstellendatei vom Dateityp 'MND' konnte nicht erstellt werden!"));
}

TEST_F(RunControlTest, DatabaseErrorsWithReconnectsThenSuccess) {
  g_results = {2, 2, 2, 2, 0};
  EXPECT_EQ(Run({"out.imp", "Mnd", "/d"}), kExitDone);
  EXPECT_EQ(g_calls, 5);
  EXPECT_EQ(connects, 5);  // the start plus four reconnects
  EXPECT_EQ(env.sleeps, std::vector<long>(4, 10000));
  EXPECT_TRUE(Logged("1. Versuch zur Wiederherstellung der Datenbankverbindung!"));
  EXPECT_TRUE(Logged("Die Schnittstellendatei vom Dateityp 'MND' wurde erstellt!"));
}

TEST_F(RunControlTest, DatabaseErrorOnTheLastAttemptDoesNotReconnect) {
  g_results = {1, 1, 1, 1, 2};
  EXPECT_EQ(Run({"out.imp", "MND", "/D"}), kExitNotWritten);
  EXPECT_EQ(connects, 1);
  EXPECT_EQ(env.sleeps.size(), 4u);
  EXPECT_TRUE(Logged("Die Schnittstellendatei vom Dateityp 'MND' konnte nicht erstellt werden!"));
}

TEST_F(RunControlTest, FailedReconnectEndsTheRun) {
  g_results = {2};
  good_connects = 1;
  EXPECT_EQ(Run({"out.imp", "MND", "/D"}), kExitNotWritten);
  EXPECT_EQ(g_calls, 1);
  EXPECT_EQ(env.sleeps, std::vector<long>(5, 60000));  // five reconnect tries, no attempt wait
  EXPECT_TRUE(Logged(
      "Die Schnittstellendatei vom Dateityp 'MND' konnte auf Grund von DB-Verbindungproblemen nicht erstellt "
      "werden."));
}

TEST_F(RunControlTest, UnreachableDatabaseAtStartEndsWith99) {
  good_connects = 0;
  EXPECT_EQ(Run({"out.imp", "MND", "/D"}), kExitNotWritten);
  EXPECT_EQ(g_calls, 0);
  EXPECT_EQ(connects, 6);
  EXPECT_TRUE(Logged("Datenbankverbindung fehlgeschlagen, Fehler: -12154"));
  EXPECT_TRUE(Logged("Fehler dbConnect(dbReconnect)! RC: -12154 Versuch-Nr.: 5"));
}

TEST_F(RunControlTest, InvalidTypeAfterTheSessionWasOpened) {
  struct Case {
    const char* type;
    const char* shown;
  } cases[] = {{"xyz", "XYZ"}, {"ABCDEFGHIJKLM", "ABCDEFGHIJKLM"}, {"idn", "IDN"}};
  for (const Case& c : cases) {
    env.console.clear();
    connects = 0;
    EXPECT_EQ(Run({"out.imp", c.type, "/D"}), kExitInvalid) << c.type;
    EXPECT_EQ(connects, 1);
    EXPECT_EQ(env.console, std::string("Error: Dateityp '") + c.shown + "' ungueltig !\n");
    EXPECT_EQ(g_calls, 0);
  }
}

TEST_F(RunControlTest, TypeCodeIsUpperCasedAndCutTo14) {
  EXPECT_EQ(Run({"out.imp", "mndstamm", "/D"}), kExitDone);
  EXPECT_TRUE(Logged("Die Schnittstellendatei vom Dateityp 'MNDSTAMM' wurde erstellt!"));
  EXPECT_EQ(OutputPath.view(), "out.imp");
  EXPECT_EQ(CurrentSchema.view(), "VELORIUM");

  EXPECT_EQ(Run({"dir", "abcdefghijklmnopq", "/D"}), kExitDone);
  EXPECT_EQ(g_key, "ABCDEFGHIJKLMN");  // the selective export gets the key
  EXPECT_EQ(Run({"dir", "20p-abcdefghijk", "/D"}), kExitDone);
  EXPECT_EQ(g_key, "other");  // a 14-character key beginning with a code runs that code
  EXPECT_EQ(Run({"dir", "\xE4xyzabcdefghij", "/D"}), kExitDone);
  EXPECT_EQ(g_key, "\xE4XYZABCDEFGHIJ");  // only a to z change
}

TEST_F(RunControlTest, SelectiveExportNotBuiltEndsLikeAnInvalidType) {
  const char* argv[] = {"sstrxk", "dir", "ABCDEFGHIJKLMN", "/D"};
  EXPECT_EQ(RunProgram(4, argv, kTableWithoutSelective), kExitInvalid);
  EXPECT_TRUE(Logged("Error: Dateityp 'ABCDEFGHIJKLMN' ungueltig !"));
}

TEST_F(RunControlTest, DebugFlagOnlyAsExactlyTheThirdArgument) {
  EXPECT_EQ(Run({"out.imp", "MND", "/D", "extra"}), kExitDone);
  EXPECT_EQ(DebugFlag, 0);
  EXPECT_EQ(env.console, "");  // went to the (missing) log file instead
  EXPECT_EQ(Run({"out.imp", "MND", "/X"}), kExitDone);
  EXPECT_EQ(DebugFlag, 0);
}

TEST_F(RunControlTest, IncompleteCommandLinePrintsUsageWithoutDatabase) {
  EXPECT_EQ(Run({}), kExitInvalid);
  EXPECT_EQ(Run({"out.imp"}), kExitInvalid);
  EXPECT_EQ(connects, 0);
  EXPECT_EQ(g_calls, 0);
  EXPECT_NE(env.console.find("Befehlsformat: \n"), std::string::npos);
}

TEST_F(RunControlTest, OverlongFileNameIsRefusedNotCut) {
  std::string name(200, 'f');
  EXPECT_EQ(Run({name.c_str(), "MND", "/D"}), kExitInvalid);
  EXPECT_EQ(connects, 0);
  EXPECT_EQ(g_calls, 0);
  std::string fits(199, 'f');
  EXPECT_EQ(Run({fits.c_str(), "MND", "/D"}), kExitDone);
  EXPECT_EQ(OutputPath.view(), fits);
}

}  // namespace
