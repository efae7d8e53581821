// Building embedded databases from SQL scripts: RunSqlScript runs a script
// against one SQLite schema file, BuildSampleDatabase turns the sample
// directory (ddl/ and data/ scripts) into one file per schema. Used by the
// sample database tool and by tests that need a database of their own.
#ifndef SSTRXK_TOOLS_SAMPLEDB_SQL_SCRIPT_H_
#define SSTRXK_TOOLS_SAMPLEDB_SQL_SCRIPT_H_

#include <filesystem>
#include <string>
#include <string_view>

// Creates `db_file` if it does not exist, opens it read-write and executes
// every statement of `sql` in turn. Returns true when all of them ran; else
// false with `error` (if not null) naming the file and SQLite's message.
// Statements before a failing one stay applied.
bool RunSqlScript(const std::filesystem::path& db_file, std::string_view sql, std::string* error);

// Rebuilds the schema files in `out_dir` (created when missing) from the
// scripts in `sample_dir`: VLSYSTEM.db from ddl/system.sql and
// data/VLSYSTEM.sql, and <X>.db from ddl/client.sql and data/<X>.sql for every
// other data/<X>.sql (X in upper case). Each file is removed first. Other
// files in `out_dir` are left alone. Returns false with `error` (if not null)
// on the first failure.
bool BuildSampleDatabase(const std::filesystem::path& sample_dir,
                         const std::filesystem::path& out_dir, std::string* error);

#endif  // SSTRXK_TOOLS_SAMPLEDB_SQL_SCRIPT_H_
