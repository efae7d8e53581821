// The employee status file MST end to end: the entries of the last fifteen
// months per client in client cursor order, badge or substitute, recoded
// status, department on the start date, records byte for byte; the month
// window whatever the time of day; failures and their results.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "absences_e2e_tree.h"

namespace {

struct MstFields {
  std::string badge, status, from, to, text, short_text, cost_centre, department, time, code;
};

std::string Mst(const std::string& licence, const std::string& client, const MstFields& f) {
  std::string start = f.from.substr(6, 4) + f.from.substr(3, 2) + f.from.substr(0, 2);
  return Field(licence, 5) + Field(client, 5) + Field(f.badge, 13) + Field(f.status, 1) + f.from + " - " + f.to +
         Field(f.text, 33) + std::string(33, ' ') + Field(f.short_text, 1) + Field(f.cost_centre, 50) + start +
         Field(f.department, 30) + Field(f.time, 4) + Field(f.code, 3) + "x\r\n";
}

// Badges of the system schema, seen from the run day 2024-06-17: B1002 ends
// today, B1003 starts today, B1004 ended yesterday, B1005 starts tomorrow,
// person 1006 has two valid badges, B12345678901234 is longer than its
// field; person 4711 has none.
constexpr char kBadges[] =
    "INSERT INTO VLS301ASW (ASWNUM, ASWPNR, ASWGVO, ASWGBI) VALUES"
    " ('B1001', '1001', unixepoch('2020-01-01')/86400.0, NULL),"
    " ('B1002', '1002', unixepoch('2023-01-01')/86400.0, unixepoch('2024-06-17')/86400.0),"
    " ('B1003', '1003', unixepoch('2024-06-17')/86400.0, NULL),"
    " ('B1004', '1004', unixepoch('2022-01-01')/86400.0, unixepoch('2024-06-16')/86400.0),"
    " ('B1005', '1005', unixepoch('2024-06-18')/86400.0, NULL),"
    " ('B1006A', '1006', unixepoch('2020-01-01')/86400.0, NULL),"
    " ('B1006B', '1006', unixepoch('2021-01-01')/86400.0, unixepoch('2030-12-31')/86400.0),"
    " ('B12345678901234', '1007', unixepoch('2020-01-01')/86400.0, NULL),"
    " ('B2001', '2001', unixepoch('2020-01-01')/86400.0, NULL);";

// Client 2 comes first in the client table; client 3 has no entries.
constexpr char kClients[] =
    "INSERT INTO VLS112MND VALUES ('00002', '2', 'Zwei', '0', NULL, 'x', 0, 'MANDANT2', '20002'),"
    " ('00003', '3', 'Drei', '0', NULL, 'x', 0, 'MANDANT3', '30003'),"
    " ('00001', '1', 'Eins', '0', NULL, 'x', 0, 'MANDANT1', '10001');";

std::string Entry(const std::string& person, const std::string& from, const std::string& to, int status, int code,
                  const std::string& cost_centre, const std::string& time = "NULL") {
  return "('" + person + "', " + Day(from) + ", " + Day(to) + ", " + std::to_string(status) + ", " +
         std::to_string(code) + ", " + cost_centre + ", " + time + ")";
}

std::string Client1() {
  return "INSERT INTO VLS300PNR (PNRNUM) VALUES ('1001'), ('1002'), ('1003'), ('1004'), ('1005'), ('1006'),"
         " ('1007'), ('1008'), ('4711');"
         "INSERT INTO VLS131FCD VALUES (1, 'U', 'Urlaub', 1, 10, 1), (2, 'K', 'Krankheit', 1, 20, 1),"
         " (3, NULL, 'Dienstreise', 2, NULL, 1), (4, 'S', 'Schulung', 2, 40, 0);"
         "INSERT INTO VLS311ZUO VALUES ('1001', " + Day("2020-01-01") + ", NULL, 'Verwaltung'),"
         " ('1002', " + Day("2023-01-01") + ", " + Day("2023-12-31") + ", 'Produktion'),"
         " ('1002', " + Day("2024-01-01") + ", NULL, 'Lager'),"
         " ('1003', " + Day("2024-01-01") + ", NULL, 'Einkauf'), ('1004', " + Day("2022-01-01") + ", NULL, 'Versand'),"
         " ('1005', " + Day("2022-01-01") + ", NULL, 'Versand'), ('1006', " + Day("2020-01-01") + ", NULL, 'Technik'),"
         " ('1007', " + Day("2020-01-01") + ", NULL, 'Technik'), ('4711', " + Day("2019-01-01") + ", NULL, 'Technik');"
         "INSERT INTO VLS382BVF VALUES " +
         Entry("1001", "2024-06-03", "2024-06-05", 2, 1, "'K100'") + ", " +
         Entry("1001", "2024-03-04", "2024-03-04", 7, 1, "'K100'", Day("2024-03-04 08:15:00")) + ", " +
         Entry("1001", "2023-02-20", "2023-02-28", 2, 1, "'K100'") + ", " +  // ends before the window
         Entry("1001", "2023-02-27", "2023-03-01", 3, 3, "'K100'") + ", " +  // ends on its first day
         Entry("1001", "2024-05-27", "2024-05-27", 16, 1, "'K100'") + ", " +  // status 16
         Entry("1001", "2024-05-28", "2024-05-28", 2, 4, "'K100'") + ", " +  // code not for terminals
         Entry("1002", "2023-11-06", "2023-11-08", 10, 2, "'K200'") + ", " +
         Entry("1002", "2024-06-17", "2024-06-21", 13, 1, "'K200'") + ", " +
         Entry("1003", "2024-05-13", "2024-05-14", 9, 2, "NULL") + ", " +
         Entry("1004", "2024-05-21", "2024-05-22", 5, 1, "'K300'") + ", " +
         Entry("1005", "2024-05-23", "2024-05-23", 8, 1, "'K300'") + ", " +
         Entry("1006", "2024-04-02", "2024-04-02", 0, 1, "'K300'") + ", " +
         Entry("1007", "2024-04-03", "2024-04-03", 15, 2, "'K300'") + ", " +
         Entry("4711", "2024-02-12", "2024-02-16", 12, 2, "'K300'") + ", " +
         Entry("1008", "2024-04-04", "2024-04-04", 2, 1, "'K300'") + ";";  // no department
}

std::string Client2() {
  return "INSERT INTO VLS300PNR (PNRNUM) VALUES ('2001'), ('2002');"
         "INSERT INTO VLS131FCD VALUES (1, 'U', 'Urlaub', 1, 10, 1);"
         "INSERT INTO VLS311ZUO VALUES ('2001', " + Day("2021-03-01") + ", NULL, 'Backstube'),"
         " ('2002', " + Day("2023-01-01") + ", NULL, 'Verkauf');"
         "INSERT INTO VLS382BVF VALUES " +
         Entry("2001", "2024-06-10", "2024-06-12", 1, 1, "'K900'") + ", " +
         Entry("2002", "2024-05-06", "2024-05-06", 3, 1, "'K910'", Day("2024-05-06 13:45:00")) + ";";
}

class MstE2E : public AbsencesE2E {
 protected:
  void SetUp() override {
    AbsencesE2E::SetUp();
    System(std::string(kBadges) + kClients);
    Client("MANDANT3", "");
  }
};

TEST_F(MstE2E, EntriesOfBothClientsWithBadgeOrSubstituteAndRecodedStatus) {
  Client("MANDANT1", Client1());
  Client("MANDANT2", Client2());
  ProcessResult r = tree.Run({Path(), "MST"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(File(),
            Mst("00002", "2", {"2_2002", "3", "06.05.2024", "06.05.2024", "Urlaub", "U", "K910", "Verkauf", "1345", "1"}) +
                Mst("00002", "2", {"B2001", "1", "10.06.2024", "12.06.2024", "Urlaub", "U", "K900", "Backstube", "", "1"}) +
                // Substitutes: badge ended yesterday, starts tomorrow, none.
                Mst("00001", "1", {"1_1004", "5", "21.05.2024", "22.05.2024", "Urlaub", "U", "K300", "Versand", "", "1"}) +
                Mst("00001", "1", {"1_1005", "4", "23.05.2024", "23.05.2024", "Urlaub", "U", "K300", "Versand", "", "1"}) +
                Mst("00001", "1", {"1_4711", "4", "12.02.2024", "16.02.2024", "Krankheit", "K", "K300", "Technik", "", "2"}) +
                // Ordered by start date within a badge.
                Mst("00001", "1", {"B1001", "3", "27.02.2023", "01.03.2023", "Dienstreise", "", "K100", "Verwaltung", "", "3"}) +
                Mst("00001", "1", {"B1001", "7", "04.03.2024", "04.03.2024", "Urlaub", "U", "K100", "Verwaltung", "0815", "1"}) +
                Mst("00001", "1", {"B1001", "2", "03.06.2024", "05.06.2024", "Urlaub", "U", "K100", "Verwaltung", "", "1"}) +
                // The department valid on the start date; badge ending today.
                Mst("00001", "1", {"B1002", "3", "06.11.2023", "08.11.2023", "Krankheit", "K", "K200", "Produktion", "", "2"}) +
                Mst("00001", "1", {"B1002", "6", "17.06.2024", "21.06.2024", "Urlaub", "U", "K200", "Lager", "", "1"}) +
                // Badge starting today.
                Mst("00001", "1", {"B1003", "7", "13.05.2024", "14.05.2024", "Krankheit", "K", "", "Einkauf", "", "2"}) +
                // Two valid badges: the entry twice.
                Mst("00001", "1", {"B1006A", "0", "02.04.2024", "02.04.2024", "Urlaub", "U", "K300", "Technik", "", "1"}) +
                Mst("00001", "1", {"B1006B", "0", "02.04.2024", "02.04.2024", "Urlaub", "U", "K300", "Technik", "", "1"}) +
                // A badge number longer than its field is cut.
                Mst("00001", "1", {"B123456789012", "7", "03.04.2024", "03.04.2024", "Krankheit", "K", "K300", "Technik", "", "2"}));
  EXPECT_EQ(tree.LogMessages(), (std::vector<std::string>{
                                    "Importdatei : " + Path() + " fuellen...",
                                    "Schema:MANDANT2 Lizenz:00002 Mandant:2",
                                    "Schema:MANDANT3 Lizenz:00003 Mandant:3",
                                    "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                                    "Import " + Path() + " fertig.",
                                    "Die Schnittstellendatei vom Dateityp 'MST' wurde erstellt!",
                                }));
}

TEST_F(MstE2E, MonthWindowStartsOnItsFirstDayAtAnyTimeOfTheRun) {
  System("DELETE FROM VLS112MND WHERE MNDNUM <> '1';");
  Client("MANDANT1",
         "INSERT INTO VLS300PNR (PNRNUM) VALUES ('1001');"
         "INSERT INTO VLS131FCD VALUES (1, 'U', 'Urlaub', 1, 10, 1);"
         "INSERT INTO VLS311ZUO VALUES ('1001', " + Day("2020-01-01") + ", NULL, 'Verwaltung');"
         "INSERT INTO VLS382BVF VALUES " +
             Entry("1001", "2023-02-28", "2023-02-28", 1, 1, "'A'") + ", " +
             Entry("1001", "2023-02-28", "2023-02-28 23:00:00", 2, 1, "'B'") + ", " +
             Entry("1001", "2023-03-01", "2023-03-01", 3, 1, "'C'") + ", " +
             Entry("1001", "2023-03-02", "2023-03-02", 4, 1, "'D'") + ";");
  const std::string expected =
      Mst("00001", "1", {"B1001", "3", "01.03.2023", "01.03.2023", "Urlaub", "U", "C", "Verwaltung", "", "1"}) +
      Mst("00001", "1", {"B1001", "4", "02.03.2023", "02.03.2023", "Urlaub", "U", "D", "Verwaltung", "", "1"});
  // 15 June 2024: the window starts on 1 March 2023.
  for (const char* now : {"2024-06-15 00:00:00", "2024-06-15 09:00:00", "2024-06-15 23:59:59"}) {
    SCOPED_TRACE(now);
    ASSERT_EQ(tree.Run({Path(), "MST"}, now).exit_code, 0);
    EXPECT_EQ(File(), expected);
  }
}

TEST_F(MstE2E, ClientSchemaWithoutDepartmentsFailsKeepingTheEarlierClientsRecords) {
  Client("MANDANT2", Client2());
  Client("MANDANT1", Client1() + "DROP TABLE VLS311ZUO;");
  EXPECT_EQ(tree.RunInProcess({Path(), "MST"}), 99);
  EXPECT_EQ(File(),
            Mst("00002", "2", {"2_2002", "3", "06.05.2024", "06.05.2024", "Urlaub", "U", "K910", "Verkauf", "1345", "1"}) +
                Mst("00002", "2", {"B2001", "1", "10.06.2024", "12.06.2024", "Urlaub", "U", "K900", "Backstube", "", "1"}));
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 7),
            (std::vector<std::string>{
                "Importdatei : " + Path() + " fuellen...",
                "Schema:MANDANT2 Lizenz:00002 Mandant:2",
                "Schema:MANDANT3 Lizenz:00003 Mandant:3",
                "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                "Fehler in Fkt. SQLOpenMst(). RC: -942",
                "Import " + Path() + " fehlgeschlagen.",
                "1. Versuch zur Wiederherstellung der Datenbankverbindung!",  // result 2: reconnect
            }));
  EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'MST' konnte nicht erstellt werden!");
  EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));
}

