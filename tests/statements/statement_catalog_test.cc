// The statement catalogue against the sample database: every statement text
// of the system runs on the embedded database built from sample/, through the
// SQL runtime, with the demo clock (Monday 2024-06-17 09:00:00), and delivers
// exactly the rows that the sample data is made to give. The expectations
// below follow from the sample scripts; the comments say why each row is
// there or not. Also covers the script runner that builds the database.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "db/db_statements.h"
#include "db/sql_runtime.h"
#include "export/sql/balance_statements.h"
#include "export/sql/master_statements.h"
#include "export/sql/terminal_statements.h"
#include "sql_script.h"

namespace fs = std::filesystem;

namespace {

using Row = std::vector<std::string>;
constexpr char kNull[] = "<null>";  // how a NULL column shows in a Row
constexpr char kDemoTime[] = "2024-06-17 09:00:00";

// ---------------------------------------------------------------------------
// The catalogue: every text with the number of schema placeholders ("%s"
// before a dot) and of input bind variables (for single-row texts the ones
// after the INTO list).

struct CatalogueEntry {
  const char* name;
  const char* text;
  int schemas;
  int inputs;
};

const std::vector<CatalogueEntry>& Catalogue() {
  static const std::vector<CatalogueEntry> entries = {
      {"kVls112Mnd", stmt::kVls112Mnd, 0, 0},
      {"kProductVersion", stmt::kProductVersion, 0, 1},
      {"kS20P", stmt::kS20P, 0, 0},
      {"kS20P_Sel", stmt::kS20P_Sel, 0, 1},
      {"kS20PTagesPlan", stmt::kS20PTagesPlan, 0, 3},
      {"kS20PUhrZeit", stmt::kS20PUhrZeit, 0, 1},
      {"kS35P", stmt::kS35P, 0, 0},
      {"kS35P_Sel", stmt::kS35P_Sel, 0, 1},
      {"kS41P", stmt::kS41P, 0, 0},
      {"kS41P_Sel", stmt::kS41P_Sel, 0, 1},
      {"kAswBkl", stmt::kAswBkl, 0, 0},
      {"kAswBkl_Sel", stmt::kAswBkl_Sel, 0, 1},
      {"kVlsAswDnl", stmt::kVlsAswDnl, 0, 1},
      {"kZKOzurBKL", stmt::kZKOzurBKL, 0, 1},
      {"kGetSchema", stmt::kGetSchema, 0, 2},
      {"k112Mnd", stmt::k112Mnd, 0, 0},
      {"kIDS", stmt::kIDS, 1, 1},
      {"kIDS_Sel", stmt::kIDS_Sel, 1, 2},
      {"kBsvMap", stmt::kBsvMap, 0, 1},
      {"kReadKst", stmt::kReadKst, 0, 1},
      {"kReadKstKal", stmt::kReadKstKal, 0, 1},
      {"kKst", stmt::kKst, 1, 0},
      {"kFtg", stmt::kFtg, 2, 0},
      {"kDi2Txt", stmt::kDi2Txt, 1, 3},
      {"kMst", stmt::kMst, 4, 1},
      {"kMdt", stmt::kMdt, 4, 0},
      {"kFcd", stmt::kFcd, 1, 0},
      {"kSald", stmt::kSald, 1, 1},
      {"kUrlaubsvortraege", stmt::kUrlaubsvortraege, 1, 1},
      {"kUrlaubstage", stmt::kUrlaubstage, 2, 2},
      {"kSchichtfreizeit", stmt::kSchichtfreizeit, 1, 1},
      {"kSchichtfreizeitJahr", stmt::kSchichtfreizeitJahr, 1, 1},
      {"kSaldenwerte", stmt::kSaldenwerte, 2, 2},
      {"kAmpelkonto", stmt::kAmpelkonto, 2, 2},
  };
  return entries;
}

bool IsSingleRowText(const std::string& text) { return text.find(" into :b0") != std::string::npos; }

// The numbers N of the ":bN" placeholders in order of appearance.
std::vector<int> BindNumbers(const std::string& text) {
  std::vector<int> numbers;
  for (std::size_t at = text.find(":b"); at != std::string::npos; at = text.find(":b", at + 2)) {
    numbers.push_back(std::atoi(text.c_str() + at + 2));
  }
  return numbers;
}

TEST(StatementCatalogue, PlaceholdersAreSchemaNamesOrNumberedBindVariables) {
  for (const CatalogueEntry& e : Catalogue()) {
    SCOPED_TRACE(e.name);
    const std::string text = e.text;
    // Every "%" starts a "%s" that qualifies a table; no value is pasted in.
    int schemas = 0;
    for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
      EXPECT_EQ(text.compare(at, 3, "%s."), 0) << "at " << at;
      ++schemas;
    }
    EXPECT_EQ(schemas, e.schemas);
    EXPECT_EQ(text.find("'%s'"), std::string::npos);
    EXPECT_EQ(text.find("%ld"), std::string::npos);
    // Bind variables are :b0, :b1, ... in order of appearance.
    std::vector<int> numbers = BindNumbers(text);
    for (std::size_t i = 0; i < numbers.size(); ++i) EXPECT_EQ(numbers[i], static_cast<int>(i));
    // A single-row text's INTO list holds the outputs; the rest are inputs.
    std::size_t from = IsSingleRowText(text) ? text.find(" from ") : 0;
    ASSERT_NE(from, std::string::npos);
    EXPECT_EQ(static_cast<int>(BindNumbers(text.substr(from)).size()), e.inputs);
  }
}

