// InstallTree (see install_tree.h).
#include "install_tree.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "base/fake_env.h"
#include "runctl/dispatch.h"
#include "runctl/run_control.h"
#include "runctl/run_state.h"
#include "sql_script.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;

namespace {

fs::path UniqueTempDir() {
  std::random_device rd;
  for (;;) {
    fs::path p = fs::temp_directory_path() / ("sstrxk_e2e_" + std::to_string(rd()));
    if (fs::create_directory(p)) return p;
  }
}

void SetFixedDate(const std::string& fixed_date) {
#ifdef _WIN32
  _putenv_s("SSTRXK_FIXED_DATE", fixed_date.c_str());
#else
  if (fixed_date.empty()) {
    unsetenv("SSTRXK_FIXED_DATE");
  } else {
    setenv("SSTRXK_FIXED_DATE", fixed_date.c_str(), 1);
  }
#endif
}

}  // namespace

std::string ShellQuote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

ProcessResult RunCommand(const std::string& command_line) {
  ProcessResult result;
  std::FILE* pipe = popen(command_line.c_str(), "r");
  if (pipe == nullptr) throw std::runtime_error("cannot run: " + command_line);
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) result.out.append(buf, n);
  int status = pclose(pipe);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string Field(const std::string& text, std::size_t width) {
  std::string f = text;
  if (f.size() < width) f.append(width - f.size(), ' ');
  return f;
}

InstallTree::InstallTree() : root_(UniqueTempDir()) {
  fs::create_directories(root_ / "Files");
  fs::create_directories(root_ / "Velorium_php" / "log");
  fs::create_directories(work());
  fs::create_directories(db());
}

InstallTree::~InstallTree() {
  std::error_code ec;
  fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(root_, ec);
}

void InstallTree::SetConfig(const std::string& key, const std::string& value) {
  ProcessResult r = RunCommand(ShellQuote(SSTRXK_INI_BIN) + " set " + ShellQuote(ini_file().string()) + " " +
                               ShellQuote(key) + " " + ShellQuote(value));
  if (r.exit_code != 0) throw std::runtime_error("sstrxk-ini failed: " + r.out);
}

void InstallTree::WriteStandardConfig() {
  SetConfig("NET8", "sqlite:../../db");
  SetConfig("LOGIN", "demo");
  SetConfig("PASS", "geheim");
}

void InstallTree::RunSql(const std::string& schema, const std::string& sql) {
  std::string error;
  if (!RunSqlScript(db() / (schema + ".db"), sql, &error)) throw std::runtime_error("SQL failed: " + error);
}

ProcessResult InstallTree::Run(const std::vector<std::string>& args, const std::string& fixed_date) {
  std::string command = "cd " + ShellQuote(work().string()) + " && ";
  if (!fixed_date.empty()) command += "SSTRXK_FIXED_DATE=" + ShellQuote(fixed_date) + " ";
  command += ShellQuote(SSTRXK_BIN);
  for (const std::string& a : args) command += " " + ShellQuote(a);
  return RunCommand(command);
}

int InstallTree::RunInProcess(const std::vector<std::string>& args, const std::string& fixed_date) {
  FakeEnv env;  // records the waits instead of sleeping them
  ResetRunState();
  SetFixedDate(fixed_date);
  fs::path previous = fs::current_path();
  fs::current_path(work());
  std::vector<const char*> argv{"sstrxk"};
  for (const std::string& a : args) argv.push_back(a.c_str());
  int code = RunProgram(static_cast<int>(argv.size()), argv.data(), ProductionDispatch());
  fs::current_path(previous);
  SetFixedDate("");
  waits = env.sleeps;
  console = env.console;
  return code;
}

std::string InstallTree::ReadFile(const fs::path& path) const {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> InstallTree::LogMessages() const {
  std::vector<std::string> messages;
  std::string log = Log();
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
