// The per-client frame over a scripted database: client order, schema
// switches, client lines, failures of the client cursor and of a step.
#include "runctl/job_frame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/fake_env.h"
#include "db/db_statements.h"
#include "db/fake_backend.h"
#include "db/sql_runtime.h"
#include "runctl/run_state.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> g_visited;  // "schema/licence/number/site" per step
bool g_fail_at_second = false;

bool RecordingStep() {
  g_visited.push_back(CurrentSchema.str() + "/" + CurrentClient.licence.str() + "/" +
                      CurrentClient.number.str() + "/" + CurrentClient.site.str());
  WriteRecordLine("record of " + CurrentClient.number.str());
  return !(g_fail_at_second && g_visited.size() == 2);
}

class PerClientFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRunState();
    DebugFlag = 1;
    g_visited.clear();
    g_fail_at_second = false;
    path = fs::temp_directory_path() / ("sstrxk_frame_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    OutputPath.Assign(path.string());
    sql::SetConnectorForTesting([this](std::string_view, std::unique_ptr<sql::Backend>& out) -> long {
      auto fake = std::make_unique<sql::FakeBackend>();
      fake->queries[stmt::kVls112Mnd] = clients;
      backend = fake.get();
      out = std::move(fake);
      return sql::kOk;
    });
  }
  void TearDown() override {
    sql::SetConnectorForTesting(nullptr);
    fs::remove(path);
    ResetRunState();
  }

  int Run() {
    EXPECT_EQ(sql::Connect("u/p@fake"), sql::kOk);
    static const PerClientJob kJob{kOpenFailed, kFilling, nullptr, kClientLine, RecordingStep};
    return RunPerClientJob(kJob);
  }

  std::string File() const {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  static std::vector<sql::Value> Client(const char* lic, const char* num, const char* schema, const char* site) {
    return {sql::Value::Text(lic), sql::Value::Text(num), sql::Value::Text(schema), sql::Value::Text(site)};
  }

  FakeEnv env;
  fs::path path;
  sql::FakeQuery clients;
  sql::FakeBackend* backend = nullptr;
};

TEST_F(PerClientFrameTest, VisitsClientsInCursorOrderInTheirSchemas) {
  clients.rows = {Client("00001", "2", "MANDANT2", "42381"), Client("00001", "1", "MANDANT1", "10001")};
  EXPECT_EQ(Run(), kJobDone);
  EXPECT_EQ(g_visited, (std::vector<std::string>{"MANDANT2/00001/2/42381", "MANDANT1/00001/1/10001"}));
  EXPECT_EQ(backend->executed, (std::vector<std::string>{"ALTER SESSION SET CURRENT_SCHEMA=MANDANT2",
                                                         "ALTER SESSION SET CURRENT_SCHEMA=MANDANT1"}));
  EXPECT_EQ(File(), "record of 2\r\nrecord of 1\r\n");
  EXPECT_EQ(env.console, "Importdatei : " + path.string() + " fuellen...\n" +
                             "Schema:MANDANT2 Lizenz:00001 Mandant:2\n" +
                             "Schema:MANDANT1 Lizenz:00001 Mandant:1\n" + "Import " + path.string() + " fertig.\n");
}

TEST_F(PerClientFrameTest, NoClientsGivesAnEmptyFile) {
  EXPECT_EQ(Run(), kJobDone);
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(File(), "");
}

TEST_F(PerClientFrameTest, ClientCursorNotOpenedEndsAtOnce) {
  clients.open_status = sql::kTableNotFound;
  EXPECT_EQ(Run(), kJobDatabaseError);
  EXPECT_EQ(env.console, "Importdatei : " + path.string() + " fuellen...\n" +
                             "Fehler in Fkt. SQLOpenVls112Mnd(). RC: -942\n");
  EXPECT_EQ(File(), "");
}

TEST_F(PerClientFrameTest, FailingStepEndsTheClientLoop) {
  clients.rows = {Client("1", "1", "A", ""), Client("1", "2", "B", ""), Client("1", "3", "C", "")};
  g_fail_at_second = true;
  EXPECT_EQ(Run(), kJobDatabaseError);
  EXPECT_EQ(g_visited.size(), 2u);
  EXPECT_EQ(File(), "record of 1\r\nrecord of 2\r\n");
  EXPECT_NE(env.console.find("Import " + path.string() + " fehlgeschlagen.\n"), std::string::npos);
}

TEST_F(PerClientFrameTest, ClientFetchErrorKeepsEarlierClients) {
  clients.rows = {Client("1", "1", "A", ""), Client("1", "2", "B", "")};
  clients.error_at_row = 1;
  clients.error_status = -20001;
  EXPECT_EQ(Run(), kJobDatabaseError);
  EXPECT_EQ(File(), "record of 1\r\n");
  EXPECT_NE(env.console.find("Fehler in Fkt. SQLFetchVls112Mnd(). RC: -20001\n"), std::string::npos);
}

TEST_F(PerClientFrameTest, ClientValuesTooLongForTheirFieldsAreAnErrorNotCut) {
  struct Case {
    std::vector<sql::Value> row;
  } cases[] = {{Client("123456", "1", "A", "")},
               {Client("1", "123456", "A", "")},
               {Client("1", "1", "ABCDEFGHIJKLMNOPQRSTU", "")},
               {Client("1", "1", "A", "423810")}};
  for (const Case& c : cases) {
    env.console.clear();
    g_visited.clear();
    clients.rows = {c.row};
    EXPECT_EQ(Run(), kJobDatabaseError);
    EXPECT_TRUE(g_visited.empty());
    EXPECT_NE(env.console.find("Fehler in Fkt. SQLFetchVls112Mnd(). RC: -1406\n"), std::string::npos);
  }
  clients.rows = {Client("12345", "12345", "ABCDEFGHIJKLMNOPQRST", "42381")};
  EXPECT_EQ(Run(), kJobDone);
  EXPECT_EQ(g_visited, std::vector<std::string>{"ABCDEFGHIJKLMNOPQRST/12345/12345/42381"});
}

}  // namespace

namespace {

TEST(OutputFiles, ADirectoryOfThatNameIsNeitherRemovedNorWrittenTo) {
  ResetRunState();
  FakeEnv env;
  DebugFlag = 1;
  fs::path dir = fs::temp_directory_path() / "sstrxk_frame_dir_as_output";
  fs::create_directories(dir);
  OutputPath.Assign(dir.string());
  EXPECT_FALSE(OpenOutputFile());
  bool first_write = true;
  EXPECT_FALSE(OpenSelectiveFile(dir.string().c_str(), first_write, kOpenFailed));
  EXPECT_TRUE(first_write);
  EXPECT_TRUE(fs::is_directory(dir));
  EXPECT_EQ(env.console, "Oeffnen der Datei " + dir.string() + " fehlgeschlagen\n" + "Oeffnen der Datei " +
                             dir.string() + " fehlgeschlagen\n");
  fs::remove(dir);
  ResetRunState();
}

}  // namespace
