// Shared fixture of the badge, cost-centre and function-code end-to-end
// tests: an installation tree whose schemas have the sample's tables, the
// output file under <root>/transfer, and helpers to compare records.
#ifndef SSTRXK_TESTS_E2E_MASTER_BADGES_E2E_H_
#define SSTRXK_TESTS_E2E_MASTER_BADGES_E2E_H_

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "install_tree.h"

class BadgesE2E : public ::testing::Test {
 protected:
  // `file_name`: the output file's name under <root>/transfer.
  void Prepare(const std::string& file_name) {
    tree.WriteStandardConfig();
    tree.RunSql("VLSYSTEM", Ddl("system.sql"));
    out = tree.root() / "transfer" / file_name;
    std::filesystem::create_directories(out.parent_path());
  }

  // A client schema with the sample's client tables.
  void ClientSchema(const std::string& schema) { tree.RunSql(schema, Ddl("client.sql")); }

  // A client row of the client table; `schema` is an SQL expression.
  void ClientRowSql(const std::string& number, const std::string& kon, const std::string& schema,
                    const std::string& licence = "00001") {
    tree.RunSql("VLSYSTEM", "INSERT INTO VLS112MND (MNDLIZ, MNDNUM, MNDKON, MNDSCH, MNDSTO) VALUES ('" + licence +
                                "', '" + number + "', " + kon + ", " + schema + ", '10001');");
  }

  // Clients 2 (licence 00002) and 1 (licence 00001), in this table order,
  // with schemas MANDANT2 and MANDANT1; besides them client 3 (MNDKON 1,
  // schema MANDANT3) and client 4 (no schema), which are never visited.
  void TwoClientsAndTwoSkipped() {
    ClientSchema("MANDANT1");
    ClientSchema("MANDANT2");
    ClientSchema("MANDANT3");
    ClientRowSql("2", "0", "'MANDANT2'", "00002");
    ClientRowSql("3", "1", "'MANDANT3'");  // MNDKON 1: not visited
    ClientRowSql("4", "0", "NULL");        // no schema: not visited
    ClientRowSql("1", "0", "'MANDANT1'", "00001");
  }

  std::string Ddl(const std::string& file) const {
    return tree.ReadFile(std::filesystem::path(SSTRXK_SAMPLE_DIR) / "ddl" / file);
  }

  std::string Out() const { return tree.ReadFile(out); }

  InstallTree tree;
  std::filesystem::path out;
};

// The lines of `file`, each with its CR LF, sorted: for records whose order
// within one client the database chooses.
inline std::vector<std::string> SortedLines(const std::string& file) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < file.size()) {
    std::size_t end = file.find("\r\n", pos);
    end = end == std::string::npos ? file.size() : end + 2;
    lines.push_back(file.substr(pos, end - pos));
    pos = end;
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

inline std::vector<std::string> Sorted(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

inline std::string Day(const std::string& date) { return "unixepoch('" + date + "')/86400.0"; }

#endif  // SSTRXK_TESTS_E2E_MASTER_BADGES_E2E_H_
