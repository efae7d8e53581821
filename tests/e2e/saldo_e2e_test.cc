// The balance file SALDO end to end: the built sstrxk over embedded databases
// on the fixed day 2024-06-17 09:00:00, lines compared byte for byte. Badge
// selection by validity, each value source's choice of row and its format,
// the mapping file in the working directory, premium data at site 42381 from
// <root>/transfer/KWPL, a failing source, and the demo database with the
// sample files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "install_tree.h"
#include "sql_script.h"

namespace fs = std::filesystem;

namespace {

const std::string kZero = "      0,00";

std::string Day(const std::string& date) { return "unixepoch('" + date + "')/86400.0"; }

// The expected line of one badge: the defaults of an empty record, the
// fields a test sets.
struct Line {
  std::string idn;
  std::string sto = "10001";
  std::string liz = "00001";
  std::string mnd = "1";
  std::string w01;
  std::vector<std::string> w = std::vector<std::string>(17, kZero);  // w[2] ... w[16]
  std::vector<std::string> f = std::vector<std::string>(11);          // f[1] ... f[10]
  std::string amp = "   -1";

  std::string Text() const {
    std::string line = Field(idn, 50) + Field(sto, 8) + Field(liz, 5) + Field(mnd, 5) + Field(w01, 8);
    for (int i = 2; i <= 16; ++i) line += Field(w[i], 10);
    for (int i = 1; i <= 10; ++i) line += Field(f[i], 20);
    return line + Field(amp, 5) + "x\r\n";
  }
};

std::vector<std::string> SortedLines(const std::string& file) {
  std::vector<std::string> lines;
  for (std::size_t pos = 0; pos < file.size();) {
    std::size_t end = file.find("\r\n", pos);
    end = end == std::string::npos ? file.size() : end + 2;
    lines.push_back(file.substr(pos, end - pos));
    pos = end;
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::vector<std::string> Sorted(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

// A summary field: the title in twelve characters, the value right-aligned in eight.
std::string Summary(const std::string& title, const std::string& value) {
  return Field(title, 12) + std::string(8 - value.size(), ' ') + value;
}

// The demo's mapping file (sample/files/SaldoRXK.ini) shows, per badge:
// F01 Gleitzeit SA1+SA2, F02 Resturlaub UVJ+ULJ, F03 Schichtfrei the five
// shift values of yesterday, F04 Schicht Vorj SVJ, F10 Bereitschaft SA5.
std::vector<std::string> DemoClient1() {
  Line p1;
  p1.idn = "10000001";
  p1.w01 = "20240616";
  p1.w = {"", "", "+     0,30", "+     5,50", "+    26,50", "+    12,50", "+     3,00", "+    14,50", "+    30,00",
          "+     0,45", "-     0,45", "+     0,00", "+     2,00", "+     0,00", "+     0,50", "+     1,15", "+     0,00"};
  p1.f[1] = Summary("Gleitzeit", "1,15 ");
  p1.f[2] = Summary("Resturlaub", "32,00 ");
  p1.f[3] = Summary("Schichtfrei", "8,00 ");
  p1.f[4] = Summary("Schicht Vorj", "1,00 ");
  p1.f[10] = Summary("Bereitschaft", "2,00 ");
  p1.amp = "    3";

  Line p2;  // zero carry-over row, vacation days of May, a zero balance day
  p2.idn = "10000002";
  p2.w01 = "20240614";
  p2.w = std::vector<std::string>(17, "+     0,00");
  p2.w[3] = p2.w[4] = p2.w[8] = kZero;
  p2.w[5] = "+     5,00";
  p2.w[6] = kZero;
  p2.w[7] = "+    25,00";
  p2.f[1] = Summary("Gleitzeit", "0,00 ");
  p2.f[2] = Summary("Resturlaub", "0,00 ");
  p2.f[3] = Summary("Schichtfrei", "2,00 ");
  p2.f[4] = Summary("Schicht Vorj", "0,00 ");
  p2.f[10] = Summary("Bereitschaft", "0,00 ");
  p2.amp = "    0";

  Line p3;  // entitlement only; no shift row of yesterday, so no yearly value
  p3.idn = "10000003";
  p3.w[4] = "+    28,00";
  p3.w[8] = "+    28,00";
  p3.f[1] = Summary("Gleitzeit", "0,00 ");
  p3.f[2] = Summary("Resturlaub", "28,00 ");
  p3.f[3] = Summary("Schichtfrei", "0,00 ");
  p3.f[4] = Summary("Schicht Vorj", "0,00 ");
  p3.f[10] = Summary("Bereitschaft", "0,00 ");
  return {p1.Text(), p2.Text(), p3.Text()};
}

// Client 2 is the premium site: sample/files/PraemienKWPL.txt has lines for
// 2001 (twice, the first counts) and 2002.
std::vector<std::string> DemoClient2() {
  Line p1;
  p1.idn = "20000001";
  p1.sto = "42381";
  p1.mnd = "2";
  p1.w01 = "20240615";
  p1.w = std::vector<std::string>(17, "+     0,00");
  p1.w[2] = "+     8,00";
  p1.w[3] = "+     3,00";
  p1.w[4] = "+    22,00";
  p1.w[5] = "+     8,00";
  p1.w[6] = "+     2,00";
  p1.w[7] = "+    15,00";
  p1.w[8] = "+    25,00";
  p1.w[9] = "-     0,30";
  p1.w[15] = "+     7,30";
  p1.w[16] = "-     0,30";
  p1.f[1] = Summary("Gleitzeit", "7,30 ");
  p1.f[2] = Summary("Resturlaub", "25,00 ");
  p1.f[3] = Summary("Schichtfrei", "4,00 ");
  p1.f[4] = Summary("Schicht Vorj", "0,00 ");
  p1.f[10] = "ZG  12,5%  ZK  3,75%";
  p1.amp = "    1";

  Line p2;
  p2.idn = "20000002";
  p2.sto = "42381";
  p2.mnd = "2";
  p2.f[1] = Summary("Gleitzeit", "0,00 ");
  p2.f[2] = Summary("Resturlaub", "0,00 ");
  p2.f[3] = Summary("Schichtfrei", "0,00 ");
  p2.f[4] = Summary("Schicht Vorj", "0,00 ");
  p2.f[10] = "ZG  7,50%  ZK   100%";

  Line p3 = p2;  // no premium line: the mapping's field stays
  p3.idn = "20000003";
  p3.f[10] = Summary("Bereitschaft", "0,00 ");
  return {p1.Text(), p2.Text(), p3.Text()};
}

class SaldoE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.WriteStandardConfig();
    tree.RunSql("VLSYSTEM", Ddl("system.sql"));
    out = tree.root() / "transfer" / "saldo.imp";
    fs::create_directories(out.parent_path());
  }

  std::string Ddl(const std::string& file) const { return tree.ReadFile(fs::path(SSTRXK_SAMPLE_DIR) / "ddl" / file); }

  // A client row and its schema with the client tables.
  void Client(const std::string& number, const std::string& schema, const std::string& site) {
    tree.RunSql("VLSYSTEM", "INSERT INTO VLS112MND (MNDLIZ, MNDNUM, MNDKON, MNDSCH, MNDSTO) VALUES ('00001', '" +
                                number + "', 0, '" + schema + "', '" + site + "');");
    tree.RunSql(schema, Ddl("client.sql"));
  }

  // A badge of client `client`, its site row and its person in `schema`;
  // `from` and `to` are SQL expressions.
  void Badge(const std::string& badge, const std::string& person, const std::string& client,
             const std::string& schema, const std::string& from, const std::string& to = "NULL",
             const std::string& site = "10001") {
    tree.RunSql("VLSYSTEM", "INSERT INTO VLS301ASW (ASWNUM, ASWPNR, ASWLIZ, ASWMND, ASWGVO, ASWGBI) VALUES ('" +
                                badge + "', '" + person + "', '00001', '" + client + "', " + from + ", " + to +
                                ");"
                                "INSERT INTO VLS113AWV VALUES ('" + badge + "', '" + site + "', 'A');");
    tree.RunSql(schema, "INSERT INTO VLS300PNR (PNRNUM) VALUES ('" + person + "');");
  }

  void Mapping(const std::string& text) const { Write(tree.work() / "SaldoRXK.ini", text); }
  void Premium(const std::string& text) const {
    Write(tree.root() / "transfer" / "KWPL" / "PraemienKWPL.txt", text);
  }
  static void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    file << text;
  }

  int Run() { return tree.Run({out.string(), "SLD"}).exit_code; }
  std::string Out() const { return tree.ReadFile(out); }

  // The log of a successful run with the given lines in between.
  std::vector<std::string> Log(const std::string& flexible, const std::vector<std::string>& client_lines) const {
    std::vector<std::string> log = {"Importdatei : " + out.string() + " fuellen...",
                                    "Flexible Saldenwerte: " + flexible};
    log.insert(log.end(), client_lines.begin(), client_lines.end());
    log.push_back("Import " + out.string() + " fertig.");
    log.push_back("Die Schnittstellendatei vom Dateityp 'SLD' wurde erstellt!");
    return log;
  }

  InstallTree tree;
  fs::path out;
};

TEST_F(SaldoE2E, BadgeWithoutAnySourceRowGetsTheDefaults) {
  Client("1", "MANDANT1", "10001");
  Badge("10000001", "1001", "1", "MANDANT1", Day("2020-01-01"));
  ASSERT_EQ(Run(), 0);
  Line line;
  line.idn = "10000001";
  EXPECT_EQ(Out(), line.Text());
  EXPECT_EQ(tree.LogMessages(), Log("NO", {"Schema:MANDANT1 Lizenz:00001 Mandant:1"}));

  // With flexible values the configured field shows its title and zero.
  Mapping("F01=SA1\r\nT01=Gleitzeit\r\nF04=UVJ\r\n");
  ASSERT_EQ(Run(), 0);
  line.f[1] = "Gleitzeit      0,00 ";
  line.f[4] = std::string(12, ' ') + "   0,00 ";
  EXPECT_EQ(Out(), line.Text());
  EXPECT_EQ(tree.LogMessages().back(), "Die Schnittstellendatei vom Dateityp 'SLD' wurde erstellt!");
  EXPECT_NE(tree.Log().find("Flexible Saldenwerte: YES"), std::string::npos);
}

TEST_F(SaldoE2E, BadgesValidToday) {
  Client("1", "MANDANT1", "10001");
  Client("2", "MANDANT2", "10002");  // without valid badges: no line
  const std::string today = Day("2024-06-17");
  Badge("1", "1001", "1", "MANDANT1", Day("2020-01-01"));                    // start only
  Badge("2", "1002", "1", "MANDANT1", today);                                // starts today
  Badge("3", "1003", "1", "MANDANT1", Day("2024-06-18"));                    // starts tomorrow
  Badge("4", "1004", "1", "MANDANT1", "NULL", today);                        // end only, ends today
  Badge("5", "1005", "1", "MANDANT1", "NULL", Day("2024-06-16"));            // ended yesterday
  Badge("6", "1006", "1", "MANDANT1", "NULL", "NULL");                       // neither
  Badge("7", "1007", "1", "MANDANT1", Day("2024-06-01"), today);             // both, ends today
  Badge("8", "1008", "1", "MANDANT1", Day("2024-06-01"), Day("2024-06-16"));  // both, ended
  Badge("9", "2009", "2", "MANDANT2", Day("2024-06-18"));                    // client 2: not yet
  // A badge without a site row and one whose person is missing are not selected.
  tree.RunSql("VLSYSTEM", "INSERT INTO VLS301ASW (ASWNUM, ASWPNR, ASWLIZ, ASWMND, ASWGVO) VALUES "
                          "('10', '1010', '00001', '1', " + Day("2020-01-01") + "), "
                          "('11', '1011', '00001', '1', " + Day("2020-01-01") + ");"
                          "INSERT INTO VLS113AWV VALUES ('11', '10001', 'A');");
  ASSERT_EQ(Run(), 0);
  std::vector<std::string> expected;
  for (const char* badge : {"1", "2", "4", "7"}) {
    Line line;
    line.idn = badge;
    expected.push_back(line.Text());
  }
  EXPECT_EQ(SortedLines(Out()), Sorted(expected));
  EXPECT_EQ(tree.LogMessages(),
            Log("NO", {"Schema:MANDANT1 Lizenz:00001 Mandant:1", "Schema:MANDANT2 Lizenz:00001 Mandant:2"}));
}

TEST_F(SaldoE2E, EachSourceChoosesItsRowAndFormatsIt) {
  Client("1", "MANDANT1", "10001");
  Badge("10000001", "1001", "1", "MANDANT1", Day("2020-01-01"));
  Badge("10000002", "1002", "1", "MANDANT1", Day("2020-01-01"));
  Badge("10000003", "1003", "1", "MANDANT1", Day("2020-01-01"));
  tree.RunSql("MANDANT1",
              // Vacation carry-over of the current year.
              "INSERT INTO VLS332URV VALUES ('1001', 2024, 5.5, 30, 2), ('1001', 2023, 3, 28, 0),"
              " ('1003', 2024, 0, 0, 0), ('1002', 2025, 9, 9, 9);"
              // Vacation days: the latest row before now; today's at midnight counts, today's at 10:00 not.
              "INSERT INTO VLS332UTG VALUES ('1001', " + Day("2024-06-14") + ", 10, 3, 17),"
              " ('1001', " + Day("2024-06-17") + ", 12.5, -3, 14.5),"
              " ('1001', " + Day("2024-06-17 10:00:00") + ", 99, 99, 99),"
              " ('1002', " + Day("2024-06-18") + ", 1, 1, 1);"
              // Shift time-off: exactly yesterday; the yearly value only after such a row.
              "INSERT INTO VLS332SFZ VALUES ('1001', " + Day("2024-06-16") + ", 4, 2, 1.5, 0.5, 0),"
              " ('1001', " + Day("2024-06-15") + ", 9, 9, 9, 9, 9),"
              " ('1002', " + Day("2024-06-15") + ", 9, 9, 9, 9, 9),"
              " ('1003', " + Day("2024-06-16") + ", 1, 1, 1, 1, 1);"
              "INSERT INTO VLS332SFV VALUES ('1001', 2024, 1), ('1001', 2023, 3), ('1002', 2024, 5);"
              // Balance values: the latest kind-1 day before today.
              "INSERT INTO VLS320TGB VALUES"
              " ('1001', " + Day("2024-06-10") + ", 1, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0),"
              " ('1001', " + Day("2024-06-14") + ", 1, 30, 0, 40, 5, -50, 5, 0, 0, 120, 0, 10, NULL, 50, 0),"
              " ('1001', " + Day("2024-06-16") + ", 2, 999, 0, 999, 0, 999, 0, 999, 0, 999, 0, 999, 0, 999, 0),"
              " ('1001', " + Day("2024-06-17") + ", 1, 500, 0, 500, 0, 500, 0, 500, 0, 500, 0, 500, 0, 500, 0);"
              // Traffic light: the latest day before today.
              "INSERT INTO VLS327TAG VALUES ('1001', " + Day("2024-06-14") + ", 2),"
              " ('1001', " + Day("2024-06-16") + ", 3), ('1001', " + Day("2024-06-17") + ", 1),"
              " ('1002', " + Day("2024-06-10") + ", 0);");
  // The shift values reach the file only through the mapping.
  Mapping("F01=SAN,SGE,SRS,SVP,SAT\r\nT01=Schicht\r\nF02=SVJ\r\nT02=Vorjahr\r\n");
  ASSERT_EQ(Run(), 0);

  Line p1;
  p1.idn = "10000001";
  p1.w[3] = "+     5,50";   // UVJ
  p1.w[4] = "+    26,50";   // ULJ = 30 - 5.5 + 2
  p1.w[8] = "+    30,00";   // UAN
  p1.w[5] = "+    12,50";   // UGE
  p1.w[6] = "-     3,00";   // UVP
  p1.w[7] = "+    14,50";   // URS
  p1.w01 = "20240614";
  p1.w[2] = "+     0,30";   // SA1 30
  p1.w[9] = "+     0,45";   // SA2 45
  p1.w[10] = "-     0,45";  // SA3 -45
  p1.w[11] = "+     0,00";  // SA4 0
  p1.w[12] = "+     2,00";  // SA5 120
  p1.w[13] = "+     0,00";  // SA6 NULL
  p1.w[14] = "+     0,50";  // SA7 50
  p1.w[15] = "+     1,15";  // SA1 + SA2
  p1.w[16] = "+     0,00";  // SA2 + SA3
  p1.f[1] = "Schicht        8,00 ";
  p1.f[2] = "Vorjahr        1,00 ";
  p1.amp = "    3";

  Line p2;  // no row of this year, a future vacation row, shift time-off not of yesterday
  p2.idn = "10000002";
  p2.f[1] = "Schicht        0,00 ";
  p2.f[2] = "Vorjahr        0,00 ";
  p2.amp = "    0";

  Line p3;  // a zero carry-over row; yesterday's shift row without a yearly row
  p3.idn = "10000003";
  p3.f[1] = "Schicht        5,00 ";
  p3.f[2] = "Vorjahr        0,00 ";

  EXPECT_EQ(SortedLines(Out()), Sorted({p1.Text(), p2.Text(), p3.Text()}));
  EXPECT_EQ(tree.LogMessages(), Log("YES", {"Schema:MANDANT1 Lizenz:00001 Mandant:1"}));
}

TEST_F(SaldoE2E, MappingFileInTheWorkingDirectory) {
  Client("1", "MANDANT1", "10001");
  Badge("10000001", "1001", "1", "MANDANT1", Day("2020-01-01"));
  tree.RunSql("MANDANT1",
              "INSERT INTO VLS332URV VALUES ('1001', 2024, 5.5, 30, 2);"
              "INSERT INTO VLS320TGB VALUES ('1001', " + Day("2024-06-14") +
                  ", 1, 30, 0, 40, 5, -50, 5, 0, 0, 120, 0, 10, 0, 50, 0);");
  Mapping(
      "T03=Zu frueh\r\n"        // before its field line: no title
      "F01=SA1, SA2\r\n"
      "T01=Mehrarbeit\r\n"
      "F02=UVJ,ULJ\r\n"
      "T02=Urlaub\r\n"
      "F03=SA3\r\n"
      "F04=UAN\r\nF05=SA5\r\nF06=SA6\r\nF07=SA7\r\nF08=UGE\r\nF09=SA4\r\n"
      "F10=SA1\r\n");          // the tenth field line is not read
  ASSERT_EQ(Run(), 0);
  Line line;
  line.idn = "10000001";
  line.w[3] = "+     5,50";
  line.w[4] = "+    26,50";
  line.w[8] = "+    30,00";
  line.w01 = "20240614";
  line.w[2] = "+     0,30";
  line.w[9] = "+     0,45";
  line.w[10] = "-     0,45";
  line.w[11] = "+     0,00";
  line.w[12] = "+     2,00";
  line.w[13] = "+     0,10";
  line.w[14] = "+     0,50";
  line.w[15] = "+     1,15";
  line.w[16] = "+     0,00";
  line.f[1] = "Mehrarbeit     1,15 ";                 // 75 minutes
  line.f[2] = "Urlaub        32,00 ";                 // 5.5 + 26.5 days
  line.f[3] = std::string(12, ' ') + "   0,45-";    // -45 minutes
  line.f[4] = std::string(12, ' ') + "  30,00 ";
  line.f[5] = std::string(12, ' ') + "   2,00 ";
  line.f[6] = std::string(12, ' ') + "   0,10 ";
  line.f[7] = std::string(12, ' ') + "   0,50 ";
  line.f[8] = std::string(12, ' ') + "   0,00 ";
  line.f[9] = std::string(12, ' ') + "   0,00 ";
  EXPECT_EQ(Out(), line.Text());
  EXPECT_EQ(tree.LogMessages(), Log("YES", {"Schema:MANDANT1 Lizenz:00001 Mandant:1"}));
}

TEST_F(SaldoE2E, PremiumDataAtSite42381Only) {
  Client("1", "MANDANT1", "42381");
  Client("2", "MANDANT2", "4238");   // a digit missing
  Client("3", "MANDANT3", "42382");
  Badge("10000001", "1001", "1", "MANDANT1", Day("2020-01-01"), "NULL", "42381");
  Badge("10000002", "1002", "1", "MANDANT1", Day("2020-01-01"), "NULL", "42381");
  Badge("20000001", "1001", "2", "MANDANT2", Day("2020-01-01"));
  Badge("30000001", "1001", "3", "MANDANT3", Day("2020-01-01"));
  Mapping("F10=SA1\r\nT10=Saldo\r\n");
  Premium("1001 12.5 3.75\r\n1001 1 1\r\n  1002 5 5\r\n4711 007.50 100\r\n");
  ASSERT_EQ(Run(), 0);
  const std::string mapped = "Saldo          0,00 ";
  Line premium;  // the first line for 1001 wins over the mapping
  premium.idn = "10000001";
  premium.sto = "42381";
  premium.f[10] = "ZG  12,5%  ZK  3,75%";
  Line none;  // 1002's line has two leading blanks: no person number
  none.idn = "10000002";
  none.sto = "42381";
  none.f[10] = mapped;
  Line client2;
  client2.idn = "20000001";
  client2.mnd = "2";
  client2.f[10] = mapped;
  Line client3 = client2;
  client3.idn = "30000001";
  client3.mnd = "3";
  std::string file = Out();
  ASSERT_EQ(file.size(), 4 * 434u);
  EXPECT_EQ(SortedLines(file.substr(0, 2 * 434)), Sorted({premium.Text(), none.Text()}));
  EXPECT_EQ(file.substr(2 * 434), client2.Text() + client3.Text());
  EXPECT_EQ(tree.LogMessages(),
            Log("YES", {"Schema:MANDANT1 Lizenz:00001 Mandant:1", "Schema:MANDANT2 Lizenz:00001 Mandant:2",
                        "Schema:MANDANT3 Lizenz:00001 Mandant:3"}));
}

TEST_F(SaldoE2E, MissingPremiumFileIsLoggedAndTheExportGoesOn) {
  Client("1", "MANDANT1", "42381");
  Client("2", "MANDANT2", "42381");
  Badge("10000001", "1001", "1", "MANDANT1", Day("2020-01-01"), "NULL", "42381");
  Badge("20000001", "2001", "2", "MANDANT2", Day("2020-01-01"), "NULL", "42381");
  ASSERT_EQ(Run(), 0);
  Line first;
  first.idn = "10000001";
  first.sto = "42381";
  Line second = first;
  second.idn = "20000001";
  second.mnd = "2";
  EXPECT_EQ(Out(), first.Text() + second.Text());
  EXPECT_EQ(tree.LogMessages(), Log("NO", {"Schema:MANDANT1 Lizenz:00001 Mandant:1",
                                           "Oeffnen der Praemiensystemdatei ist fehlgeschlagen",
                                           "Praemiensystemdaten konnte nicht ermittelt werden.",
                                           "Schema:MANDANT2 Lizenz:00001 Mandant:2",
                                           "Oeffnen der Praemiensystemdatei ist fehlgeschlagen",
                                           "Praemiensystemdaten konnte nicht ermittelt werden."}));
}

TEST_F(SaldoE2E, SourceErrorAfterSomeBadgesKeepsTheirLines) {
  Client("1", "MANDANT1", "10001");
  Client("2", "MANDANT2", "10001");
  for (int i = 1; i <= 5; ++i) {
    Badge("1000000" + std::to_string(i), "100" + std::to_string(i), "1", "MANDANT1", Day("2020-01-01"));
  }
  Badge("20000001", "2001", "2", "MANDANT2", Day("2020-01-01"));
  // The fifth badge's shift time-off holds a value that is no number.
  tree.RunSql("MANDANT1", "INSERT INTO VLS332SFZ VALUES ('1005', " + Day("2024-06-16") + ", 'kaputt', 1, 1, 1, 1);");
  EXPECT_EQ(tree.RunInProcess({out.string(), "SLD"}), 99);
  std::string expected;
  for (int i = 1; i <= 4; ++i) {
    Line line;
    line.idn = "1000000" + std::to_string(i);
    expected += line.Text();
  }
  EXPECT_EQ(tree.ReadFile(out), expected);  // the last attempt's file
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5),
            (std::vector<std::string>{"Importdatei : " + out.string() + " fuellen...", "Flexible Saldenwerte: NO",
                                      "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                                      "Fehler Schichtfreizeit einlesen: Pnr: 1005 RC: -1722",
                                      "Import " + out.string() + " fehlgeschlagen."}));
  EXPECT_EQ(log[5], "1. Versuch zur Wiederherstellung der Datenbankverbindung!");
  EXPECT_EQ(std::count(log.begin(), log.end(), "Schema:MANDANT2 Lizenz:00001 Mandant:2"), 0);
  EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'SLD' konnte nicht erstellt werden!");
  EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));
}