// ---------------------------------------------------------------------------
// Running one text through the SQL runtime.

// The runtime takes its bind values and host variables as initializer lists;
// the cases hold vectors of any length. Calls f with the elements of v as an
// initializer list (up to 24 of them).
template <typename T, typename F, std::size_t... I>
long CallWithList(const std::vector<T>& v, F f, std::index_sequence<I...>) {
  return f({v[I]...});
}
template <std::size_t N = 24, typename T, typename F>
long WithList(const std::vector<T>& v, F f) {
  if (v.size() == N) return CallWithList(v, f, std::make_index_sequence<N>{});
  if constexpr (N > 0) {
    return WithList<N - 1>(v, f);
  } else {
    ADD_FAILURE() << "too many values for one call: " << v.size();
    return -1;
  }
}

// Host variables for one row: a generous text buffer or a double per column,
// each with its own indicator, so that NULL and cutting can be told apart.
class HostRow {
 public:
  explicit HostRow(const std::string& kinds)
      : kinds_(kinds), texts_(kinds.size()), doubles_(kinds.size()), indicators_(kinds.size()) {
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
      if (kinds_[i] == 'd') {
        outs_.push_back(sql::Double(doubles_[i], &indicators_[i]));
      } else {
        outs_.push_back(sql::Text(texts_[i].data(), texts_[i].size(), &indicators_[i]));
      }
    }
  }
  HostRow(const HostRow&) = delete;  // the outputs point into this object
  HostRow& operator=(const HostRow&) = delete;
  const std::vector<sql::Out>& outs() const { return outs_; }

  void Clear() {
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
      texts_[i].fill('\0');
      doubles_[i] = 0.0;
      indicators_[i] = 0;
    }
  }

  Row Get() const {
    Row row;
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
      EXPECT_GE(indicators_[i], -1) << "column " << i;
      EXPECT_LE(indicators_[i], 0) << "column " << i << " was cut";
      if (indicators_[i] == -1) {
        row.push_back(kNull);
      } else if (kinds_[i] == 'd') {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%g", doubles_[i]);
        row.push_back(buf);
      } else {
        row.push_back(texts_[i].data());
      }
    }
    return row;
  }

 private:
  std::string kinds_;
  std::vector<std::array<char, 1001>> texts_;
  std::vector<double> doubles_;
  std::vector<std::int16_t> indicators_;
  std::vector<sql::Out> outs_;
};

// The text with every "%s" replaced by the schema name, as the jobs format
// their dynamic statements with CurrentSchema.
std::string WithSchema(const char* text, const std::string& schema) {
  std::string out = text;
  for (std::size_t at = out.find("%s"); at != std::string::npos; at = out.find("%s", at + schema.size())) {
    out.replace(at, 2, schema);
  }
  return out;
}

// One run of a statement text and what it must give.
struct Case {
  const char* name;
  const char* text;
  const char* schema;            // fills "%s" and is the session's current schema
  std::vector<sql::Value> binds;
  std::string kinds;             // per column: 't' fetched as text, 'd' as double
  std::vector<Row> rows;         // the rows, in any order
  std::vector<int> order;        // columns of the order clause; empty: any order
  long status = sql::kNoData;    // cursors: after the last row; single-row: the result
};

struct Result {
  long open_status = 0;
  std::vector<Row> rows;
  long status = 0;
};

Result RunCase(const Case& c) {
  Result result;
  EXPECT_EQ(sql::Execute(std::string("ALTER SESSION SET CURRENT_SCHEMA=") + c.schema), 0);
  const std::string text = WithSchema(c.text, c.schema);
  HostRow host(c.kinds);
  if (IsSingleRowText(text)) {
    host.Clear();
    result.status = WithList(c.binds, [&](std::initializer_list<sql::Value> binds) {
      return WithList(host.outs(), [&](std::initializer_list<sql::Out> outs) {
        return sql::SelectInto(text, binds, outs);
      });
    });
    if (result.status == 0) result.rows.push_back(host.Get());
    return result;
  }
  static sql::Cursor cursor;
  result.open_status = WithList(c.binds, [&](std::initializer_list<sql::Value> binds) {
    return sql::Open(cursor, text, binds);
  });
  if (result.open_status != 0) return result;
  for (;;) {
    host.Clear();
    result.status = WithList(host.outs(), [&](std::initializer_list<sql::Out> outs) {
      return sql::Fetch(cursor, outs);
    });
    if (result.status != 0 || result.rows.size() > 1000) break;
    result.rows.push_back(host.Get());
  }
  sql::Close(cursor);
  return result;
}

Row Key(const Row& row, const std::vector<int>& columns) {
  Row key;
  for (int c : columns) key.push_back(row.at(static_cast<std::size_t>(c)));
  return key;
}

std::string Show(const std::vector<Row>& rows) {
  std::string out;
  for (const Row& row : rows) {
    out += "  (";
    for (std::size_t i = 0; i < row.size(); ++i) out += (i ? "|" : "") + row[i];
    out += ")\n";
  }
  return out;
}