TEST_F(MstE2E, FetchErrorKeepsTheEarlierClientsRecords) {
  Client("MANDANT2", Client2());
  // A time of day that is no date: the cursor fails when it delivers rows.
  Client("MANDANT1", Client1() + "UPDATE VLS382BVF SET BVFUH1 = 'kaputt' WHERE BVFGEN = 13;");
  EXPECT_EQ(tree.RunInProcess({Path(), "MST"}), 99);
  EXPECT_EQ(File(),
            Mst("00002", "2", {"2_2002", "3", "06.05.2024", "06.05.2024", "Urlaub", "U", "K910", "Verkauf", "1345", "1"}) +
                Mst("00002", "2", {"B2001", "1", "10.06.2024", "12.06.2024", "Urlaub", "U", "K900", "Backstube", "", "1"}));
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(log[3], "Schema:MANDANT1 Lizenz:00001 Mandant:1");
  EXPECT_EQ(log[4].rfind("Fehler in Fkt. SQLFetchMst(). RC: -", 0), 0u) << log[4];
  EXPECT_EQ(log[5], "Import " + Path() + " fehlgeschlagen.");
}

// The open-failure message of each job; MST's ends with a full stop.
TEST_F(MstE2E, UnwritableOutputIsResultOneWithEachJobsMessage) {
  const std::string bad = (tree.root() / "no-such-dir" / "out.imp").string();
  struct Case {
    const char* type;
    std::string message;
  };
  const Case kCases[] = {
      {"FTG", "Oeffnen der Datei " + bad + " fehlgeschlagen"},
      {"MST", "Oeffnen der Datei " + bad + " fehlgeschlagen."},
      {"MDT", "Oeffnen der Datei " + bad + " fehlgeschlagen"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.type);
    std::filesystem::remove(tree.log_file());
    EXPECT_EQ(tree.RunInProcess({bad, c.type}), 99);
    std::vector<std::string> expected(5, c.message);
    expected.push_back(std::string("Die Schnittstellendatei vom Dateityp '") + c.type +
                       "' konnte nicht erstellt werden!");
    EXPECT_EQ(tree.LogMessages(), expected);
    EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));  // no reconnect after result 1
  }
}

}  // namespace
