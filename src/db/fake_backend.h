// FakeBackend: a scripted Backend for tests of the runtime rules, the session
// and run control. Queries are answered by exact statement text.
#ifndef SSTRXK_DB_FAKE_BACKEND_H_
#define SSTRXK_DB_FAKE_BACKEND_H_

#include <map>
#include <string>
#include <vector>

#include "db/sql_backend.h"

namespace sql {

struct FakeQuery {
  long open_status = kOk;
  std::vector<std::vector<Value>> rows;
  long error_at_row = -1;     // fetch number (0-based) that fails, -1 none
  long error_status = -20001;
};

class FakeBackend : public Backend {
 public:
  long Execute(std::string_view statement) override;
  long Open(CursorId cursor, std::string_view statement, std::span<const Value> binds) override;
  long Fetch(CursorId cursor, std::vector<Value>& row) override;
  long Close(CursorId cursor) override;
  long SelectOne(std::string_view statement, std::span<const Value> binds, std::vector<Value>& row) override;

  std::map<std::string, FakeQuery> queries;  // by statement text
  long execute_status = kOk;
  std::vector<std::string> executed;         // texts given to Execute
  std::vector<std::vector<Value>> bound;     // binds of every Open / SelectOne

 private:
  struct OpenCursor {
    const FakeQuery* query = nullptr;
    std::size_t next = 0;
    bool done = false;
  };
  std::map<CursorId, OpenCursor> cursors_;
};

}  // namespace sql

#endif  // SSTRXK_DB_FAKE_BACKEND_H_
