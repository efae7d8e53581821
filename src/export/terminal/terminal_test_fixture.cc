// TerminalTest (see terminal_test_fixture.h).
#include "export/terminal/terminal_test_fixture.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "db/sql_runtime.h"
#include "runctl/run_state.h"
#include "sql_script.h"

namespace fs = std::filesystem;

namespace terminal_test {
namespace {

// The database every test copies, built once and removed at exit.
struct TemplateDatabase {
  ~TemplateDatabase() {
    std::error_code ec;
    if (!path.empty()) fs::remove_all(path, ec);
  }
  fs::path path;
} g_template_db;
fs::path& g_template = g_template_db.path;

fs::path UniqueDir(const std::string& prefix) {
  std::random_device random;
  for (;;) {
    fs::path p = fs::temp_directory_path() / (prefix + std::to_string(random()));
    if (fs::create_directory(p)) return p;
  }
}

}  // namespace

void TerminalTest::SetUpTestSuite() {
  if (!g_template.empty()) return;
  g_template = UniqueDir("sstrxk_terminal_db_");
  std::string error;
  ASSERT_TRUE(BuildSampleDatabase(SSTRXK_SAMPLE_DIR, g_template, &error)) << error;
  ASSERT_TRUE(RunSqlScript(g_template / "VLSYSTEM.db", std::string(kPlanData) + kSelectiveData, &error)) << error;
}

void TerminalTest::TearDownTestSuite() {}

void TerminalTest::SetUp() {
  ASSERT_FALSE(g_template.empty());
  root = UniqueDir("sstrxk_terminal_");
  fs::copy(g_template, root / "db");
  out = root / "transfer";
  fs::create_directories(out);
  ResetRunState();
  OutputPath.Assign(out.string());
  LogFileName.Assign((root / "sstrxk.log").string());
  PreviousLogFileName.Assign((root / "sstrxk.old").string());
  ConnectThroughFaults((root / "db").string(), &backend);
  ASSERT_EQ(sql::Connect("test/test@fault"), sql::kOk);
}

void TerminalTest::TearDown() {
  sql::SetConnectorForTesting(nullptr);
  sql::Connect("none/none@none");  // fails, dropping the session and its files
  ResetRunState();
  std::error_code ec;
  fs::remove_all(root, ec);
}

void TerminalTest::Sql(const std::string& schema, const std::string& sql) {
  std::string error;
  ASSERT_TRUE(RunSqlScript(root / "db" / (schema + ".db"), sql, &error)) << error;
}

std::string TerminalTest::File(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> TerminalTest::Log() const {
  std::vector<std::string> messages;
  std::string log = File(root / "sstrxk.log");
  std::size_t pos = 0;
  while (pos < log.size()) {
    std::size_t end = log.find("\r\n", pos);
    if (end == std::string::npos) end = log.size();
    std::string line = log.substr(pos, end - pos);
    messages.push_back(line.size() > 20 ? line.substr(20) : line);
    pos = end + 2;
  }
  return messages;
}

std::vector<std::string> TerminalTest::UpdFiles() const {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(out)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

void TerminalTest::ExpectFailures(const FailureTarget& target, const std::vector<FailureCase>& cases) {
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    ResetRunState();
    LogFileName.Assign((root / "sstrxk.log").string());
    fs::remove(root / "sstrxk.log");
    backend->faults = {c.fault};
    if (c.selective) {
      OutputPath.Assign(out.string());
      EXPECT_EQ(target.selective(target.argument), c.result);
      EXPECT_EQ(File(Upd(target.upd)), c.file);
      if (target.list) {
        EXPECT_EQ(target.list(), c.list);
      }
    } else {
      OutputPath.Assign(target.full_file.string());
      EXPECT_EQ(target.full(), c.result);
      EXPECT_EQ(File(target.full_file), c.file);
    }
    std::vector<std::string> log = Log();
    ASSERT_GE(log.size(), c.last_log.size());
    EXPECT_EQ(std::vector<std::string>(log.end() - static_cast<long>(c.last_log.size()), log.end()), c.last_log);
    EXPECT_EQ(OutputFile, nullptr);
  }

  ResetRunState();
  LogFileName.Assign((root / "sstrxk.log").string());
  OutputPath.Assign((root / "missing").string());
  EXPECT_EQ(target.selective(target.missing_argument), 1);
  EXPECT_EQ(Log().back(), "Oeffnen der Datei " + (root / "missing").string() + "//" + target.upd + " fehlgeschlagen");
  EXPECT_TRUE(*target.first_write);
}

}  // namespace terminal_test
