// Test support for the terminal exports' unit tests: each test gets its own
// copy of one embedded database (the sample database with kPlanData and
// kSelectiveData on top), connected through a FaultBackend, the fixed date,
// an output directory as OutputPath and a log file of its own.
#ifndef SSTRXK_EXPORT_TERMINAL_TERMINAL_TEST_FIXTURE_H_
#define SSTRXK_EXPORT_TERMINAL_TERMINAL_TEST_FIXTURE_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/fake_env.h"
#include "db/embedded/fixed_date_for_test.h"
#include "export/terminal/fault_backend_for_test.h"
#include "export/terminal/terminal_test_data.h"

namespace terminal_test {

// One failure of a terminal export's full job or selective writer.
struct FailureCase {
  const char* name;
  bool selective;  // the selective writer, else the full job
  Fault fault;
  int result;
  std::string file;                   // the bytes of the file written
  std::vector<std::string> last_log;  // the last messages logged
  std::vector<std::string> list = {};  // selective only, when `list` is given
};

// What differs between the exports whose failures ExpectFailures runs.
struct FailureTarget {
  int (*full)();                              // the full job
  std::filesystem::path full_file;            // its OutputPath
  int (*selective)(const char*);              // the selective writer
  std::string upd;                            // its update file's name
  const char* argument;                       // its argument in the cases
  const char* missing_argument;               // its argument with the directory missing
  bool* first_write;                          // its first-write flag
  std::function<std::vector<std::string>()> list = {};  // compared with FailureCase::list
};

class TerminalTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Runs `sql` on this test's copy of `schema`.
  void Sql(const std::string& schema, const std::string& sql);
  // Adds a fault to the backend of the current session.
  void AddFault(const Fault& fault) { backend->faults.push_back(fault); }

  // The bytes of a file ("" when it does not exist).
  static std::string File(const std::filesystem::path& path);
  // The messages logged so far, without time stamps.
  std::vector<std::string> Log() const;
  // An update file in the output directory, as the writers name it.
  std::filesystem::path Upd(const std::string& name) const { return out / name; }
  // The update files that exist in the output directory, by name.
  std::vector<std::string> UpdFiles() const;
  // Runs each case on a fresh run state, then the selective writer with its
  // directory missing: result 1, and the first-write flag stays set.
  void ExpectFailures(const FailureTarget& target, const std::vector<FailureCase>& cases);

  std::filesystem::path root;
  std::filesystem::path out;  // OutputPath of the selective writers
  FaultBackend* backend = nullptr;
  FakeEnv env;

 private:
  embedded::ScopedFixedDate date_{kFixedDate};
};

}  // namespace terminal_test

#endif  // SSTRXK_EXPORT_TERMINAL_TERMINAL_TEST_FIXTURE_H_