// ---------------------------------------------------------------------------
// Expected rows. Helpers spell out rows that repeat over days or terminals.

// The rows of a weekly plan (41P): one per weekday from `first` to `last`.
void AddPlan(std::vector<Row>* rows, const char* terminal, const char* plan, const char* reader,
             const char* zone, int first, int last, const char* from, const char* to) {
  for (int day = first; day <= last; ++day) {
    rows->push_back({terminal, "001", plan, reader, zone, std::to_string(day), from, to});
  }
}

// The outer rows of the door-release plan (20P): weekdays 1 to 7 of a reader.
void AddReaderWeek(std::vector<Row>* rows, const char* terminal, const char* reader) {
  for (int day = 1; day <= 7; ++day) rows->push_back({terminal, reader, std::to_string(day)});
}

// The holiday rows of every terminal with a reader: TERM01 (German), TERM02
// (English), TERM03 (no language). TERM99 has no reader.
std::vector<Row> Holidays(const std::vector<Row>& days) {
  std::vector<Row> rows;
  const std::pair<const char*, const char*> terminals[] = {{"TERM01", "1"}, {"TERM02", "2"}, {"TERM03", kNull}};
  for (const auto& [terminal, language] : terminals) {
    for (const Row& day : days) {
      Row row = {terminal};
      row.insert(row.end(), day.begin(), day.end());
      row.push_back(language);
      rows.push_back(row);
    }
  }
  return rows;
}

std::vector<Row> Plan41Area101() {
  std::vector<Row> rows;
  for (const char* reader : {"01", "02"}) {
    AddPlan(&rows, "TERM01", "500", reader, "1", 1, 5, "0600", "1200");
    AddPlan(&rows, "TERM01", "500", reader, "1", 1, 5, "1230", "1800");
    AddPlan(&rows, "TERM01", "500", reader, "2", 6, 6, "0700", "1200");
    AddPlan(&rows, "TERM01", "52001", reader, "6", 1, 5, "0800", "1600");
  }
  return rows;
}

// Area 102 uses calendar 2, where Saturday is a working day (type 1).
std::vector<Row> Plan41Area102() {
  std::vector<Row> rows;
  AddPlan(&rows, "TERM02", "500", "01", "5", 1, 6, "0000", "2400");
  AddPlan(&rows, "TERM02", "510", "01", "5", 1, 6, "0000", "2400");
  AddPlan(&rows, "TERM02", "510", "01", "6", 7, 7, "0800", "1600");
  return rows;
}

