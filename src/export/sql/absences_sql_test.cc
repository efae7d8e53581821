// The cursors of the holiday and employee files on small embedded databases:
// the month window of the status and detail cursors, counted from midnight
// of the window's first day whatever the time of day of the run, and the
// refusal of a schema name that is no identifier.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "db/embedded/fixed_date_for_test.h"
#include "db/sql_runtime.h"
#include "export/master/absences_test_db.h"
#include "export/sql/ftg_sql.h"
#include "export/sql/master_statements.h"
#include "export/sql/mdt_sql.h"
#include "export/sql/mst_sql.h"
#include "export/sql/schema_statement.h"
#include "runctl/run_state.h"

namespace {

// `text` with its month window counted from the moment of the run instead
// of from midnight: the form that lost entries ending on the first day.
std::string AtTimeOfRun(const std::string& text) {
  const std::string window = "add_months(trunc(CURRENT_DATE), -16)";
  std::string at_run = text;
  std::size_t at = at_run.find(window);
  if (at == std::string::npos || at_run.find(window, at + 1) != std::string::npos) return "<window not once>";
  at_run.replace(at, window.size(), "add_months(CURRENT_DATE, -16)");
  return at_run;
}

TEST(MonthWindowText, BothCursorsCountTheWindowFromMidnight) {
  EXPECT_NE(AtTimeOfRun(stmt::kMst), "<window not once>");
  EXPECT_NE(AtTimeOfRun(stmt::kMdt), "<window not once>");
}

// Entries ending around the first day of the window, at midnight and at
// noon, each with its own function code whose text names the entry
// ("d-1 00:00" ends the day before the first day, at midnight). One person
// and badge per time of day, so that the detail file's days stay apart.
struct Entry {
  int day_offset;  // days after the window's first day
  int hour;        // 0 or 12
  std::string label() const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "d%+d %02d:00", day_offset, hour);
    return buf;
  }
};

std::vector<Entry> EntriesAround() {
  std::vector<Entry> entries;
  for (int offset = -2; offset <= 2; ++offset) {
    for (int hour : {0, 12}) entries.push_back({offset, hour});
  }
  return entries;
}

void BuildWindowDatabase(AbsencesTestDatabase& db, const std::string& first_day) {
  std::string system =
      "INSERT INTO VLS301ASW (ASWNUM, ASWPNR, ASWGVO, ASWGBI) VALUES "
      "('B00', 'P00', unixepoch('2000-01-01')/86400.0, NULL), ('B12', 'P12', unixepoch('2000-01-01')/86400.0, NULL);"
      "INSERT INTO VLS133BAK (BAKDTM, BAKWTG) WITH RECURSIVE d(day) AS ("
      "SELECT unixepoch('" + first_day + "')/86400 - 5 UNION ALL SELECT day + 1 FROM d WHERE day < unixepoch('" +
      first_day + "')/86400 + 5) SELECT day, 1 FROM d;";
  std::string client =
      "INSERT INTO VLS300PNR (PNRNUM) VALUES ('P00'), ('P12');"
      "INSERT INTO VLS311ZUO VALUES ('P00', 0, NULL, 'Abt'), ('P12', 0, NULL, 'Abt');"
      "INSERT INTO VLS140AZV VALUES (1, 0, NULL, 480);";
  int code = 0;
  for (const Entry& e : EntriesAround()) {
    ++code;
    std::string person = e.hour == 0 ? "'P00'" : "'P12'";
    std::string day = "unixepoch('" + first_day + "', '" + std::to_string(e.day_offset) + " days')/86400.0";
    std::string end = "unixepoch('" + first_day + "', '" + std::to_string(e.day_offset) + " days', '+" +
                      std::to_string(e.hour) + " hours')/86400.0";
    client += "INSERT INTO VLS131FCD VALUES (" + std::to_string(code) + ", 'U', '" + e.label() + "', 1, 1, 1);";
    client += "INSERT INTO VLS382BVF VALUES (" + person + ", " + day + ", " + end + ", 2, " + std::to_string(code) +
              ", 'K', NULL);";
    client += "INSERT INTO VLS329ZTG VALUES (" + person + ", " + day + ", 1);";
  }
  db.System(system);
  db.Client("M1", client);
}

// The labels of the entries (function texts) that a cursor delivers.
std::set<std::string> MstLabels(const char* text) {
  static sql::Cursor cursor;
  std::set<std::string> labels;
  std::string statement;
  EXPECT_EQ(BuildCurrentSchemaStatement(text, statement), 0);
  EXPECT_EQ(sql::Open(cursor, statement, {sql::In("1")}), 0);
  for (;;) {
    MstRow row;
    long status = sql::FoldFetch(sql::Fetch(cursor, {sql::Text(row.badge), sql::Text(row.status),
                                                     sql::Text(row.period), sql::Text(row.function_text)}));
    if (status != 0) {
      EXPECT_EQ(status, 1403);
      break;
    }
    labels.insert(row.function_text.str());
  }
  sql::Close(cursor);
  return labels;
}

