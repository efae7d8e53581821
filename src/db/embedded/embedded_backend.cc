// The embedded database backend (see embedded_backend.h): connection and
// attach management, the current schema, the statement cache, cursors and
// the mapping of SQLite's failures to Oracle's statuses.
#include "db/embedded/embedded_backend.h"

#include <algorithm>
#include <cstdio>
#include <system_error>
#include <utility>

#include "db/embedded/cp1252.h"
#include "db/embedded/oracle_functions.h"
#include "db/embedded/sql_rewrite.h"

namespace embedded {
namespace {

std::string QuoteName(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

// A file name as the path of a "file:" URI: every byte but the unreserved
// characters and "/" percent-encoded ("#" and "?" would end the path).
std::string UriPath(const std::filesystem::path& file) {
  std::string path = file.generic_string();
  if (path.empty() || path[0] != '/') path.insert(0, "/");  // "C:/x" -> "/C:/x"
  std::string out;
  for (char c : path) {
    auto u = static_cast<unsigned char>(c);
    bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || c == '-' ||
                 c == '.' || c == '_' || c == '~' || c == '/' || c == ':';
    if (plain) {
      out += c;
    } else {
      char buf[4];
      std::snprintf(buf, sizeof buf, "%%%02X", u);
      out += buf;
    }
  }
  return out;
}

bool StartsWith(const char* text, std::string_view prefix) {
  return text != nullptr && std::string_view(text).substr(0, prefix.size()) == prefix;
}

// Recognises "ALTER SESSION SET CURRENT_SCHEMA=X" (keywords in any case,
// blanks around "=" optional) and sets `schema` to the trimmed rest.
bool ParseAlterSession(std::string_view statement, std::string_view& schema) {
  static constexpr std::string_view kWords[] = {"ALTER", "SESSION", "SET", "CURRENT_SCHEMA"};
  const std::vector<Token> tokens = Tokenize(statement);
  std::size_t offset = 0;
  std::size_t word = 0;
  for (const Token& t : tokens) {
    offset += t.text.size();
    if (t.kind == TokenKind::kSpace || t.kind == TokenKind::kComment) continue;
    if (word < 4) {
      if (t.kind != TokenKind::kIdentifier || UpperAscii(t.text) != kWords[word]) return false;
      ++word;
      continue;
    }
    if (t.kind != TokenKind::kOperator || t.text != "=") return false;
    std::string_view rest = statement.substr(offset);
    std::size_t first = rest.find_first_not_of(" \t\r\n");
    std::size_t last = rest.find_last_not_of(" \t\r\n");
    schema = first == std::string_view::npos ? std::string_view() : rest.substr(first, last - first + 1);
    return true;
  }
  return false;
}

sql::Value ColumnValue(sqlite3_stmt* stmt, int column) {
  switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
      return sql::Value::Int(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
      return sql::Value::Real(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
      auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt, column));
      return sql::Value::Text(Utf8ToCp1252(std::string_view(text, size)));
    }
    case SQLITE_BLOB: {
      const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, column));
      auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt, column));
      return sql::Value::Text(bytes == nullptr ? std::string_view() : std::string_view(bytes, size));
    }
    default:
      return sql::Value::Null();
  }
}

void ReadRow(sqlite3_stmt* stmt, std::vector<sql::Value>& row) {
  const int count = sqlite3_column_count(stmt);
  row.clear();
  row.reserve(static_cast<std::size_t>(count));
  for (int c = 0; c < count; ++c) row.push_back(ColumnValue(stmt, c));
}