std::vector<Row> Concat(std::vector<Row> a, const std::vector<Row>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<Case> SystemCases() {
  using sql::In;
  std::vector<Row> s20p_all;
  AddReaderWeek(&s20p_all, "TERM01", "01");
  AddReaderWeek(&s20p_all, "TERM01", "02");
  AddReaderWeek(&s20p_all, "TERM02", "01");
  std::vector<Row> s20p_102;
  AddReaderWeek(&s20p_102, "TERM02", "01");
  const std::vector<Row> s35p_101 = {
      {"TERM01", "001", "500", "01", "01", "500", "101", "1", "1"},
      {"TERM01", "001", "500", "01", "01", "500", "101", "2", "0"},
      {"TERM01", "001", "500", "02", "02", "500", "101", "1", "1"},
      {"TERM01", "001", "500", "02", "02", "500", "101", "2", "0"},
      {"TERM01", "001", "52001", "01", "01", "52001", "101", "6", "1"},
      {"TERM01", "001", "52001", "02", "02", "52001", "101", "6", "1"},
  };
  const std::vector<Row> s35p_102 = {
      {"TERM02", "001", "500", "01", "01", "500", "102", "5", "0"},  // ZBRZTB NULL
      {"TERM02", "001", "510", "01", "01", "510", "102", "5", "2"},
      {"TERM02", "001", "510", "01", "01", "510", "102", "6", "1"},
  };
  return {
      // Clients 1 and 2; client 3 has MNDKON 1, its second row no schema.
      {"kVls112Mnd", stmt::kVls112Mnd, "VLSYSTEM", {}, "tttt",
       {{"00001", "1", "MANDANT1", "10001"}, {"00001", "2", "MANDANT2", "42381"}}, {}},
      // Every client, client 3's two rows as one; the umlauts in Windows-1252.
      {"k112Mnd", stmt::k112Mnd, "VLSYSTEM", {}, "tttttt",
       {{"00001", "1", "Werk Nord", "0", "20240301120000", "admin"},
        {"00001", "2", "B\xE4" "ckerei S\xFC" "d", "0", "20240514074510", "schmidt"},
        {"00001", "3", kNull, "1", kNull, "admin"}},
       {1}},
      // 05.40, 05.90 and NULL (counted as 00.00) of 7418-002; 7418-001 not.
      {"kProductVersion", stmt::kProductVersion, "VLSYSTEM", {In("7418-002%")}, "t", {{"05.90"}}, {}, 0},
      {"kProductVersion, no licence", stmt::kProductVersion, "VLSYSTEM", {In("9999%")}, "t", {{kNull}}, {}, 0},
      // Three readers in use (TERM02 reader 3 lies in a retired area, TERM03
      // reader 1 is retired), each on all seven days of the coming week.
      {"kS20P", stmt::kS20P, "VLSYSTEM", {}, "ttt", s20p_all, {0, 1, 2}},
      {"kS20P_Sel", stmt::kS20P_Sel, "VLSYSTEM", {In("102")}, "ttt", s20p_102, {0, 1, 2}},
      // Reader 2 of TERM01 has its own class 11: zones 1 and 3 on working days.
      {"kS20PTagesPlan, two zones", stmt::kS20PTagesPlan, "VLSYSTEM", {In("TERM01"), In("02"), In("1")}, "t",
       {{"1"}, {"3"}}, {}},
      {"kS20PTagesPlan, Saturday", stmt::kS20PTagesPlan, "VLSYSTEM", {In("TERM01"), In("01"), In("6")}, "t",
       {{"2"}}, {}},
      // Sunday's rule of class 10 uses the retired zone 7: no zone at all.
      {"kS20PTagesPlan, Sunday", stmt::kS20PTagesPlan, "VLSYSTEM", {In("TERM01"), In("01"), In("7")}, "t", {}, {}},
      // Calendar 2 of area 102 makes Saturday a working day.
      {"kS20PTagesPlan, calendar 2", stmt::kS20PTagesPlan, "VLSYSTEM", {In("TERM02"), In("01"), In("6")}, "t",
       {{"5"}}, {}},
      {"kS20PUhrZeit, two intervals", stmt::kS20PUhrZeit, "VLSYSTEM", {In("1")}, "tt",
       {{"0600", "1200"}, {"1230", "1800"}}, {}},
      {"kS20PUhrZeit, whole day", stmt::kS20PUhrZeit, "VLSYSTEM", {In("5")}, "tt", {{"0000", "2400"}}, {}},
      {"kS20PUhrZeit, no such zone", stmt::kS20PUhrZeit, "VLSYSTEM", {In("4")}, "tt", {}, {}},
      // Rules of area 101 (the retired rule of class 510 left out) for both
      // readers of TERM01, rules of area 102 for TERM02; nothing of area 199.
      {"kS35P", stmt::kS35P, "VLSYSTEM", {}, "ttttttttt", Concat(s35p_101, s35p_102), {0, 1, 2, 3}},
      {"kS35P_Sel", stmt::kS35P_Sel, "VLSYSTEM", {In("101")}, "ttttttttt", s35p_101, {0, 1, 2, 3}},
      {"kS41P", stmt::kS41P, "VLSYSTEM", {}, "tttttttt", Concat(Plan41Area101(), Plan41Area102()),
       {0, 1, 2, 3, 5, 6}},
      {"kS41P_Sel", stmt::kS41P_Sel, "VLSYSTEM", {In("102")}, "tttttttt", Plan41Area102(), {0, 1, 2, 3, 5, 6}},
      // Valid today: not 10000001's 52001 (ended yesterday) nor 10000003's
      // 500 (starts tomorrow).
      {"kAswBkl", stmt::kAswBkl, "VLSYSTEM", {}, "ttttt",
       {{"10000001", "500", "00001", "1", "1"},
        {"10000001", "510", "00001", "1", "0"},
        {"10000002", "500", "00001", "1", "1"},
        {"10000003", "52001", "00001", "1", "1"},
        {"20000001", "500", "00001", "2", "1"},
        {"20000001", "510", "00001", "2", "0"},
        {"20000002", "510", "00001", "2", "1"}},
       {0, 1}},
      {"kAswBkl_Sel", stmt::kAswBkl_Sel, "VLSYSTEM", {In("10000001")}, "ttttt",
       {{"10000001", "500", "00001", "1", "1"}, {"10000001", "510", "00001", "1", "0"}}, {0, 1}},
      {"kAswBkl_Sel, ended badge", stmt::kAswBkl_Sel, "VLSYSTEM", {In("10000004")}, "ttttt", {}, {}},
      {"kVlsAswDnl", stmt::kVlsAswDnl, "VLSYSTEM", {In("DEMOKEY0000001")}, "ttttttttttt",
       {{"DEMOKEY0000001", "1", "1", "00001", "10000001", "0", "N", "N", kNull, "0", "admin"},
        {"DEMOKEY0000001", "2", "2", "00001", "20000001", "0", "N", "N", kNull, "0", "schmidt"}},
       {1}},
      {"kVlsAswDnl, unknown key", stmt::kVlsAswDnl, "VLSYSTEM", {In("DEMOKEY0000009")}, "ttttttttttt", {}, {}},
      // The control areas of class 500's rules, retired ones included.
      {"kZKOzurBKL", stmt::kZKOzurBKL, "VLSYSTEM", {In("500")}, "t", {{"101"}, {"102"}, {"199"}}, {}},
      {"kZKOzurBKL, visitors", stmt::kZKOzurBKL, "VLSYSTEM", {In("52001")}, "t", {{"101"}}, {}},
      {"kGetSchema", stmt::kGetSchema, "VLSYSTEM", {In("2"), In("00001")}, "t", {{"MANDANT2"}}, {}, 0},
      {"kGetSchema, two rows", stmt::kGetSchema, "VLSYSTEM", {In("3"), In("00001")}, "t", {}, {}, sql::kTooManyRows},
      {"kGetSchema, no client", stmt::kGetSchema, "VLSYSTEM", {In("1"), In("00002")}, "t", {}, {}, sql::kNoData},
  };
}

std::vector<Case> MasterCases() {
  using sql::In;
  const Row badge_10000001 = {"10000001", "10001", "20200101", kNull, "1001", "M\xFCller, Anna", "1", "500", "4711",
                              "A", "VW", "00001", "1", "1", "Stammausweis", "1", "Frau", "0", "20240603081200",
                              "admin"};
  const std::vector<Row> holidays_1 = {
      {"2023", "20231225", "Feiertag", "F", "1", "20"}, {"2023", "20231226", "Feiertag", "F", "1", "20"},
      {"2024", "20240101", "Feiertag", "F", "1", "20"}, {"2024", "20240501", "Feiertag", "F", "1", "20"},
      {"2024", "20240501", "Feiertag", "F", "2", "20"}, {"2024", "20240815", "Feiertag", "F", "2", "20"},
      {"2024", "20241224", "Halber Feiertag", "H", "1", "21"}, {"2024", "20241225", "Feiertag", "F", "1", "20"},
      {"2025", "20250101", "Feiertag", "F", "1", "20"},
  };
  const std::vector<Row> holidays_2 = {
      {"2023", "20231003", "Feiertag", "F", "1", "20"}, {"2024", "20241003", "Feiertag", "F", "1", "20"},
      {"2024", "20241225", "Feiertag", "F", "1", "20"}, {"2025", "20251225", "Feiertag", "F", "1", "20"},
  };
  return {
      // Badges of client 1 valid today: 10000002 ends today, 10000003 starts
      // today; 10000004 ended yesterday, 10000005 starts tomorrow.
      {"kIDS", stmt::kIDS, "MANDANT1", {In("1")}, std::string(20, 't'),
       {badge_10000001,
        {"10000002", "10001", "20230601", "20240617", "1002", "Schmidt, Bernd", "1", "500", "1234", "A", "PR",
         "00001", "1", "1", "Stammausweis", "1", "Herr", "0", "20230530164005", "admin"},
        {"10000003", "10001", "20240617", "20251231", "1003", "Nguyen, Lan", "2", "52001", kNull, "G", "GA",
         "00001", "1", "2", "Gastausweis", "2", kNull, "0", "20240614110000", "empfang"}},
       {}},
      // Client 2: 20000003 has no start date and is not valid.
      {"kIDS, client 2", stmt::kIDS, "MANDANT2", {In("2")}, std::string(20, 't'),
       {{"20000001", "42381", "20210301", kNull, "2001", "\xD6zt\xFCrk, Mehmet", "1", "500", "2580", "B", "BA",
         "00001", "2", "1", "Stammausweis", "1", "Herr", "0", "20240220093000", "schmidt"},
        {"20000002", "42381", "20240101", "20241231", "2002", "Schulz, Petra", "1", "510", "3690", "B", "VK",
         "00001", "2", "1", "Stammausweis", "1", "Frau", "0", "20240102100000", "schmidt"}},
       {}},
      {"kIDS_Sel", stmt::kIDS_Sel, "MANDANT1", {In("10000001"), In("1")}, std::string(20, 't'), {badge_10000001}, {}},
      {"kIDS_Sel, ended badge", stmt::kIDS_Sel, "MANDANT1", {In("10000004"), In("1")}, std::string(20, 't'), {}, {}},
      {"kIDS_Sel, other client", stmt::kIDS_Sel, "MANDANT1", {In("10000001"), In("2")}, std::string(20, 't'), {}, {}},
      {"kBsvMap", stmt::kBsvMap, "MANDANT1", {In("1001")}, "t", {{"2"}}, {}, 0},
      {"kBsvMap, NULL value", stmt::kBsvMap, "MANDANT1", {In("1002")}, "t", {{"0"}}, {}, 0},
      {"kBsvMap, two current rows", stmt::kBsvMap, "MANDANT1", {In("1003")}, "t", {}, {}, sql::kTooManyRows},
      {"kBsvMap, client 2", stmt::kBsvMap, "MANDANT2", {In("2001")}, "t", {{"1"}}, {}, 0},
      {"kBsvMap, ended yesterday", stmt::kBsvMap, "MANDANT2", {In("2002")}, "t", {}, {}, sql::kNoData},
      {"kReadKst", stmt::kReadKst, "MANDANT1", {In("1001")}, "t", {{"K100"}}, {}, 0},
      {"kReadKst, no row", stmt::kReadKst, "MANDANT1", {In("1003")}, "t", {}, {}, sql::kNoData},
      {"kReadKstKal", stmt::kReadKstKal, "MANDANT1", {In("1002")}, "tt", {{"K200", "S2"}}, {}, 0},
      {"kReadKstKal, no calendar", stmt::kReadKstKal, "MANDANT2", {In("2002")}, "tt", {{"K910", kNull}}, {}, 0},
      // K400 and K500 are retired; blanks at the end arrive as stored.
      {"kKst", stmt::kKst, "MANDANT1", {}, "tttt",
       {{"K100", "Verwaltung", "admin", "12"}, {"K200", "Produktion   ", "admin", "-3"},
        {"K300", "Lager", "meier", kNull}},
       {0}},
      {"kKst, client 2", stmt::kKst, "MANDANT2", {}, "tttt",
       {{"K900", "Filiale S\xFC" "d", "schmidt", "1"}, {"K910", "Backstube\t", "schmidt", "4"}}, {0}},
      // Holidays from 2023 on (not 2022-12-26) of both calendars, for each
      // terminal with a reader, TERM02 once although it has two.
      {"kFtg", stmt::kFtg, "MANDANT1", {}, "tttttttt", Holidays(holidays_1), {0, 2, 5}},
      {"kFtg, client 2", stmt::kFtg, "MANDANT2", {}, "tttttttt", Holidays(holidays_2), {0, 2, 5}},
      {"kDi2Txt, German", stmt::kDi2Txt, "MANDANT1", {In("20#"), In("TT2TXT"), In(1)}, "t",
       {{"Gesetzlicher Feiertag"}}, {}},
      {"kDi2Txt, English", stmt::kDi2Txt, "MANDANT1", {In("21#"), In("TT2TXT"), In(2)}, "t", {{"Half holiday"}}, {}},
      {"kDi2Txt, empty text", stmt::kDi2Txt, "MANDANT1", {In("21#"), In("TT2TXT"), In(1)}, "t", {{kNull}}, {}},
      {"kDi2Txt, other field", stmt::kDi2Txt, "MANDANT1", {In("20#"), In("TT2KRT"), In(2)}, "t", {{"P"}}, {}},
      {"kDi2Txt, no language", stmt::kDi2Txt, "MANDANT1", {In("20#"), In("TT2TXT"), In(0)}, "t", {}, {}},
      // Entries ending on or after 2023-03-01 00:00 with status below 16 and
      // a function code for the terminals; 1004 (badge ended) and 4711 (no
      // badge) get the substitute number.
      {"kMst", stmt::kMst, "MANDANT1", {In("1")}, "ttttttttttt",
       {{"10000001", "3", "27.02.2023 - 02.03.2023", "Dienstreise", " ", "D", "K100", "20230227", "Verwaltung",
         kNull, "3"},
        {"10000001", "7", "04.03.2024 - 04.03.2024", "Urlaub", " ", "U", "K100", "20240304", "Verwaltung", "0815",
         "1"},
        {"10000001", "5", "01.04.2024 - 03.04.2024", "Krankheit", " ", "K", "K100", "20240401", "Verwaltung", kNull,
         "2"},
        {"10000001", "2", "03.06.2024 - 05.06.2024", "Urlaub", " ", "U", "K100", "20240603", "Verwaltung", kNull,
         "1"},
        {"10000002", "10", "06.11.2023 - 08.11.2023", "Krankheit", " ", "K", "K200", "20231106", "Produktion",
         kNull, "2"},
        {"10000002", "13", "17.06.2024 - 21.06.2024", "Urlaub", " ", "U", "K200", "20240617", "Lager", kNull, "1"},
        {"10000003", "9", "13.05.2024 - 14.05.2024", "Gleitzeitausgleich", " ", " ", kNull, "20240513", "Einkauf",
         kNull, "5"},
        {"1_1004", "2", "21.05.2024 - 22.05.2024", "Urlaub", " ", "U", "K300", "20240521", "Versand", kNull, "1"},
        {"1_4711", "3", "12.02.2024 - 16.02.2024", "Krankheit", " ", "K", "K300", "20240212", "Technik", kNull,
         "2"}},
       {0, 7}},
      {"kMst, client 2", stmt::kMst, "MANDANT2", {In("2")}, "ttttttttttt",
       {{"20000001", "2", "10.06.2024 - 12.06.2024", "Urlaub", " ", "U", "K900", "20240610", "Backstube", kNull,
         "1"},
        {"2_2003", "3", "06.05.2024 - 06.05.2024", "Krankheit", " ", "K", "K910", "20240506", "Verkauf", kNull,
         "2"}},
       {0, 7}},
      // Days with target time of entries with status 2, 3, 5, 7, 9 or 10 and
      // a short text, for badges valid today, the day text ordered as text.
      {"kMdt", stmt::kMdt, "MANDANT1", {}, "ttttttt",
       {{"01.04.2024", "10000001", "Krankheit", " ", "5", "K", "2"},
        {"02.03.2023", "10000001", "Dienstreise", " ", "3", "D", "3"},
        {"03.04.2024", "10000001", "Krankheit", " ", "5", "K", "2"},
        {"03.06.2024", "10000001", "Urlaub", " ", "2", "U", "1"},
        {"04.03.2024", "10000001", "Urlaub", " ", "7", "U", "1"},
        {"04.06.2024", "10000001", "Urlaub", " ", "2", "U", "1"},
        {"05.06.2024", "10000001", "Urlaub", " ", "2", "U", "1"},
        {"27.02.2023", "10000001", "Dienstreise", " ", "3", "D", "3"},
        {"07.11.2023", "10000002", "Krankheit", " ", "10", "K", "2"},
        {"10.06.2024", "10000003", "Schulung", " ", "2", "S", "4"}},
       {1, 0}},
      {"kMdt, client 2", stmt::kMdt, "MANDANT2", {}, "ttttttt",
       {{"10.06.2024", "20000001", "Urlaub", " ", "2", "U", "1"},
        {"11.06.2024", "20000001", "Urlaub", " ", "2", "U", "1"},
        {"12.06.2024", "20000001", "Urlaub", " ", "2", "U", "1"}},
       {1, 0}},
      {"kFcd", stmt::kFcd, "MANDANT1", {}, "ttttt",
       {{"1", "U", "Urlaub", "1", "10"}, {"2", "K", "Krankheit", "1", "20"}, {"3", "D", "Dienstreise", "2", kNull},
        {"5", " ", "Gleitzeitausgleich", "3", "50"}},
       {0}},
  };
}

std::vector<Case> BalanceCases() {
  using sql::In;
  return {
      // 20000003 has only an end date and is valid for the balance file.
      {"kSald", stmt::kSald, "MANDANT1", {In("1")}, "ttttt",
       {{"10000001", "10001", "00001", "1", "1001"}, {"10000002", "10001", "00001", "1", "1002"},
        {"10000003", "10001", "00001", "1", "1003"}},
       {}},
      {"kSald, client 2", stmt::kSald, "MANDANT2", {In("2")}, "ttttt",
       {{"20000001", "42381", "00001", "2", "2001"}, {"20000002", "42381", "00001", "2", "2002"},
        {"20000003", "42381", "00001", "2", "2003"}},
       {}},
      // UVJ, UAN, ULJ = urvgur - urvvjr + urvvtg, of the current year.
      {"kUrlaubsvortraege", stmt::kUrlaubsvortraege, "MANDANT1", {In("1001")}, "ddd", {{"5.5", "30", "26.5"}}, {}},
      {"kUrlaubsvortraege, NULLs", stmt::kUrlaubsvortraege, "MANDANT1", {In("1003")}, "ddd", {{"0", "28", "28"}}, {}},
      {"kUrlaubsvortraege, no row", stmt::kUrlaubsvortraege, "MANDANT1", {In("4711")}, "ddd", {}, {}},
      // The row dated today counts (before 09:00), tomorrow's does not.
      {"kUrlaubstage", stmt::kUrlaubstage, "MANDANT1", {In("1001"), In("1001")}, "ddd", {{"12.5", "3", "14.5"}}, {}},
      {"kUrlaubstage, no row", stmt::kUrlaubstage, "MANDANT1", {In("1003"), In("1003")}, "ddd", {}, {}},
      {"kSchichtfreizeit", stmt::kSchichtfreizeit, "MANDANT1", {In("1001")}, "ddddd",
       {{"4", "2", "1.5", "0.5", "0"}}, {}},
      {"kSchichtfreizeit, NULL", stmt::kSchichtfreizeit, "MANDANT1", {In("1002")}, "ddddd",
       {{"1", "1", "0", "0", kNull}}, {}},
      {"kSchichtfreizeit, not yesterday", stmt::kSchichtfreizeit, "MANDANT1", {In("1003")}, "ddddd", {}, {}},
      {"kSchichtfreizeitJahr", stmt::kSchichtfreizeitJahr, "MANDANT1", {In("1001")}, "d", {{"1"}}, {}},
      {"kSchichtfreizeitJahr, no row", stmt::kSchichtfreizeitJahr, "MANDANT1", {In("1002")}, "d", {}, {}},
      // Kind-1 row of 2024-06-16; the sixth sum lacks its correction value.
      {"kSaldenwerte", stmt::kSaldenwerte, "MANDANT1", {In("1001"), In("1001")}, "tttttttt",
       {{"20240616", "30", "45", "-45", "0", "120", kNull, "50"}}, {}},
      {"kSaldenwerte, no row", stmt::kSaldenwerte, "MANDANT1", {In("1003"), In("1003")}, "tttttttt", {}, {}},
      {"kAmpelkonto", stmt::kAmpelkonto, "MANDANT1", {In("1001"), In("1001")}, "t", {{"3"}}, {}},
      {"kAmpelkonto, zero", stmt::kAmpelkonto, "MANDANT1", {In("1002"), In("1002")}, "t", {{"0"}}, {}},
      {"kAmpelkonto, no row", stmt::kAmpelkonto, "MANDANT1", {In("1003"), In("1003")}, "t", {}, {}},
  };
}

// ---------------------------------------------------------------------------

// A new empty directory under the system's temporary directory.
fs::path MakeTempDir(const char* prefix) {
  std::random_device random;
  std::error_code ec;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path dir = fs::temp_directory_path(ec) / (prefix + std::to_string(random()));
    if (!ec && fs::create_directory(dir, ec) && !ec) return dir;
  }
  return {};
}