std::set<std::string> MdtLabels(const char* text) {
  static sql::Cursor cursor;
  std::set<std::string> labels;
  std::string statement;
  EXPECT_EQ(BuildCurrentSchemaStatement(text, statement), 0);
  EXPECT_EQ(sql::Open(cursor, statement), 0);
  for (;;) {
    MdtRow row;
    long status =
        sql::FoldFetch(sql::Fetch(cursor, {sql::Text(row.day), sql::Text(row.badge), sql::Text(row.function_text)}));
    if (status != 0) {
      EXPECT_EQ(status, 1403);
      break;
    }
    labels.insert(row.function_text.str());
  }
  sql::Close(cursor);
  return labels;
}

// The same through the cursor operations of the jobs.
std::set<std::string> MstCursorLabels() {
  std::set<std::string> labels;
  EXPECT_EQ(SQLOpenMst("1"), 0);
  MstRow row;
  while (SQLFetchMst(row) == 0) {
    labels.insert(row.function_text.str());
    row = MstRow();
  }
  SQLCloseMst();
  return labels;
}

std::set<std::string> MdtCursorLabels() {
  std::set<std::string> labels;
  EXPECT_EQ(SQLOpenMdt(), 0);
  MdtRow row;
  while (SQLFetchMdt(row) == 0) {
    labels.insert(row.function_text.str());
    row = MdtRow();
  }
  SQLCloseMdt();
  return labels;
}

TEST(MonthWindow, StartsAtMidnightOfTheFirstDayWhateverTheTimeOfTheRun) {
  struct Run {
    const char* now;
    const char* first_day;  // of the month fifteen months back
  };
  const Run kRuns[] = {
      {"2024-06-15 00:00:00", "2023-03-01"}, {"2024-06-15 09:00:00", "2023-03-01"},
      {"2024-06-15 23:59:59", "2023-03-01"}, {"2024-06-01 06:30:00", "2023-03-01"},
      {"2024-06-30 18:00:00", "2023-03-01"}, {"2024-01-31 12:00:00", "2022-10-01"},
      {"2024-02-29 09:00:00", "2022-11-01"}, {"2024-03-31 00:00:01", "2022-12-01"},
  };
  for (const Run& run : kRuns) {
    SCOPED_TRACE(run.now);
    ResetRunState();
    AbsencesTestDatabase db;
    BuildWindowDatabase(db, run.first_day);
    ASSERT_EQ(db.Connect(), 0);
    CurrentSchema.Assign("M1");
    embedded::ScopedFixedDate now(run.now);
    int hours = 0, minutes = 0, seconds = 0;
    ASSERT_EQ(std::sscanf(run.now + 11, "%d:%d:%d", &hours, &minutes, &seconds), 3);
    const int run_seconds = hours * 3600 + minutes * 60 + seconds;

    // A window counted from the moment of the run compares with the first
    // day at the time of day of the run, the cursors with its midnight. Entries ending on any other
    // day are treated alike.
    std::set<std::string> at_run, cursors;
    for (const Entry& e : EntriesAround()) {
      if (e.day_offset >= 0) cursors.insert(e.label());
      if (e.day_offset > 0 || (e.day_offset == 0 && e.hour * 3600 >= run_seconds)) at_run.insert(e.label());
    }
    EXPECT_EQ(MstLabels(AtTimeOfRun(stmt::kMst).c_str()), at_run);
    EXPECT_EQ(MdtLabels(AtTimeOfRun(stmt::kMdt).c_str()), at_run);
    EXPECT_EQ(MstCursorLabels(), cursors);
    EXPECT_EQ(MdtCursorLabels(), cursors);
  }
  ResetRunState();
}

TEST(SchemaName, CursorsRefuseASchemaNameThatIsNoIdentifier) {
  ResetRunState();
  AbsencesTestDatabase db;
  db.Client("M1", "");
  ASSERT_EQ(db.Connect(), 0);
  for (const char* schema : {"M1 x", "M1.VLS", "", "1M"}) {
    SCOPED_TRACE(schema);
    CurrentSchema.Assign(schema);
    EXPECT_EQ(SQLOpenFtg(), -903);
    EXPECT_EQ(SQLOpenMst("1"), -903);
    EXPECT_EQ(SQLOpenMdt(), -903);
  }
  ResetRunState();
}

}  // namespace
