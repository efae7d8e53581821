// FaultBackend (see fault_backend_for_test.h).
#include "export/terminal/fault_backend_for_test.h"

#include "db/sql_runtime.h"

namespace terminal_test {
namespace {

std::string AsText(const sql::Value& v) {
  switch (v.type) {
    case sql::Value::Type::kInt: return std::to_string(v.i);
    case sql::Value::Type::kReal: return std::to_string(v.r);
    case sql::Value::Type::kText: return v.text;
    case sql::Value::Type::kNull: break;
  }
  return "<null>";
}

}  // namespace

std::vector<std::size_t> FaultBackend::Matching(std::string_view statement, std::span<const sql::Value> binds,
                                                bool on_open) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < faults.size(); ++i) {
    const Fault& f = faults[i];
    if (f.on_open != on_open || f.text != statement) continue;
    if (!f.first_bind.empty() && (binds.empty() || AsText(binds[0]) != f.first_bind)) continue;
    found.push_back(i);
  }
  return found;
}

long FaultBackend::Execute(std::string_view statement) {
  executed.emplace_back(statement);
  return inner_->Execute(statement);
}

long FaultBackend::Open(sql::CursorId cursor, std::string_view statement, std::span<const sql::Value> binds) {
  std::vector<std::string> values;
  for (const sql::Value& v : binds) values.push_back(AsText(v));
  opened.emplace_back(std::string(statement), values);
  std::vector<std::size_t> at_open = Matching(statement, binds, true);
  if (!at_open.empty()) return faults[at_open.front()].status;
  cursor_faults_[cursor] = Matching(statement, binds, false);
  return inner_->Open(cursor, statement, binds);
}

long FaultBackend::Fetch(sql::CursorId cursor, std::vector<sql::Value>& row) {
  for (std::size_t i : cursor_faults_[cursor]) {
    Fault& f = faults[i];
    long n = f.fetched++;
    if (f.at_fetch == -1 || n == f.at_fetch) return f.status;
  }
  return inner_->Fetch(cursor, row);
}

long FaultBackend::Close(sql::CursorId cursor) {
  cursor_faults_.erase(cursor);
  return inner_->Close(cursor);
}

long FaultBackend::SelectOne(std::string_view statement, std::span<const sql::Value> binds,
                             std::vector<sql::Value>& row) {
  std::vector<std::string> values;
  for (const sql::Value& v : binds) values.push_back(AsText(v));
  opened.emplace_back(std::string(statement), values);
  std::vector<std::size_t> at_open = Matching(statement, binds, true);
  if (!at_open.empty()) return faults[at_open.front()].status;
  return inner_->SelectOne(statement, binds, row);
}

void ConnectThroughFaults(const std::string& directory, FaultBackend** backend) {
  sql::SetConnectorForTesting([directory, backend](std::string_view, std::unique_ptr<sql::Backend>& out) {
    std::unique_ptr<sql::Backend> inner;
    long status = sql::OpenEmbeddedDatabase(directory, inner);
    if (status != sql::kOk) return status;
    auto faulty = std::make_unique<FaultBackend>(std::move(inner));
    *backend = faulty.get();
    out = std::move(faulty);
    return sql::kOk;
  });
}

}  // namespace terminal_test
