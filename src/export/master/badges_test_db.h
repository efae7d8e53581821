// Test support for the badge, cost-centre and function-code jobs: an
// embedded database of the sample's tables in a temporary directory, built
// with SQL scripts and connected in this process, with the demo day as the
// database's today and the messages collected from the console.
#ifndef SSTRXK_EXPORT_MASTER_BADGES_TEST_DB_H_
#define SSTRXK_EXPORT_MASTER_BADGES_TEST_DB_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/fake_env.h"
#include "db/embedded/fixed_date_for_test.h"
#include "db/sql_runtime.h"
#include "runctl/run_state.h"
#include "sql_script.h"

// A path for a test's own file in the temporary directory, unique per process.
inline std::filesystem::path UniqueTempPath(const std::string& stem) {
  return std::filesystem::temp_directory_path() / (stem + "_" + std::to_string(std::random_device{}()));
}

// The whole content of the file at `path` ("" when there is none).
inline std::string ReadTextFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class BadgesTestDb : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRunState();
    DebugFlag = 1;  // messages go to env.console
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Unique per process: several builds may run the same test at once.
    std::string name = "sstrxk_badges_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                       std::to_string(std::random_device{}());
    for (char& c : name) {
      if (c == '/') c = '_';  // parameterized tests are named "Suite/Case/0"
    }
    dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "db");
    Sql("VLSYSTEM", ReadTextFile(std::filesystem::path(SSTRXK_SAMPLE_DIR) / "ddl" / "system.sql"));
  }

  void TearDown() override {
    sql::Connect("");  // drops the session and its schema files
    ResetRunState();
    std::filesystem::remove_all(dir);
  }

  // Runs `script` on the schema file of `schema`.
  void Sql(const std::string& schema, const std::string& script) {
    std::string error;
    ASSERT_TRUE(RunSqlScript(dir / "db" / (schema + ".db"), script, &error)) << error;
  }

  // Creates a client schema with the sample's client tables.
  void ClientSchema(const std::string& schema) {
    Sql(schema, ReadTextFile(std::filesystem::path(SSTRXK_SAMPLE_DIR) / "ddl" / "client.sql"));
  }

  void Connect() { ASSERT_EQ(sql::Connect("u/p@sqlite:" + (dir / "db").string()), sql::kOk); }

  // Makes `schema` the current client, as the client loop or the selective
  // export does before calling a writer.
  void MakeCurrent(const std::string& schema, const std::string& licence, const std::string& number) {
    ASSERT_EQ(sql::Execute("ALTER SESSION SET CURRENT_SCHEMA=" + schema), sql::kOk);
    CurrentSchema.Assign(schema);
    CurrentClient = ClientRow();
    CurrentClient.schema.Assign(schema);
    CurrentClient.licence.Assign(licence);
    CurrentClient.number.Assign(number);
  }

  std::string File(const std::filesystem::path& path) const { return ReadTextFile(path); }

  // The console lines of the run so far.
  std::vector<std::string> Messages() const {
    std::vector<std::string> lines;
    std::istringstream in(env.console);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  FakeEnv env;
  embedded::ScopedFixedDate today{"2024-06-17 09:00:00"};
  std::filesystem::path dir;
};

// Pads `text` with blanks to `width`: one field of a record.
inline std::string Pad(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

#endif  // SSTRXK_EXPORT_MASTER_BADGES_TEST_DB_H_
