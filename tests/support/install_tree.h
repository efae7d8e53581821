// InstallTree: a temporary installation of the product for end-to-end tests:
//   <root>/Files/Velorium.Ini       configuration (written with sstrxk-ini)
//   <root>/Velorium_php/log/        run log
//   <root>/db/<SCHEMA>.db           embedded database
//   <root>/work/run/                working directory, two levels down
// It runs the built sstrxk there, as a process or in this process.
#ifndef SSTRXK_TESTS_SUPPORT_INSTALL_TREE_H_
#define SSTRXK_TESTS_SUPPORT_INSTALL_TREE_H_

#include <filesystem>
#include <string>
#include <vector>

struct ProcessResult {
  int exit_code = -1;
  std::string out;  // standard output
};

class InstallTree {
 public:
  InstallTree();
  ~InstallTree();
  InstallTree(const InstallTree&) = delete;
  InstallTree& operator=(const InstallTree&) = delete;

  // Writes a configuration record with sstrxk-ini.
  void SetConfig(const std::string& key, const std::string& value);
  // The usual three records: alias of <root>/db relative to the working
  // directory, login and password.
  void WriteStandardConfig();

  // Creates <root>/db/<schema>.db (if needed) and runs `sql` on it.
  void RunSql(const std::string& schema, const std::string& sql);

  // Runs the built sstrxk in the working directory with `args`; the fixed
  // date goes into SSTRXK_FIXED_DATE.
  ProcessResult Run(const std::vector<std::string>& args,
                    const std::string& fixed_date = "2024-06-17 09:00:00");

  // Runs the program in this process (waits recorded, not slept): for the
  // paths that retry. Messages go to the log file unless "/D" is given.
  int RunInProcess(const std::vector<std::string>& args,
                   const std::string& fixed_date = "2024-06-17 09:00:00");

  std::string ReadFile(const std::filesystem::path& path) const;
  std::string Log() const { return ReadFile(log_file()); }
  // The log's messages without their time stamps, one per entry.
  std::vector<std::string> LogMessages() const;

  // Waits and console output of the last in-process run.
  std::vector<long> waits;
  std::string console;

  std::filesystem::path root() const { return root_; }
  std::filesystem::path work() const { return root_ / "work" / "run"; }
  std::filesystem::path db() const { return root_ / "db"; }
  std::filesystem::path log_file() const { return root_ / "Velorium_php" / "log" / "sstrxk.log"; }
  std::filesystem::path ini_file() const { return root_ / "Files" / "Velorium.Ini"; }

 private:
  std::filesystem::path root_;
};

// Pads `text` with blanks to `width` (never cuts): one field of a record.
std::string Field(const std::string& text, std::size_t width);

// Runs a shell command line; returns its exit code and standard output.
ProcessResult RunCommand(const std::string& command_line);

// Quotes an argument for the shell.
std::string ShellQuote(const std::string& arg);

#endif  // SSTRXK_TESTS_SUPPORT_INSTALL_TREE_H_
