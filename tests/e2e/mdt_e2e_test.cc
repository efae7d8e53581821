// The employee detail file MDT end to end: the days with target time of the
// status entries of the last fifteen months, per badge in the text order of
// dd.mm.yyyy, client after client in client cursor order, records byte for
// byte; the month window whatever the time of day; failures and results.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "absences_e2e_tree.h"

namespace {

std::string Mdt(const std::string& licence, const std::string& client, const std::string& badge,
                const std::string& day, const std::string& text, const std::string& status,
                const std::string& short_text, const std::string& code) {
  return Field(licence, 5) + Field(client, 5) + Field(badge, 13) + day + Field(text, 33) + std::string(33, ' ') +
         status + Field(short_text, 1) + Field(code, 3) + "x\r\n";
}

std::string M1(const std::string& badge, const std::string& day, const std::string& text,
               const std::string& status, const std::string& short_text, const std::string& code) {
  return Mdt("00001", "1", badge, day, text, status, short_text, code);
}

// Badges seen from the run day 2024-06-17: B1002 ends today, B1004 ended
// yesterday, person 1006 has two valid badges, person 4711 none.
constexpr char kSystem[] =
    "INSERT INTO VLS301ASW (ASWNUM, ASWPNR, ASWGVO, ASWGBI) VALUES"
    " ('B1001', '1001', unixepoch('2020-01-01')/86400.0, NULL),"
    " ('B1002', '1002', unixepoch('2023-01-01')/86400.0, unixepoch('2024-06-17')/86400.0),"
    " ('B1004', '1004', unixepoch('2022-01-01')/86400.0, unixepoch('2024-06-16')/86400.0),"
    " ('B1006A', '1006', unixepoch('2020-01-01')/86400.0, NULL),"
    " ('B1006B', '1006', unixepoch('2021-01-01')/86400.0, NULL),"
    " ('B2001', '2001', unixepoch('2020-01-01')/86400.0, NULL);"
    "INSERT INTO VLS112MND VALUES ('00002', '2', 'Zwei', '0', NULL, 'x', 0, 'MANDANT2', '20002'),"
    " ('00001', '1', 'Eins', '0', NULL, 'x', 0, 'MANDANT1', '10001');"
    "INSERT INTO VLS133BAK (BAKDTM, BAKWTG) WITH RECURSIVE d(day) AS ("
    " SELECT unixepoch('2023-01-01') / 86400 UNION ALL SELECT day + 1 FROM d WHERE day < unixepoch('2024-12-31') / 86400)"
    " SELECT day, 1 FROM d;";

// An entry of one day or more and the working-time models of its days.
std::string Entry(const std::string& person, const std::string& from, const std::string& to, int status, int code) {
  return "INSERT INTO VLS382BVF VALUES ('" + person + "', " + Day(from) + ", " + Day(to) + ", " +
         std::to_string(status) + ", " + std::to_string(code) + ", 'K', NULL);";
}
std::string Model(const std::string& person, const std::string& day, int model) {
  return "INSERT INTO VLS329ZTG VALUES ('" + person + "', " + Day(day) + ", " + std::to_string(model) + ");";
}

// Models: 1 with target time, 2 without, 3 ended on 31 March 2024.
std::string Client1() {
  return "INSERT INTO VLS131FCD VALUES (1, 'U', 'Urlaub', 1, 10, 1), (2, 'K', 'Krankheit', 1, 20, 1),"
         " (3, 'D', 'Dienstreise', 2, NULL, 1), (5, ' ', 'Gleitzeit', 3, 50, 1), (6, NULL, 'Ohne', 3, 60, 1);"
         "INSERT INTO VLS140AZV VALUES (1, " + Day("2020-01-01") + ", NULL, 480), (2, " + Day("2020-01-01") +
         ", NULL, 0), (3, " + Day("2020-01-01") + ", " + Day("2024-03-31") + ", 480);" +
         // Status 5 from 1 to 3 March; 2 March has no target time.
         Entry("1001", "2024-03-01", "2024-03-03", 5, 2) + Model("1001", "2024-03-01", 1) +
         Model("1001", "2024-03-02", 2) + Model("1001", "2024-03-03", 1) +
         // 2 April's model had ended.
         Entry("1001", "2024-04-01", "2024-04-02", 7, 1) + Model("1001", "2024-04-01", 1) +
         Model("1001", "2024-04-02", 3) +
         Entry("1001", "2024-05-06", "2024-05-06", 9, 3) + Model("1001", "2024-05-06", 1) +
         Entry("1001", "2024-05-07", "2024-05-07", 10, 3) + Model("1001", "2024-05-07", 1) +
         // Blank and NULL short texts, status 8, a day without model: none.
         Entry("1001", "2024-05-08", "2024-05-08", 2, 5) + Model("1001", "2024-05-08", 1) +
         Entry("1001", "2024-05-09", "2024-05-09", 2, 6) + Model("1001", "2024-05-09", 1) +
         Entry("1001", "2024-05-10", "2024-05-10", 8, 1) + Model("1001", "2024-05-10", 1) +
         Entry("1001", "2024-05-13", "2024-05-13", 3, 1) +
         Entry("1001", "2024-05-14", "2024-05-14", 3, 1) + Model("1001", "2024-05-14", 1) +
         // The window starts on 1 March 2023.
         Entry("1001", "2023-02-28", "2023-02-28", 2, 1) + Model("1001", "2023-02-28", 1) +
         Entry("1001", "2023-03-01", "2023-03-01", 3, 1) + Model("1001", "2023-03-01", 1) +
         // No badge valid today.
         Entry("1004", "2024-05-21", "2024-05-21", 2, 1) + Model("1004", "2024-05-21", 1) +
         Entry("4711", "2024-05-21", "2024-05-21", 2, 1) + Model("4711", "2024-05-21", 1) +
         // Two badges.
         Entry("1006", "2024-05-22", "2024-05-23", 2, 1) + Model("1006", "2024-05-22", 1) +
         Model("1006", "2024-05-23", 1) +
         Entry("1002", "2024-06-17", "2024-06-17", 2, 1) + Model("1002", "2024-06-17", 1);
}

std::string Client2() {
  return "INSERT INTO VLS131FCD VALUES (1, 'U', 'Urlaub', 1, 10, 1);"
         "INSERT INTO VLS140AZV VALUES (1, " + Day("2021-01-01") + ", NULL, 450);" +
         Entry("2001", "2024-06-10", "2024-06-11", 2, 1) + Model("2001", "2024-06-10", 1) +
         Model("2001", "2024-06-11", 1);
}

class MdtE2E : public AbsencesE2E {
 protected:
  void SetUp() override {
    AbsencesE2E::SetUp();
    System(kSystem);
  }
};

TEST_F(MdtE2E, DaysWithTargetTimePerBadgeInTextOrderOfTheDay) {
  Client("MANDANT1", Client1());
  Client("MANDANT2", Client2());
  ProcessResult r = tree.Run({Path(), "MDT"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(File(), Mdt("00002", "2", "B2001", "10.06.2024", "Urlaub", "2", "U", "1") +
                        Mdt("00002", "2", "B2001", "11.06.2024", "Urlaub", "2", "U", "1") +
                        // 01.04.2024 before 03.03.2024: the days in text order.
                        M1("B1001", "01.03.2023", "Urlaub", "3", "U", "1") +
                        M1("B1001", "01.03.2024", "Krankheit", "2", "K", "2") +
                        M1("B1001", "01.04.2024", "Urlaub", "3", "U", "1") +
                        M1("B1001", "03.03.2024", "Krankheit", "2", "K", "2") +
                        M1("B1001", "06.05.2024", "Dienstreise", "3", "D", "3") +
                        M1("B1001", "07.05.2024", "Dienstreise", "3", "D", "3") +
                        M1("B1001", "14.05.2024", "Urlaub", "3", "U", "1") +
                        M1("B1002", "17.06.2024", "Urlaub", "2", "U", "1") +
                        M1("B1006A", "22.05.2024", "Urlaub", "2", "U", "1") +
                        M1("B1006A", "23.05.2024", "Urlaub", "2", "U", "1") +
                        M1("B1006B", "22.05.2024", "Urlaub", "2", "U", "1") +
                        M1("B1006B", "23.05.2024", "Urlaub", "2", "U", "1"));
  EXPECT_EQ(tree.LogMessages(), (std::vector<std::string>{
                                    "Importdatei : " + Path() + " fuellen...",
                                    "Schema: MANDANT2  Lizenz: 00002  Mandant: 2",
                                    "Schema: MANDANT1  Lizenz: 00001  Mandant: 1",
                                    "Import " + Path() + " fertig.",
                                    "Die Schnittstellendatei vom Dateityp 'MDT' wurde erstellt!",
                                }));
}

TEST_F(MdtE2E, MonthWindowStartsOnItsFirstDayAtAnyTimeOfTheRun) {
  System("DELETE FROM VLS112MND WHERE MNDNUM = '2';");
  Client("MANDANT1",
         "INSERT INTO VLS131FCD VALUES (1, 'U', 'Urlaub', 1, 10, 1);"
         "INSERT INTO VLS140AZV VALUES (1, " + Day("2020-01-01") + ", NULL, 480);" +
             Entry("1001", "2023-02-28", "2023-02-28", 2, 1) + Model("1001", "2023-02-28", 1) +
             Entry("1001", "2023-03-01", "2023-03-01", 3, 1) + Model("1001", "2023-03-01", 1) +
             Entry("1001", "2023-03-02", "2023-03-02", 5, 1) + Model("1001", "2023-03-02", 1));
  const std::string expected =
      M1("B1001", "01.03.2023", "Urlaub", "3", "U", "1") + M1("B1001", "02.03.2023", "Urlaub", "2", "U", "1");
  for (const char* now : {"2024-06-15 00:00:00", "2024-06-15 09:00:00", "2024-06-15 23:59:59"}) {
    SCOPED_TRACE(now);
    ASSERT_EQ(tree.Run({Path(), "MDT"}, now).exit_code, 0);
    EXPECT_EQ(File(), expected);
  }
}

TEST_F(MdtE2E, ClientSchemaWithoutWorkingTimeModelsFailsKeepingTheEarlierClientsRecords) {
  Client("MANDANT2", Client2());
  Client("MANDANT1", Client1() + "DROP TABLE VLS140AZV;");
  EXPECT_EQ(tree.RunInProcess({Path(), "MDT"}), 99);
  EXPECT_EQ(File(), Mdt("00002", "2", "B2001", "10.06.2024", "Urlaub", "2", "U", "1") +
                        Mdt("00002", "2", "B2001", "11.06.2024", "Urlaub", "2", "U", "1"));
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 6),
            (std::vector<std::string>{
                "Importdatei : " + Path() + " fuellen...",
                "Schema: MANDANT2  Lizenz: 00002  Mandant: 2",
                "Schema: MANDANT1  Lizenz: 00001  Mandant: 1",
                "Fehler in Fkt. SQLOpenMdt(). RC: -942",
                "Import " + Path() + " fehlgeschlagen.",
                "1. Versuch zur Wiederherstellung der Datenbankverbindung!",  // result 2: reconnect
            }));
  EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'MDT' konnte nicht erstellt werden!");
  EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));
}

}  // namespace
