// Test data of the terminal exports, shared by their unit and end-to-end
// tests: the access-control tables of the system schema for the week from
// Monday 2024-06-17 (the tests' fixed date), and the records the 20P, 35P,
// 41P and BKL files must hold for them, written out by hand from the rows.
//
// Control areas: A1 (door-release class D1, calendar 1: Monday to Friday
// day type 1, Saturday 2, Sunday 3), A2 (D3, calendar 2: Monday to Saturday
// type 1, Sunday 3), A8 (retired, status 8).
// Readers: T1 01 and 02 in A1 (02 with its own door-release class D2), T1 03
// retired (status 4), T2 01 in A2, T3 01 in the retired area.
// Door-release rules (no control area) give 20P its time zones; access
// rules (with a control area) give 35P and 41P their rows.
#ifndef SSTRXK_EXPORT_TERMINAL_TERMINAL_TEST_DATA_H_
#define SSTRXK_EXPORT_TERMINAL_TERMINAL_TEST_DATA_H_

#include <cstddef>
#include <string>

namespace terminal_test {

inline constexpr char kFixedDate[] = "2024-06-17 09:00:00";

// Empties the terminal tables of VLSYSTEM and fills them. Runs on a schema
// built from sample/ddl/system.sql (with or without the sample data).
inline constexpr char kPlanData[] = R"sql(
DELETE FROM VLS402ZKO; DELETE FROM VLS401ZLS; DELETE FROM VLS404ZBR; DELETE FROM VLS402ZUZ;
DELETE FROM VLS133KAL; DELETE FROM VLS133BAK; DELETE FROM VLS301BKL; DELETE FROM VLSASWDNL;

INSERT INTO VLS402ZKO VALUES ('A1', 'D1', 1, NULL), ('A2', 'D3', 2, 0), ('A8', 'D1', 1, 8);

INSERT INTO VLS401ZLS VALUES
  ('T1', 1, 'A1', NULL, NULL),
  ('T1', 2, 'A1', 'D2', 0),
  ('T1', 3, 'A1', NULL, 4),
  ('T2', 1, 'A2', NULL, NULL),
  ('T3', 1, 'A8', NULL, NULL);

INSERT INTO VLS404ZBR VALUES
  ('D1', NULL, 1, 11, NULL, NULL),
  ('D1', NULL, 1, 12, NULL, NULL),
  ('D1', NULL, 1, 16, NULL, 4),
  ('D1', NULL, 1, 17, NULL, NULL),
  ('D1', NULL, 2, 14, NULL, NULL),
  ('D2', NULL, 1, 15, NULL, NULL),
  ('D2', NULL, 3, 18, NULL, NULL),
  ('D3', NULL, 1, 11, NULL, NULL),
  ('52001', 'A1', 1, 15, 10, NULL),
  ('C1', 'A1', 1, 11, NULL, NULL),
  ('C2', 'A1', 1, 12, 2, 0),
  ('C3', 'A1', 2, 13, 1, NULL),
  ('C4', 'A1', 1, 11, 1, 8),
  ('C1', 'A2', 1, 13, 0, NULL),
  ('C5', 'A2', 1, 11, 9, NULL),
  ('C6', 'A2', 3, 11, -1, NULL),
  ('C1', 'A8', 1, 11, 1, NULL);

INSERT INTO VLS402ZUZ VALUES
  (11, 360, 720, NULL),
  (11, 750, 1080, 0),
  (12, 1140, 1200, NULL),
  (12, 1261, 1319, NULL),
  (13, 420, 720, NULL),
  (14, NULL, 600, NULL),
  (15, 0, 1440, NULL),
  (16, 60, 120, NULL),
  (17, 600, 660, 8),
  (18, 485, 1439, NULL),
  (18, 1200, NULL, NULL);

INSERT INTO VLS133BAK (BAKDTM, BAKWTG)
  WITH RECURSIVE d(day) AS (
    SELECT unixepoch('2024-06-01') / 86400
    UNION ALL
    SELECT day + 1 FROM d WHERE day < unixepoch('2024-07-31') / 86400)
  SELECT day, (CAST(strftime('%w', day * 86400, 'unixepoch') AS INTEGER) + 6) % 7 + 1 FROM d;
INSERT INTO VLS133KAL (KALNUM, KALDTM, KALTTP)
  SELECT 1, BAKDTM, CASE WHEN BAKWTG <= 5 THEN 1 WHEN BAKWTG = 6 THEN 2 ELSE 3 END FROM VLS133BAK;
INSERT INTO VLS133KAL (KALNUM, KALDTM, KALTTP)
  SELECT 2, BAKDTM, CASE WHEN BAKWTG <= 6 THEN 1 ELSE 3 END FROM VLS133BAK;

INSERT INTO VLS301BKL VALUES
  ('B1', 'C1', '00001', '1', '1', unixepoch('2024-06-17')/86400.0, NULL),
  ('B1', 'C2', '00001', '1', '0', unixepoch('2024-06-18')/86400.0, NULL),
  ('B2', 'C1', '00001', '2', NULL, unixepoch('2024-01-01')/86400.0, unixepoch('2024-06-17')/86400.0),
  ('B2', 'C3', '00001', '2', '1', unixepoch('2024-01-01')/86400.0, unixepoch('2024-06-16')/86400.0),
  ('B3', 'C5', '00002', '1', 'X', unixepoch('2023-01-01')/86400.0, unixepoch('2024-12-31')/86400.0),
  ('B3', 'C5', '00002', '1', 'X', unixepoch('2023-01-01')/86400.0, unixepoch('2024-12-31')/86400.0),
  ('B4', 'C1', '00001', '1', '1', NULL, NULL);
)sql";