// Binds `binds` to the placeholders in the order of their first appearance,
// which is SQLite's parameter order.
long BindValues(sqlite3_stmt* stmt, std::span<const sql::Value> binds) {
  const int count = sqlite3_bind_parameter_count(stmt);
  if (binds.size() < static_cast<std::size_t>(count)) return kNotAllVariablesBound;
  if (binds.size() > static_cast<std::size_t>(count)) return kBindVariableDoesNotExist;
  int rc = SQLITE_OK;
  for (int k = 0; k < count && rc == SQLITE_OK; ++k) {
    const sql::Value& v = binds[static_cast<std::size_t>(k)];
    switch (v.type) {
      case sql::Value::Type::kNull:
        rc = sqlite3_bind_null(stmt, k + 1);
        break;
      case sql::Value::Type::kInt:
        rc = sqlite3_bind_int64(stmt, k + 1, v.i);
        break;
      case sql::Value::Type::kReal:
        rc = sqlite3_bind_double(stmt, k + 1, v.r);
        break;
      case sql::Value::Type::kText: {
        std::string utf8 = Cp1252ToUtf8(v.text);
        rc = sqlite3_bind_text(stmt, k + 1, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        break;
      }
    }
  }
  return rc == SQLITE_OK ? sql::kOk : -(20000 + (rc & 0xFF));
}

bool Contains(const std::vector<std::string>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

long OpenEmbeddedBackend(std::string_view directory, std::unique_ptr<EmbeddedBackend>& backend) {
  std::error_code ec;
  std::filesystem::path dir{std::string(directory)};
  if (directory.empty() || !std::filesystem::is_directory(dir, ec)) return sql::kDatabaseNotFound;
  std::filesystem::path absolute = std::filesystem::absolute(dir, ec);
  if (ec) return sql::kDatabaseNotFound;

  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_close(db);
    return -(20000 + (rc & 0xFF));
  }
  // A double-quoted name that names nothing is an unknown identifier, as in
  // Oracle, not a string literal.
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
  rc = sqlite3_exec(db, "PRAGMA temp_store=MEMORY", nullptr, nullptr, nullptr);
  if (rc == SQLITE_OK) rc = RegisterOracleFunctions(db);
  if (rc != SQLITE_OK) {
    sqlite3_close(db);
    return -(20000 + (rc & 0xFF));
  }
  backend.reset(new EmbeddedBackend(db, absolute.lexically_normal()));
  sqlite3_set_authorizer(db, &EmbeddedBackend::Authorize, backend.get());
  return sql::kOk;
}

EmbeddedBackend::EmbeddedBackend(sqlite3* db, std::filesystem::path directory)
    : db_(db), directory_(std::move(directory)) {}

EmbeddedBackend::~EmbeddedBackend() {
  for (auto& [id, cursor] : cursors_) sqlite3_finalize(cursor.stmt);
  for (auto* texts : {&queries_, &single_rows_}) {
    for (auto& [sql, text] : *texts) {
      for (sqlite3_stmt* stmt : text->idle) sqlite3_finalize(stmt);
    }
  }
  sqlite3_close(db_);
}

std::vector<std::string> EmbeddedBackend::AttachedSchemas() const {
  std::vector<AttachedSchema> sorted = attached_;
  std::sort(sorted.begin(), sorted.end(),
            [](const AttachedSchema& a, const AttachedSchema& b) { return a.last_use < b.last_use; });
  std::vector<std::string> names;
  for (const AttachedSchema& a : sorted) names.push_back(a.name);
  return names;
}

// ---- Statuses and the authorizer

long EmbeddedBackend::StatusOf(int rc) {
  if (auth_denied_) return sql::kTableNotFound;
  const char* message = sqlite3_errmsg(db_);
  if (StartsWith(message, "no such table")) return sql::kTableNotFound;
  if (StartsWith(message, "no such column") || StartsWith(message, "no such function")) {
    return sql::kInvalidIdentifier;
  }
  return -(20000 + (rc & 0xFF));
}

// Denies a read that top-level SQL makes in an attached schema which the
// statement does not name and which is not the current schema: SQLite found
// an unqualified table name there, where Oracle would not look.
int EmbeddedBackend::Authorize(void* self, int action, const char*, const char*, const char* database,
                               const char* trigger_or_view) {
  auto* backend = static_cast<EmbeddedBackend*>(self);
  if (backend->auth_internal_ || action != SQLITE_READ || trigger_or_view != nullptr || database == nullptr) {
    return SQLITE_OK;
  }
  const std::string name = UpperAscii(database);
  if (name == "MAIN" || name == "TEMP" || name == backend->current_schema_) return SQLITE_OK;
  if (backend->auth_qualifiers_ != nullptr && Contains(*backend->auth_qualifiers_, name)) return SQLITE_OK;
  backend->auth_denied_ = true;
  return SQLITE_DENY;
}

// Runs one of the backend's own statements with `args` bound as texts.
long EmbeddedBackend::RunInternal(const std::string& sql, const std::vector<std::string>& args) {
  auth_internal_ = true;
  auth_denied_ = false;
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr);
  for (std::size_t k = 0; rc == SQLITE_OK && k < args.size(); ++k) {
    rc = sqlite3_bind_text(stmt, static_cast<int>(k + 1), args[k].c_str(), -1, SQLITE_TRANSIENT);
  }
  if (rc == SQLITE_OK) {
    do {
      rc = sqlite3_step(stmt);
    } while (rc == SQLITE_ROW);
    if (rc == SQLITE_DONE) rc = SQLITE_OK;
  }
  long status = rc == SQLITE_OK ? sql::kOk : StatusOf(rc);
  sqlite3_finalize(stmt);
  auth_internal_ = false;
  return status;
}

