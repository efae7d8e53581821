// The database session: connect, schema switch, reconnect tries and their
// log lines, product version.
#include "db/sql_hlp.h"

#include <gtest/gtest.h>

#include "base/fake_env.h"
#include "db/db_statements.h"
#include "db/fake_backend.h"
#include "db/sql_runtime.h"
#include "runctl/run_state.h"

namespace {

class SqlHlpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRunState();
    DebugFlag = 1;  // messages to the fake console
    sql::SetConnectorForTesting([this](std::string_view alias, std::unique_ptr<sql::Backend>& out) -> long {
      aliases.emplace_back(alias);
      if (failures_left > 0) {
        --failures_left;
        return sql::kDatabaseNotFound;
      }
      auto fake = std::make_unique<sql::FakeBackend>();
      fake->execute_status = execute_status;
      fake->queries = queries;
      backend = fake.get();
      out = std::move(fake);
      return sql::kOk;
    });
  }
  void TearDown() override {
    sql::SetConnectorForTesting(nullptr);
    ResetRunState();
  }

  FakeEnv env;
  int failures_left = 0;
  long execute_status = sql::kOk;
  std::map<std::string, sql::FakeQuery> queries;
  sql::FakeBackend* backend = nullptr;
  std::vector<std::string> aliases;
};

TEST_F(SqlHlpTest, OpenSessionConnectsAndSwitchesSchema) {
  EXPECT_EQ(dbOpenSession("u", "p", "sqlite:db", "VLSYSTEM"), 0);
  EXPECT_EQ(aliases.back(), "sqlite:db");
  ASSERT_EQ(backend->executed.size(), 1u);
  EXPECT_EQ(backend->executed[0], "ALTER SESSION SET CURRENT_SCHEMA=VLSYSTEM");
}

TEST_F(SqlHlpTest, RefusedSchemaSwitchIsTheSessionsStatus) {
  execute_status = sql::kUnknownSchema;
  EXPECT_EQ(dbOpenSession("u", "p", "sqlite:db", "VLSYSTEM"), sql::kUnknownSchema);
}

TEST_F(SqlHlpTest, SchemaNamesThatAreNoIdentifiersNeverReachAStatement) {
  ASSERT_EQ(dbOpenSession("u", "p", "sqlite:db", "VLSYSTEM"), 0);
  EXPECT_EQ(dbSetSchema("X;DROP"), sql::kInvalidName);
  EXPECT_EQ(dbSetSchema("MANDANT1"), 0);
  ASSERT_EQ(backend->executed.size(), 2u);
  EXPECT_EQ(backend->executed[1], "ALTER SESSION SET CURRENT_SCHEMA=MANDANT1");
}

TEST_F(SqlHlpTest, ConnectWithoutConfigurationLogsTheFailure) {
  failures_left = 1;
  EXPECT_EQ(dbConnect(), sql::kDatabaseNotFound);  // no ../../Files/Velorium.Ini here
  EXPECT_EQ(aliases.back(), "");
  EXPECT_EQ(env.console, "Datenbankverbindung fehlgeschlagen, Fehler: -12154\n");
}

TEST_F(SqlHlpTest, ReconnectSucceedingOnTheThirdTry) {
  failures_left = 2;
  EXPECT_EQ(dbReconnect(), 1);
  EXPECT_EQ(env.console,
            "1. Versuch zur Wiederherstellung der Datenbankverbindung!\n"
            "Fehler dbConnect(dbReconnect)! RC: -12154 Versuch-Nr.: 1\n"
            "2. Versuch zur Wiederherstellung der Datenbankverbindung!\n"
            "Fehler dbConnect(dbReconnect)! RC: -12154 Versuch-Nr.: 2\n"
            "3. Versuch zur Wiederherstellung der Datenbankverbindung!\n"
            "Die Verbindung zur Datenbank wurde wiederhergestellt!\n");
  EXPECT_EQ(env.sleeps, (std::vector<long>{60000, 60000}));
}

TEST_F(SqlHlpTest, ReconnectGivesUpAfterFiveTriesAndWaitsAfterEach) {
  failures_left = 100;
  EXPECT_EQ(dbReconnect(), 0);
  EXPECT_EQ(aliases.size(), 5u);
  EXPECT_EQ(env.sleeps, std::vector<long>(5, 60000));
  EXPECT_NE(env.console.find("Fehler dbConnect(dbReconnect)! RC: -12154 Versuch-Nr.: 5\n"), std::string::npos);
}

TEST_F(SqlHlpTest, ProductVersionFromTheFirstFourCharacters) {
  struct Case {
    std::vector<std::vector<sql::Value>> rows;
    long open_status;
    long status;
    double version;
  } cases[] = {
      {{{sql::Value::Text("05.90")}}, sql::kOk, 0, 5.9},
      {{{sql::Value::Text("05.45")}}, sql::kOk, 0, 5.4},  // "05.4" arrives
      {{{sql::Value::Text("00.00")}}, sql::kOk, 0, 0.0},
      {{{sql::Value::Null()}}, sql::kOk, 0, 0.0},
      {{}, sql::kTableNotFound, sql::kTableNotFound, 0.0},
  };
  for (const auto& c : cases) {
    queries[stmt::kProductVersion].rows = c.rows;
    queries[stmt::kProductVersion].open_status = c.open_status;
    ASSERT_EQ(dbOpenSession("u", "p", "a", "VLSYSTEM"), 0);
    double version = -1;
    EXPECT_EQ(SQLGetProductVersion("7418-002%", version), c.status);
    EXPECT_DOUBLE_EQ(version, c.version);
    ASSERT_FALSE(backend->bound.empty());
    EXPECT_EQ(backend->bound.back()[0].text, "7418-002%");
  }
}

}  // namespace
