// Test support for the terminal exports' unit tests: each test gets its own
// copy of one embedded database (the sample database with kPlanData and
// kSelectiveData on top), connected through a FaultBackend, the fixed date,
// an output directory as OutputPath and a log file of its own.
#ifndef SSTRXK_EXPORT_TERMINAL_TERMINAL_TEST_FIXTURE_H_
#define SSTRXK_EXPORT_TERMINAL_TERMINAL_TEST_FIXTURE_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/fake_env.h"
#include "db/embedded/fixed_date_for_test.h"
#include "export/terminal/fault_backend_for_test.h"
#include "export/terminal/terminal_test_data.h"

namespace terminal_test {

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

  std::filesystem::path root;
  std::filesystem::path out;  // OutputPath of the selective writers
  FaultBackend* backend = nullptr;
  FakeEnv env;

 private:
  embedded::ScopedFixedDate date_{kFixedDate};
};

}  // namespace terminal_test

#endif  // SSTRXK_EXPORT_TERMINAL_TERMINAL_TEST_FIXTURE_H_