// On top of the sample database (badges, clients, client schemas) and
// kPlanData: the permission classes of sample badges and download queues.
// 10000001 has C3 (reaching A1) and C5 (A2), 20000001 has C2 (A1); the one
// class of 10000003 ended yesterday.
inline constexpr char kSelectiveData[] = R"sql(
INSERT INTO VLS301BKL VALUES
  ('10000001', 'C5', '00001', '1', '1', unixepoch('2024-01-01')/86400.0, NULL),
  ('10000001', 'C3', '00001', '1', '0', unixepoch('2024-06-17')/86400.0, NULL),
  ('20000001', 'C2', '00001', '2', '1', unixepoch('2024-01-01')/86400.0, NULL),
  ('10000003', 'C1', '00001', '1', '1', unixepoch('2024-01-01')/86400.0, unixepoch('2024-06-16')/86400.0);
INSERT INTO VLSASWDNL VALUES
  ('SELKEY00000001', 2, '2', '00001', '20000001', 0, 'N', 'N', NULL, 0, 'schmidt'),
  ('SELKEY00000001', 1, '1', '00001', '10000001', 0, 'N', 'N', NULL, 0, 'admin'),
  ('SELKEY00000002', 1, '1', '00001', '10000003', 0, 'N', 'N', NULL, 0, 'empfang'),
  ('SELKEY00000003', 3, '2', '00001', '20000001', 0, 'N', 'N', NULL, 0, 'admin'),
  ('SELKEY00000003', 1, '1', '00001', '10000001', 0, 'N', 'N', NULL, 0, 'admin'),
  ('SELKEY00000003', 2, '9', '00001', '20000001', 0, 'N', 'N', NULL, 0, 'admin'),
  ('XY'' OR ''A''<>''B', 1, '2', '00001', '20000001', 0, 'N', 'N', NULL, 0, 'admin'),
  ('BKLSEL00000001', 1, '1', '00001', '10000001', 0, 'N', 'N', NULL, 0, 'admin');
)sql";

inline std::string Pad(const std::string& text, std::size_t width) {
  std::string f = text;
  if (f.size() < width) f.append(width - f.size(), ' ');
  return f;
}

inline std::string Record20P(const std::string& terminal, const std::string& reader, int weekday,
                             const std::string& zone, const std::string& from, const std::string& to) {
  return Pad(terminal, 255) + Pad(reader, 2) + std::to_string(weekday) + Pad(zone, 5) + Pad(from, 4) +
         Pad(to, 4) + "x\r\n";
}

inline std::string Record35P(const std::string& terminal, const std::string& klasse, const std::string& reader,
                             const std::string& plan, const std::string& area, const std::string& zone,
                             const std::string& booking) {
  return Pad(terminal, 255) + "001" + Pad(klasse, 5) + Pad(reader, 2) + Pad(reader, 2) + Pad(plan, 3) +
         Pad(area, 5) + Pad(zone, 5) + booking + "x\r\n";
}

inline std::string Record41P(const std::string& terminal, const std::string& plan, const std::string& week,
                             const std::string& zone, int weekday, const std::string& from,
                             const std::string& to) {
  return Pad(terminal, 255) + "001" + Pad(plan, 3) + Pad(week, 2) + Pad(zone, 5) + std::to_string(weekday) +
         Pad(from, 4) + Pad(to, 4) + "x\r\n";
}

inline std::string RecordBkl(const std::string& badge, const std::string& klasse, const std::string& licence,
                             const std::string& client, const std::string& marker) {
  return Pad(badge, 50) + Pad(klasse, 5) + Pad(licence, 5) + Pad(client, 5) + Pad(marker, 1) + "x\r\n";
}

// --- 20P -----------------------------------------------------------------

// T1 01 (class D1): zones 11 and 12 with two intervals each on working
// days; on Saturday zone 14, whose only interval has no start: no record;
// on Sunday no rule of day type 3: one blank record. Zone 16 (retired rule)
// and zone 17 (only a retired interval) never show.
inline std::string Plan20P_T1_01() {
  std::string s;
  for (int day = 1; day <= 5; ++day) {
    s += Record20P("T1", "01", day, "11", "0600", "1200") + Record20P("T1", "01", day, "11", "1230", "1800") +
         Record20P("T1", "01", day, "12", "1900", "2000") + Record20P("T1", "01", day, "12", "2101", "2159");
  }
  return s + Record20P("T1", "01", 7, "", "", "");
}

