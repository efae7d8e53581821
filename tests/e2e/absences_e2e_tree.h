// End-to-end support for the holiday and employee files: an installation
// tree whose embedded database has the sample's tables (ddl/), filled by each
// test with its own rows, and the output file the tests write.
#ifndef SSTRXK_TESTS_E2E_ABSENCES_E2E_TREE_H_
#define SSTRXK_TESTS_E2E_ABSENCES_E2E_TREE_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "install_tree.h"

class AbsencesE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.WriteStandardConfig();
    System("");
    out = tree.root() / "transfer" / "out.imp";
    std::filesystem::create_directories(out.parent_path());
  }

  // Runs `sql` on the system schema, created with its tables first.
  void System(const std::string& sql) { Run("VLSYSTEM", "system.sql", sql); }
  // Runs `sql` on client schema `schema`, created with its tables first.
  void Client(const std::string& schema, const std::string& sql) { Run(schema, "client.sql", sql); }

  std::string File() const { return tree.ReadFile(out); }
  std::string Path() const { return out.string(); }

  InstallTree tree;
  std::filesystem::path out;

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
    tree.RunSql(schema, script + sql);
  }

  std::set<std::string> built_;
};

// A date as the embedded database stores it: "unixepoch('2024-06-17')/86400.0".
inline std::string Day(const std::string& date) { return "unixepoch('" + date + "')/86400.0"; }

#endif  // SSTRXK_TESTS_E2E_ABSENCES_E2E_TREE_H_