// Sets SSTRXK_FIXED_DATE, the database's SYSDATE; nullptr removes it.
void SetFixedDate(const char* value) {
#ifdef _WIN32
  _putenv_s("SSTRXK_FIXED_DATE", value != nullptr ? value : "");
#else
  if (value != nullptr) {
    setenv("SSTRXK_FIXED_DATE", value, 1);
  } else {
    unsetenv("SSTRXK_FIXED_DATE");
  }
#endif
}

class SampleDatabase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = MakeTempDir("sstrxk_sample_");
    ASSERT_FALSE(dir_.empty());
    std::string error;
    ASSERT_TRUE(BuildSampleDatabase(SSTRXK_SAMPLE_DIR, dir_, &error)) << error;
    SetFixedDate(kDemoTime);
    ASSERT_EQ(sql::Connect("demo/demo@sqlite:" + dir_.string()), 0);
  }
  static void TearDownTestSuite() {
    SetFixedDate(nullptr);
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  static void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      Result r = RunCase(c);
      ASSERT_EQ(r.open_status, 0);
      EXPECT_EQ(r.status, c.status);
      std::vector<Row> expected = c.rows;
      std::vector<Row> actual = r.rows;
      if (!c.order.empty()) {
        // The order clause decides the order of the keys. String order is
        // the database's here: every numeric key of the sample has one digit.
        std::vector<Row> expected_keys;
        for (const Row& row : expected) expected_keys.push_back(Key(row, c.order));
        std::stable_sort(expected_keys.begin(), expected_keys.end());
        std::vector<Row> actual_keys;
        for (const Row& row : actual) actual_keys.push_back(Key(row, c.order));
        EXPECT_EQ(actual_keys, expected_keys) << "order of\n" << Show(actual);
      }
      std::sort(expected.begin(), expected.end());
      std::sort(actual.begin(), actual.end());
      EXPECT_EQ(actual, expected) << "got\n" << Show(actual) << "expected\n" << Show(expected);
    }
  }

  static fs::path dir_;
};

