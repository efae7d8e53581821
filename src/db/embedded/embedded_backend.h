// The embedded database: a sql::Backend on SQLite files that stand in for the
// Oracle schemas. One SQLite connection on an empty in-memory main database;
// each schema X is the file "<directory>/<X upper-case>.db", attached
// read-only under the name X when a statement first names it as a qualifier
// ("X.table"). SQLite allows only a few attached databases at a time, so the
// attached schemas are kept as a least-recently-used set. The current
// schema's tables and views are made visible to unqualified names through
// TEMP views, and an authorizer keeps an unqualified name from being found in
// any other attached schema, as Oracle would not find it there either.
// SQLite cannot detach a schema while any statement is running; when one must
// go, running cursors are first parked (their remaining rows read ahead).
//
// Statement texts are Oracle's: they are converted from Windows-1252 to
// UTF-8 and rewritten (sql_rewrite.h) once per text, prepared, and the
// prepared statements are kept per text for the next open of the same text.
// Statuses are Oracle's (sql_backend.h); SQLite's failures are mapped.
#ifndef SSTRXK_DB_EMBEDDED_EMBEDDED_BACKEND_H_
#define SSTRXK_DB_EMBEDDED_EMBEDDED_BACKEND_H_

#include <sqlite3.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "db/sql_backend.h"

namespace embedded {

// Oracle's statuses for a statement whose bind variables do not match the
// values given: more placeholders than values, more values than placeholders.
constexpr long kNotAllVariablesBound = -1008;
constexpr long kBindVariableDoesNotExist = -1006;

class EmbeddedBackend : public sql::Backend {
 public:
  EmbeddedBackend(const EmbeddedBackend&) = delete;
  EmbeddedBackend& operator=(const EmbeddedBackend&) = delete;
  ~EmbeddedBackend() override;

  // "ALTER SESSION SET CURRENT_SCHEMA=X" switches the current schema (0,
  // -903 when X is no identifier, -1435 when there is no file for X); any
  // other statement runs as it is on SQLite.
  long Execute(std::string_view statement) override;
  long Open(sql::CursorId cursor, std::string_view statement, std::span<const sql::Value> binds) override;
  long Fetch(sql::CursorId cursor, std::vector<sql::Value>& row) override;
  long Close(sql::CursorId cursor) override;
  long SelectOne(std::string_view statement, std::span<const sql::Value> binds,
                 std::vector<sql::Value>& row) override;

  // For tests: the number of SQLite statements prepared so far, and the
  // attached schemas from the least to the most recently used.
  long prepare_count() const { return prepare_count_; }
  std::vector<std::string> AttachedSchemas() const;

 private:
  friend long OpenEmbeddedBackend(std::string_view directory, std::unique_ptr<EmbeddedBackend>& backend);

  // One statement text of the program with its SQLite form and the prepared
  // statements of that form that no cursor uses at the moment.
  struct StatementText {
    std::string sqlite_sql;
    std::vector<std::string> qualifiers;  // upper-case, as Qualifiers() gives them
    std::vector<sqlite3_stmt*> idle;
  };

  // An open cursor. A running cursor (fetched from, not at its end) keeps its
  // statement active, and SQLite cannot detach any schema while a statement
  // is active. When a schema must be detached, the running cursors are
  // parked: their remaining rows and final status are read into `parked`
  // and handed out by the following fetches exactly as the statement would
  // have delivered them.
  struct CursorState {
    StatementText* text = nullptr;
    sqlite3_stmt* stmt = nullptr;
    std::vector<std::string> schemas;  // attached schemas the cursor reads
    bool running = false;              // stepped and not at its end
    bool exhausted = false;            // reported 1403 or an error
    bool is_parked = false;
    std::deque<std::vector<sql::Value>> parked;
    long parked_status = 0;            // 1403 or the error after the parked rows
  };

  struct AttachedSchema {
    std::string name;
    std::uint64_t last_use = 0;
  };

  EmbeddedBackend(sqlite3* db, std::filesystem::path directory);

  static int Authorize(void* self, int action, const char* table, const char* column, const char* database,
                       const char* trigger_or_view);

  long SetCurrentSchema(std::string_view name);
  long ShowSchema(const std::string& schema);
  void DropSchemaViews();

  StatementText& Lookup(std::string_view statement, bool single_row);
  long AttachSchemas(const std::vector<std::string>& names);
  bool HasSchemaFile(const std::string& name) const;
  long Attach(const std::string& name);
  bool EvictOne(const std::vector<std::string>& keep);
  bool PinnedByCursor(const std::string& name) const;
  void Park(CursorState& cursor);
  void ForgetIdleStatements();
  long TakeStatement(StatementText& text, sqlite3_stmt*& stmt);
  void ReleaseStatement(StatementText& text, sqlite3_stmt* stmt);
  long Step(const StatementText& text, sqlite3_stmt* stmt);
  long RunInternal(const std::string& sql, const std::vector<std::string>& args);
  long StatusOf(int rc);

  sqlite3* db_;
  std::filesystem::path directory_;
  std::unordered_map<std::string, std::unique_ptr<StatementText>> queries_;
  std::unordered_map<std::string, std::unique_ptr<StatementText>> single_rows_;
  std::map<sql::CursorId, CursorState> cursors_;
  std::vector<AttachedSchema> attached_;
  std::uint64_t use_clock_ = 0;
  std::string current_schema_;            // upper-case; empty before the first switch
  std::vector<std::string> schema_views_;  // TEMP views that show the current schema
  long prepare_count_ = 0;

  // Authorizer state: the qualifiers of the statement being prepared, whether
  // it is one of the backend's own statements, and whether access was denied.
  const std::vector<std::string>* auth_qualifiers_ = nullptr;
  bool auth_internal_ = false;
  bool auth_denied_ = false;
};

// Opens the embedded database on `directory`: 0, or -12154 when the
// directory does not exist.
long OpenEmbeddedBackend(std::string_view directory, std::unique_ptr<EmbeddedBackend>& backend);

}  // namespace embedded

#endif  // SSTRXK_DB_EMBEDDED_EMBEDDED_BACKEND_H_
