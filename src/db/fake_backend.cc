// FakeBackend (see fake_backend.h).
#include "db/fake_backend.h"

namespace sql {

long FakeBackend::Execute(std::string_view statement) {
  executed.emplace_back(statement);
  return execute_status;
}

long FakeBackend::Open(CursorId cursor, std::string_view statement, std::span<const Value> binds) {
  bound.emplace_back(binds.begin(), binds.end());
  auto it = queries.find(std::string(statement));
  if (it == queries.end()) return kTableNotFound;
  if (it->second.open_status != kOk) return it->second.open_status;
  cursors_[cursor] = OpenCursor{&it->second, 0, false};
  return kOk;
}

long FakeBackend::Fetch(CursorId cursor, std::vector<Value>& row) {
  auto it = cursors_.find(cursor);
  if (it == cursors_.end() || it->second.done) return kFetchOutOfSequence;
  OpenCursor& c = it->second;
  if (static_cast<long>(c.next) == c.query->error_at_row) {
    c.done = true;
    return c.query->error_status;
  }
  if (c.next >= c.query->rows.size()) {
    c.done = true;
    return kNoData;
  }
  row = c.query->rows[c.next++];
  return kOk;
}

long FakeBackend::Close(CursorId cursor) {
  cursors_.erase(cursor);
  return kOk;
}

long FakeBackend::SelectOne(std::string_view statement, std::span<const Value> binds,
                            std::vector<Value>& row) {
  bound.emplace_back(binds.begin(), binds.end());
  auto it = queries.find(std::string(statement));
  if (it == queries.end()) return kTableNotFound;
  const FakeQuery& q = it->second;
  if (q.open_status != kOk) return q.open_status;
  if (q.rows.empty()) return kNoData;
  if (q.rows.size() > 1) return kTooManyRows;
  row = q.rows[0];
  return kOk;
}

}  // namespace sql