// ---- Schemas: attaching, detaching, the current schema

bool EmbeddedBackend::HasSchemaFile(const std::string& name) const {
  std::error_code ec;
  return std::filesystem::is_regular_file(directory_ / (name + ".db"), ec);
}

long EmbeddedBackend::Attach(const std::string& name) {
  std::string uri = "file:" + UriPath(directory_ / (name + ".db")) + "?mode=ro";
  long status = RunInternal("ATTACH DATABASE ?1 AS ?2", {uri, name});
  if (status == sql::kOk) attached_.push_back({name, ++use_clock_});
  return status;
}

// A schema stays attached while an open cursor that still reads it needs it:
// one that is neither parked nor at its end.
bool EmbeddedBackend::PinnedByCursor(const std::string& name) const {
  for (const auto& [id, cursor] : cursors_) {
    if (!cursor.is_parked && !cursor.exhausted && Contains(cursor.schemas, name)) return true;
  }
  return false;
}

void EmbeddedBackend::Park(CursorState& cursor) {
  long status = sql::kOk;
  while ((status = Step(*cursor.text, cursor.stmt)) == sql::kOk) {
    cursor.parked.emplace_back();
    ReadRow(cursor.stmt, cursor.parked.back());
  }
  sqlite3_reset(cursor.stmt);
  cursor.parked_status = status;
  cursor.is_parked = true;
  cursor.running = false;
}

// Finalizes every prepared statement that no cursor uses.
void EmbeddedBackend::ForgetIdleStatements() {
  for (auto* texts : {&queries_, &single_rows_}) {
    for (auto& [sql, text] : *texts) {
      for (sqlite3_stmt* stmt : text->idle) sqlite3_finalize(stmt);
      text->idle.clear();
    }
  }
}

// Detaches the least recently used schema that is not the current one, not
// in `keep` and not pinned by a cursor. Cached statements that name it are
// finalized first. False when no schema may go.
bool EmbeddedBackend::EvictOne(const std::vector<std::string>& keep) {
  // SQLite refuses to detach while any statement is active, whatever that
  // statement reads: the read transactions of all schemas last until the
  // last active statement ends. So the running cursors are parked first.
  for (auto& [id, cursor] : cursors_) {
    if (cursor.running) Park(cursor);
  }
  auto victim = attached_.end();
  for (auto it = attached_.begin(); it != attached_.end(); ++it) {
    if (it->name == current_schema_ || Contains(keep, it->name) || PinnedByCursor(it->name)) continue;
    if (victim == attached_.end() || it->last_use < victim->last_use) victim = it;
  }
  if (victim == attached_.end()) return false;
  for (auto* texts : {&queries_, &single_rows_}) {
    for (auto& [sql, text] : *texts) {
      if (!Contains(text->qualifiers, victim->name)) continue;
      for (sqlite3_stmt* stmt : text->idle) sqlite3_finalize(stmt);
      text->idle.clear();
    }
  }
  if (RunInternal("DETACH DATABASE ?1", {victim->name}) != sql::kOk) return false;
  attached_.erase(victim);
  return true;
}

// Makes sure that every name of `names` that has a schema file is attached.
// Names without a file (table names and aliases used as qualifiers, unknown
// schemas) are left to SQLite, which reports their tables as missing.
long EmbeddedBackend::AttachSchemas(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    auto it = std::find_if(attached_.begin(), attached_.end(),
                           [&](const AttachedSchema& a) { return a.name == name; });
    if (it != attached_.end()) {
      it->last_use = ++use_clock_;
      continue;
    }
    if (!HasSchemaFile(name)) continue;
    if (static_cast<int>(attached_.size()) >= sqlite3_limit(db_, SQLITE_LIMIT_ATTACHED, -1)) {
      EvictOne(names);  // when none may go, the ATTACH below reports the limit
    }
    long status = Attach(name);
    if (status != sql::kOk) return status;
  }
  return sql::kOk;
}

void EmbeddedBackend::DropSchemaViews() {
  for (const std::string& view : schema_views_) RunInternal("DROP VIEW IF EXISTS temp." + QuoteName(view), {});
  schema_views_.clear();
}

