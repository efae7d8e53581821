// Test support: a Backend that hands every statement to a real backend (the
// embedded database) and fails chosen statements on demand: the open, or a
// chosen fetch, of the cursors over one statement text, optionally only of
// those opened with a chosen first bound value. It also records the texts
// and values of every open.
#ifndef SSTRXK_EXPORT_TERMINAL_FAULT_BACKEND_FOR_TEST_H_
#define SSTRXK_EXPORT_TERMINAL_FAULT_BACKEND_FOR_TEST_H_

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "db/sql_backend.h"

namespace terminal_test {

struct Fault {
  std::string text;         // the statement text
  std::string first_bind;   // only cursors whose first bound value reads so; "" any
  bool on_open = false;     // the open (or single-row select) reports `status`
  long at_fetch = -1;       // else this fetch (0-based, over all matching
                            // cursors) reports `status`; -1: every fetch
  long status = -20001;
  long fetched = 0;         // fetches counted so far
};

class FaultBackend : public sql::Backend {
 public:
  explicit FaultBackend(std::unique_ptr<sql::Backend> inner) : inner_(std::move(inner)) {}

  long Execute(std::string_view statement) override;
  long Open(sql::CursorId cursor, std::string_view statement, std::span<const sql::Value> binds) override;
  long Fetch(sql::CursorId cursor, std::vector<sql::Value>& row) override;
  long Close(sql::CursorId cursor) override;
  long SelectOne(std::string_view statement, std::span<const sql::Value> binds,
                 std::vector<sql::Value>& row) override;

  std::vector<Fault> faults;
  // Every open and single-row select: the text and its bound values as text.
  std::vector<std::pair<std::string, std::vector<std::string>>> opened;
  std::vector<std::string> executed;

 private:
  std::vector<std::size_t> Matching(std::string_view statement, std::span<const sql::Value> binds, bool on_open);

  std::unique_ptr<sql::Backend> inner_;
  std::map<sql::CursorId, std::vector<std::size_t>> cursor_faults_;
};

// Installs a connector that opens the embedded database in `directory`
// behind a FaultBackend; `*backend` then points to it after each connect.
void ConnectThroughFaults(const std::string& directory, FaultBackend** backend);

}  // namespace terminal_test

#endif  // SSTRXK_EXPORT_TERMINAL_FAULT_BACKEND_FOR_TEST_H_