// T1 02 (its own class D2): zone 15 on working days, nothing of day type 2
// (blank Saturday), zone 18 on Sunday with an interval without end.
inline std::string Plan20P_T1_02() {
  std::string s;
  for (int day = 1; day <= 5; ++day) s += Record20P("T1", "02", day, "15", "0000", "2400");
  s += Record20P("T1", "02", 6, "", "", "");
  return s + Record20P("T1", "02", 7, "18", "0805", "2359") + Record20P("T1", "02", 7, "18", "2000", "");
}

// T2 01 (class D3, calendar 2): zone 11 Monday to Saturday, blank Sunday.
inline std::string Plan20P_T2_01() {
  std::string s;
  for (int day = 1; day <= 6; ++day) {
    s += Record20P("T2", "01", day, "11", "0600", "1200") + Record20P("T2", "01", day, "11", "1230", "1800");
  }
  return s + Record20P("T2", "01", 7, "", "", "");
}

inline std::string Plan20P_A1() { return Plan20P_T1_01() + Plan20P_T1_02(); }
inline std::string Plan20P_A2() { return Plan20P_T2_01(); }
inline std::string Plan20P_All() { return Plan20P_A1() + Plan20P_A2(); }

// --- 35P -----------------------------------------------------------------

// Booking flag: NULL, 2, 10, 0, 9 and -1 give "0", 1 gives "1". The five
// characters of class 52001 are cut to "520" in the plan column.
inline std::string Plan35P_A1() {
  std::string s;
  for (const char* r : {"01", "02"}) s += Record35P("T1", "52001", r, "520", "A1", "15", "0");
  for (const char* r : {"01", "02"}) s += Record35P("T1", "C1", r, "C1", "A1", "11", "0");
  for (const char* r : {"01", "02"}) s += Record35P("T1", "C2", r, "C2", "A1", "12", "0");
  for (const char* r : {"01", "02"}) s += Record35P("T1", "C3", r, "C3", "A1", "13", "1");
  return s;
}

inline std::string Plan35P_A2() {
  return Record35P("T2", "C1", "01", "C1", "A2", "13", "0") + Record35P("T2", "C5", "01", "C5", "A2", "11", "0") +
         Record35P("T2", "C6", "01", "C6", "A2", "11", "0");
}

inline std::string Plan35P_All() { return Plan35P_A1() + Plan35P_A2(); }

// --- 41P -----------------------------------------------------------------

// Ordered by terminal, class, reader, weekday and start; a rule counts only
// on the days of its day type.
inline std::string Plan41P_A1() {
  std::string s;
  for (const char* r : {"01", "02"}) {
    for (int day = 1; day <= 5; ++day) s += Record41P("T1", "520", r, "15", day, "0000", "2400");
  }
  for (const char* r : {"01", "02"}) {
    for (int day = 1; day <= 5; ++day) {
      s += Record41P("T1", "C1", r, "11", day, "0600", "1200") + Record41P("T1", "C1", r, "11", day, "1230", "1800");
    }
  }
  for (const char* r : {"01", "02"}) {
    for (int day = 1; day <= 5; ++day) {
      s += Record41P("T1", "C2", r, "12", day, "1900", "2000") + Record41P("T1", "C2", r, "12", day, "2101", "2159");
    }
  }
  for (const char* r : {"01", "02"}) s += Record41P("T1", "C3", r, "13", 6, "0700", "1200");
  return s;
}

inline std::string Plan41P_A2() {
  std::string s;
  for (int day = 1; day <= 6; ++day) s += Record41P("T2", "C1", "01", "13", day, "0700", "1200");
  for (int day = 1; day <= 6; ++day) {
    s += Record41P("T2", "C5", "01", "11", day, "0600", "1200") + Record41P("T2", "C5", "01", "11", day, "1230", "1800");
  }
  return s + Record41P("T2", "C6", "01", "11", 7, "0600", "1200") + Record41P("T2", "C6", "01", "11", 7, "1230", "1800");
}

inline std::string Plan41P_All() { return Plan41P_A1() + Plan41P_A2(); }

// --- BKL -----------------------------------------------------------------

// Valid today: from today on, up to today, the duplicate once; not: from
// tomorrow, ended yesterday, no start.
inline std::string BklAll() {
  return RecordBkl("B1", "C1", "00001", "1", "1") + RecordBkl("B2", "C1", "00001", "2", "") +
         RecordBkl("B3", "C5", "00002", "1", "X");
}

}  // namespace terminal_test

#endif  // SSTRXK_EXPORT_TERMINAL_TERMINAL_TEST_DATA_H_