TEST_F(SaldoE2E, BadgeCursorErrorInTheSecondClient) {
  Client("1", "MANDANT1", "10001");
  tree.RunSql("VLSYSTEM", "INSERT INTO VLS112MND (MNDLIZ, MNDNUM, MNDKON, MNDSCH, MNDSTO) VALUES "
                          "('00001', '2', 0, 'LEER', '10001');");
  tree.RunSql("LEER", "CREATE TABLE OTHER (X TEXT);");  // a schema without the person table
  Badge("10000001", "1001", "1", "MANDANT1", Day("2020-01-01"));
  EXPECT_EQ(tree.RunInProcess({out.string(), "SLD"}), 99);
  Line line;
  line.idn = "10000001";
  EXPECT_EQ(tree.ReadFile(out), line.Text());
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(log[3], "Schema:LEER Lizenz:00001 Mandant:2");
  EXPECT_EQ(log[4], "Fehler in Fkt. SQLOpenSald(). RC: -942");
  EXPECT_EQ(log[5], "Import " + out.string() + " fehlgeschlagen.");
}

TEST_F(SaldoE2E, DemoDatabaseWithTheSampleFiles) {
  std::string error;
  ASSERT_TRUE(BuildSampleDatabase(SSTRXK_SAMPLE_DIR, tree.db(), &error)) << error;
  fs::path files = fs::path(SSTRXK_SAMPLE_DIR) / "files";
  Mapping(tree.ReadFile(files / "SaldoRXK.ini"));
  Premium(tree.ReadFile(files / "PraemienKWPL.txt"));
  ASSERT_EQ(tree.Run({out.string(), "SLD"}).exit_code, 0);
  std::string file = Out();
  ASSERT_EQ(file.size(), 6 * 434u);
  EXPECT_EQ(SortedLines(file.substr(0, 3 * 434)), Sorted(DemoClient1()));
  EXPECT_EQ(SortedLines(file.substr(3 * 434)), Sorted(DemoClient2()));
}

}  // namespace
