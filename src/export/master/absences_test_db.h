// Test support for the holiday and employee files: a temporary directory of
// embedded schema files whose tables are the sample database's (ddl/), filled
// by each test with its own rows, and the session connected to it.
#ifndef SSTRXK_EXPORT_MASTER_ABSENCES_TEST_DB_H_
#define SSTRXK_EXPORT_MASTER_ABSENCES_TEST_DB_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "db/sql_runtime.h"
#include "sql_script.h"

class AbsencesTestDatabase {
 public:
  AbsencesTestDatabase() {
    std::random_device random;
    for (;;) {
      dir_ = std::filesystem::temp_directory_path() / ("sstrxk_absences_" + std::to_string(random()));
      if (std::filesystem::create_directory(dir_)) break;
    }
  }
  ~AbsencesTestDatabase() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  AbsencesTestDatabase(const AbsencesTestDatabase&) = delete;
  AbsencesTestDatabase& operator=(const AbsencesTestDatabase&) = delete;

  // Runs `sql` on the system schema, created with its tables first.
  void System(const std::string& sql) { Run("VLSYSTEM", "system.sql", sql); }
  // Runs `sql` on client schema `schema`, created with its tables first.
  void Client(const std::string& schema, const std::string& sql) { Run(schema, "client.sql", sql); }

  // Connects the session to the directory.
  long Connect() const { return sql::Connect("test/test@sqlite:" + dir_.string()); }

 private:
  void Run(const std::string& schema, const char* ddl, const std::string& sql) {
    std::string script;
    if (built_.insert(schema).second) {
      std::ifstream in(std::filesystem::path(SSTRXK_SAMPLE_DIR) / "ddl" / ddl, std::ios::binary);
      std::stringstream s;
      s << in.rdbuf();
      script = s.str();
      ASSERT_FALSE(script.empty()) << ddl;
    }
    std::string error;
    ASSERT_TRUE(RunSqlScript(dir_ / (schema + ".db"), script + sql, &error)) << error;
  }

  std::filesystem::path dir_;
  std::set<std::string> built_;
};

#endif  // SSTRXK_EXPORT_MASTER_ABSENCES_TEST_DB_H_