// Creates a TEMP view "T" over "<schema>"."T" for every table and view of
// `schema`. SQLite looks up unqualified names in TEMP first.
long EmbeddedBackend::ShowSchema(const std::string& schema) {
  std::vector<std::string> names;
  auth_internal_ = true;
  sqlite3_stmt* stmt = nullptr;
  std::string list = "SELECT name FROM " + QuoteName(schema) +
                     ".sqlite_master WHERE type IN ('table','view') AND name NOT LIKE 'sqlite!_%' ESCAPE '!'";
  int rc = sqlite3_prepare_v2(db_, list.c_str(), -1, &stmt, nullptr);
  if (rc == SQLITE_OK) {
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    if (rc == SQLITE_DONE) rc = SQLITE_OK;
  }
  long status = rc == SQLITE_OK ? sql::kOk : StatusOf(rc);
  sqlite3_finalize(stmt);
  auth_internal_ = false;
  for (std::size_t k = 0; status == sql::kOk && k < names.size(); ++k) {
    status = RunInternal("CREATE TEMP VIEW " + QuoteName(names[k]) + " AS SELECT * FROM " + QuoteName(schema) +
                             "." + QuoteName(names[k]),
                         {});
    if (status == sql::kOk) schema_views_.push_back(names[k]);
  }
  return status;
}

long EmbeddedBackend::SetCurrentSchema(std::string_view name) {
  if (!IsIdentifierName(name)) return sql::kInvalidName;
  const std::string schema = UpperAscii(name);
  if (!HasSchemaFile(schema)) return sql::kUnknownSchema;
  long status = AttachSchemas({schema});
  if (status != sql::kOk) return status;
  if (schema == current_schema_) return sql::kOk;
  // Changing the TEMP views makes SQLite prepare every statement again at
  // its next run anyway. Preparing them again at their next open instead
  // reports a table the new schema lacks at the open, as Oracle does.
  ForgetIdleStatements();
  DropSchemaViews();
  current_schema_ = schema;
  status = ShowSchema(schema);
  if (status != sql::kOk) {
    DropSchemaViews();
    current_schema_.clear();
  }
  return status;
}

// ---- Statements

EmbeddedBackend::StatementText& EmbeddedBackend::Lookup(std::string_view statement, bool single_row) {
  auto& texts = single_row ? single_rows_ : queries_;
  std::string key(statement);
  auto it = texts.find(key);
  if (it != texts.end()) return *it->second;
  auto text = std::make_unique<StatementText>();
  std::string utf8 = Cp1252ToUtf8(statement);
  if (single_row) utf8 = RemoveIntoClause(utf8);
  text->sqlite_sql = RewriteOracleSql(utf8);
  text->qualifiers = Qualifiers(utf8);
  StatementText& result = *text;
  texts.emplace(std::move(key), std::move(text));
  return result;
}