fs::path SampleDatabase::dir_;

TEST_F(SampleDatabase, TerminalAndSessionStatementsGiveTheSampleRows) { Check(SystemCases()); }

TEST_F(SampleDatabase, MasterDataStatementsGiveTheSampleRows) { Check(MasterCases()); }

TEST_F(SampleDatabase, BalanceStatementsGiveTheSampleRows) { Check(BalanceCases()); }

TEST(StatementCatalogue, EveryTextIsRunAgainstTheSampleDatabase) {
  std::vector<Case> cases = SystemCases();
  for (auto more : {MasterCases(), BalanceCases()}) cases.insert(cases.end(), more.begin(), more.end());
  for (const CatalogueEntry& e : Catalogue()) {
    SCOPED_TRACE(e.name);
    int uses = 0;
    for (const Case& c : cases) {
      if (c.text != e.text) continue;
      ++uses;
      EXPECT_EQ(static_cast<int>(c.binds.size()), e.inputs) << c.name;
    }
    EXPECT_GT(uses, 0);
  }
}

// ---------------------------------------------------------------------------
// The script runner.

int CountRows(const fs::path& db_file, const char* table) {
  sqlite3* db = nullptr;
  int count = -1;
  if (sqlite3_open_v2(db_file.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* st = nullptr;
    std::string query = std::string("SELECT count(*) FROM ") + table;
    if (sqlite3_prepare_v2(db, query.c_str(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
      count = sqlite3_column_int(st, 0);
    }
    sqlite3_finalize(st);
  }
  sqlite3_close(db);
  return count;
}

TEST(SqlScript, RunsEveryStatementAndNamesTheOneThatFails) {
  fs::path dir = MakeTempDir("sstrxk_script_");
  ASSERT_FALSE(dir.empty());
  const fs::path db = dir / "X.db";
  std::string error;
  EXPECT_TRUE(RunSqlScript(db, "-- two rows\nCREATE TABLE T (A INTEGER);\nINSERT INTO T VALUES (1), (2);\n", &error))
      << error;
  EXPECT_TRUE(RunSqlScript(db, "INSERT INTO T VALUES (3);", &error)) << error;  // opens the existing file
  EXPECT_FALSE(RunSqlScript(db, "INSERT INTO T VALUES (4);\n  INSERT INTO NOPE VALUES (5);\nINSERT INTO T VALUES (6);",
                            &error));
  EXPECT_NE(error.find("no such table: NOPE"), std::string::npos) << error;
  EXPECT_NE(error.find("INSERT INTO NOPE VALUES (5);"), std::string::npos) << error;
  EXPECT_EQ(CountRows(db, "T"), 4);  // the statement before the failing one stays applied
  EXPECT_FALSE(RunSqlScript(dir / "missing" / "Y.db", "SELECT 1;", &error));
  fs::remove_all(dir);
}

TEST(SqlScript, BuildSampleDatabaseReplacesTheSchemaFilesOnly) {
  fs::path dir = MakeTempDir("sstrxk_build_");
  ASSERT_FALSE(dir.empty());
  std::ofstream(dir / "VLSYSTEM.db") << "not a database";
  std::ofstream(dir / "notes.txt") << "kept";
  std::string error;
  ASSERT_TRUE(BuildSampleDatabase(SSTRXK_SAMPLE_DIR, dir, &error)) << error;
  EXPECT_EQ(CountRows(dir / "VLSYSTEM.db", "VLS112MND"), 4);
  EXPECT_EQ(CountRows(dir / "MANDANT1.db", "VLS300PNR"), 6);
  EXPECT_EQ(CountRows(dir / "MANDANT2.db", "VLS300PNR"), 3);
  ASSERT_TRUE(BuildSampleDatabase(SSTRXK_SAMPLE_DIR, dir, &error)) << error;  // again, not doubled
  EXPECT_EQ(CountRows(dir / "MANDANT1.db", "VLS300PNR"), 6);
  EXPECT_TRUE(fs::exists(dir / "notes.txt"));
  EXPECT_FALSE(BuildSampleDatabase(dir / "no-sample", dir, &error));
  EXPECT_NE(error.find("system.sql"), std::string::npos) << error;
  fs::remove_all(dir);
}

}  // namespace
