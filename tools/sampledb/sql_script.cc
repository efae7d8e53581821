// Runs SQL scripts into SQLite schema files and builds the sample database
// from the ddl/ and data/ scripts of the sample directory (sql_script.h).
#include "sql_script.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

void SetError(std::string* error, const std::string& text) {
  if (error != nullptr) *error = text;
}

// The beginning of a statement, for messages: its first line, at most 80
// characters.
std::string StatementHead(const char* begin, const char* end) {
  while (begin < end && std::isspace(static_cast<unsigned char>(*begin))) ++begin;
  std::string head(begin, static_cast<std::size_t>(end - begin));
  head = head.substr(0, head.find('\n'));
  if (head.size() > 80) head = head.substr(0, 80) + "...";
  return head;
}

// Steps through `sql` statement by statement, so that a failure can name the
// statement it happened in.
bool ExecuteAll(sqlite3* db, std::string_view sql, std::string* message) {
  const char* next = sql.data();
  const char* end = sql.data() + sql.size();
  while (next < end) {
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    const char* begin = next;
    int rc = sqlite3_prepare_v2(db, begin, static_cast<int>(end - begin), &statement, &tail);
    if (rc != SQLITE_OK) {
      *message = std::string(sqlite3_errmsg(db)) + " in: " + StatementHead(begin, end);
      return false;
    }
    next = tail;
    if (statement == nullptr) continue;  // only blanks or comments were left
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE) {
      *message = std::string(sqlite3_errmsg(db)) + " in: " + StatementHead(begin, tail);
      return false;
    }
  }
  return true;
}

bool ReadFile(const fs::path& file, std::string* text, std::string* error) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    SetError(error, file.string() + ": cannot be read");
    return false;
  }
  std::ostringstream content;
  content << in.rdbuf();
  *text = content.str();
  return true;
}

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Removes `db_file` and a journal left behind by an interrupted build.
bool RemoveSchemaFile(const fs::path& db_file, std::string* error) {
  std::error_code ec;
  fs::remove(db_file, ec);
  if (!ec) fs::remove(fs::path(db_file.string() + "-journal"), ec);
  if (ec) {
    SetError(error, db_file.string() + ": cannot be removed: " + ec.message());
    return false;
  }
  return true;
}

// Builds one schema file from its table script and its data script.
bool BuildSchemaFile(const fs::path& db_file, const fs::path& ddl_file,
                     const std::string& ddl, const fs::path& data_file, std::string* error) {
  std::string data;
  if (!ReadFile(data_file, &data, error)) return false;
  if (!RemoveSchemaFile(db_file, error)) return false;
  std::string message;
  if (!RunSqlScript(db_file, ddl, &message)) {
    SetError(error, ddl_file.string() + ": " + message);
    return false;
  }
  if (!RunSqlScript(db_file, data, &message)) {
    SetError(error, data_file.string() + ": " + message);
    return false;
  }
  return true;
}

}  // namespace

bool RunSqlScript(const std::filesystem::path& db_file, std::string_view sql, std::string* error) {
  if (sql.size() > static_cast<std::size_t>(INT_MAX)) {
    SetError(error, db_file.string() + ": script too long");
    return false;
  }
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(db_file.string().c_str(), &db,
                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc != SQLITE_OK) {
    SetError(error, db_file.string() + ": " +
                        (db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
    sqlite3_close(db);
    return false;
  }
  // The file is rebuilt from its script whenever in doubt, so waiting for the
  // disk after every statement buys nothing.
  std::string message;
  bool ok = ExecuteAll(db, "PRAGMA synchronous=OFF;", &message) && ExecuteAll(db, sql, &message);
  if (sqlite3_close(db) != SQLITE_OK && ok) {
    ok = false;
    message = "cannot be closed";
  }
  if (!ok) SetError(error, db_file.string() + ": " + message);
  return ok;
}

bool BuildSampleDatabase(const std::filesystem::path& sample_dir,
                         const std::filesystem::path& out_dir, std::string* error) {
  const fs::path system_ddl_file = sample_dir / "ddl" / "system.sql";
  const fs::path client_ddl_file = sample_dir / "ddl" / "client.sql";
  std::string system_ddl;
  std::string client_ddl;
  if (!ReadFile(system_ddl_file, &system_ddl, error)) return false;
  if (!ReadFile(client_ddl_file, &client_ddl, error)) return false;

  std::error_code ec;
  std::vector<fs::path> data_files;
  for (fs::directory_iterator it(sample_dir / "data", ec), last; !ec && it != last; it.increment(ec)) {
    if (it->path().extension() == ".sql") data_files.push_back(it->path());
  }
  if (ec) {
    SetError(error, (sample_dir / "data").string() + ": " + ec.message());
    return false;
  }
  std::sort(data_files.begin(), data_files.end());
  const bool has_system = std::any_of(data_files.begin(), data_files.end(), [](const fs::path& p) {
    return UpperCase(p.stem().string()) == "VLSYSTEM";
  });
  if (!has_system) {
    SetError(error, (sample_dir / "data" / "VLSYSTEM.sql").string() + ": missing");
    return false;
  }

  fs::create_directories(out_dir, ec);
  if (ec) {
    SetError(error, out_dir.string() + ": " + ec.message());
    return false;
  }
  for (const fs::path& data_file : data_files) {
    const std::string schema = UpperCase(data_file.stem().string());
    const bool is_system = schema == "VLSYSTEM";
    if (!BuildSchemaFile(out_dir / (schema + ".db"), is_system ? system_ddl_file : client_ddl_file,
                         is_system ? system_ddl : client_ddl, data_file, error)) {
      return false;
    }
  }
  return true;
}