// Hands out a prepared statement of `text` that no cursor uses, preparing a
// new one when there is none. Attaches the schemas the text names first.
long EmbeddedBackend::TakeStatement(StatementText& text, sqlite3_stmt*& stmt) {
  stmt = nullptr;
  long status = AttachSchemas(text.qualifiers);
  if (status != sql::kOk) return status;
  if (!text.idle.empty()) {
    stmt = text.idle.back();
    text.idle.pop_back();
    return sql::kOk;
  }
  auth_qualifiers_ = &text.qualifiers;
  auth_denied_ = false;
  ++prepare_count_;
  int rc = sqlite3_prepare_v3(db_, text.sqlite_sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
  if (rc != SQLITE_OK) {
    status = StatusOf(rc);
    sqlite3_finalize(stmt);
    stmt = nullptr;
    return status;
  }
  if (stmt == nullptr) return -(20000 + SQLITE_MISUSE);  // an empty text
  return sql::kOk;
}

// Takes back a statement after use. One that names a schema detached
// meanwhile is finalized rather than kept.
void EmbeddedBackend::ReleaseStatement(StatementText& text, sqlite3_stmt* stmt) {
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  for (const std::string& name : text.qualifiers) {
    bool attached = std::any_of(attached_.begin(), attached_.end(),
                                [&](const AttachedSchema& a) { return a.name == name; });
    if (!attached && HasSchemaFile(name)) {
      sqlite3_finalize(stmt);
      return;
    }
  }
  text.idle.push_back(stmt);
}

// One step; 0 with a row, 1403 at the end, or the mapped failure. SQLite may
// prepare the statement again inside the step (after a schema switch), so
// the authorizer gets the text's qualifiers here as well.
long EmbeddedBackend::Step(const StatementText& text, sqlite3_stmt* stmt) {
  auth_qualifiers_ = &text.qualifiers;
  auth_denied_ = false;
  int rc = sqlite3_step(stmt);
  if (rc == SQLITE_ROW) return sql::kOk;
  if (rc == SQLITE_DONE) return sql::kNoData;
  return StatusOf(rc);
}

long EmbeddedBackend::Execute(std::string_view statement) {
  std::string_view schema;
  if (ParseAlterSession(statement, schema)) return SetCurrentSchema(schema);
  std::string utf8 = Cp1252ToUtf8(statement);
  std::vector<std::string> qualifiers = Qualifiers(utf8);
  long status = AttachSchemas(qualifiers);
  if (status != sql::kOk) return status;
  std::string sqlite_sql = RewriteOracleSql(utf8);
  auth_qualifiers_ = &qualifiers;
  auth_denied_ = false;
  int rc = sqlite3_exec(db_, sqlite_sql.c_str(), nullptr, nullptr, nullptr);
  auth_qualifiers_ = nullptr;
  return rc == SQLITE_OK ? sql::kOk : StatusOf(rc);
}

long EmbeddedBackend::Open(sql::CursorId cursor, std::string_view statement, std::span<const sql::Value> binds) {
  Close(cursor);
  StatementText& text = Lookup(statement, false);
  sqlite3_stmt* stmt = nullptr;
  long status = TakeStatement(text, stmt);
  if (status != sql::kOk) return status;
  status = BindValues(stmt, binds);
  if (status != sql::kOk) {
    ReleaseStatement(text, stmt);
    return status;
  }
  CursorState state;
  state.text = &text;
  state.stmt = stmt;
  // The schemas the cursor reads stay attached until it is closed: those it
  // names and the current one, whose views resolve its unqualified names.
  state.schemas = text.qualifiers;
  if (!current_schema_.empty() && !Contains(state.schemas, current_schema_)) {
    state.schemas.push_back(current_schema_);
  }
  cursors_[cursor] = std::move(state);
  return sql::kOk;
}

long EmbeddedBackend::Fetch(sql::CursorId cursor, std::vector<sql::Value>& row) {
  auto it = cursors_.find(cursor);
  if (it == cursors_.end() || it->second.exhausted) return sql::kFetchOutOfSequence;
  CursorState& state = it->second;
  if (state.is_parked) {
    if (!state.parked.empty()) {
      row = std::move(state.parked.front());
      state.parked.pop_front();
      return sql::kOk;
    }
    state.exhausted = true;
    return state.parked_status;
  }
  long status = Step(*state.text, state.stmt);
  if (status == sql::kOk) {
    state.running = true;
    ReadRow(state.stmt, row);
  } else {
    state.running = false;
    state.exhausted = true;
    sqlite3_reset(state.stmt);  // ends the statement, so that it holds no schema
  }
  return status;
}

long EmbeddedBackend::Close(sql::CursorId cursor) {
  auto it = cursors_.find(cursor);
  if (it == cursors_.end()) return sql::kOk;
  ReleaseStatement(*it->second.text, it->second.stmt);
  cursors_.erase(it);
  return sql::kOk;
}

long EmbeddedBackend::SelectOne(std::string_view statement, std::span<const sql::Value> binds,
                                std::vector<sql::Value>& row) {
  StatementText& text = Lookup(statement, true);
  sqlite3_stmt* stmt = nullptr;
  long status = TakeStatement(text, stmt);
  if (status != sql::kOk) return status;
  status = BindValues(stmt, binds);
  if (status == sql::kOk) status = Step(text, stmt);
  if (status == sql::kOk) {
    ReadRow(stmt, row);
    long next = Step(text, stmt);
    if (next == sql::kOk) {
      status = sql::kTooManyRows;
    } else if (next != sql::kNoData) {
      status = next;
    }
  }
  ReleaseStatement(text, stmt);
  return status;
}

}  // namespace embedded

namespace sql {

long OpenEmbeddedDatabase(std::string_view directory, std::unique_ptr<Backend>& backend) {
  std::unique_ptr<embedded::EmbeddedBackend> embedded_backend;
  long status = embedded::OpenEmbeddedBackend(directory, embedded_backend);
  if (status == kOk) backend = std::move(embedded_backend);
  return status;
}

}  // namespace sql
