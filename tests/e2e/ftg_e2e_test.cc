// The holiday file FTG end to end: every terminal times every holiday of
// every client's calendars from last year on, client after client in the
// client cursor's order, texts from the dictionary in the terminal's
// language, records byte for byte; failures and their results.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "absences_e2e_tree.h"

namespace {

std::string Ftg(const std::string& terminal, const std::string& licence, const std::string& client,
                const std::string& date, const std::string& text, const std::string& short_text,
                const std::string& calendar) {
  return Field(terminal, 255) + Field(licence, 5) + Field(client, 5) + date.substr(0, 4) + date + Field(text, 20) +
         Field(short_text, 1) + Field(calendar, 3) + "x\r\n";
}

// Terminals TERMA (German), TERMB (English) and TERMC (no language) have
// readers in existing control areas; TERMX has no reader, TERMY's reader
// has no terminal row.
constexpr char kTerminals[] =
    "INSERT INTO VLS1140TRM VALUES ('TERMB', 2), ('TERMA', 1), ('TERMC', NULL), ('TERMX', 1);"
    "INSERT INTO VLS402ZKO VALUES ('101', '10', 1, NULL), ('102', '20', 2, 4);"
    "INSERT INTO VLS401ZLS VALUES ('TERMA', 1, '101', NULL, NULL), ('TERMA', 2, '101', NULL, 8),"
    " ('TERMB', 1, '102', NULL, NULL), ('TERMC', 1, '102', NULL, NULL), ('TERMY', 1, '101', NULL, NULL);";

class FtgE2E : public AbsencesE2E {
 protected:
  void SetUp() override {
    AbsencesE2E::SetUp();
    System(kTerminals);
  }

  // Client `number` with licence `licence` in schema `schema`, MNDKON 0.
  void AddClient(const std::string& licence, const std::string& number, const std::string& schema) {
    System("INSERT INTO VLS112MND VALUES ('" + licence + "', '" + number + "', 'Name', '0', NULL, 'x', 0, '" +
           schema + "', '10001');");
  }
};

TEST_F(FtgE2E, EveryTerminalGetsEveryHolidayOfEveryClientInClientCursorOrder) {
  // Client 2 comes first in the client table; clients 3 (MNDKON 1) and 4
  // (no schema) are never visited.
  AddClient("00002", "2", "MANDANT2");
  AddClient("00001", "1", "MANDANT1");
  System("INSERT INTO VLS112MND VALUES ('00001', '3', 'Drei', '0', NULL, 'x', 1, 'MANDANT3', '10003'),"
         " ('00001', '4', 'Vier', '0', NULL, 'x', 0, NULL, '10004');");
  const std::string day_types =
      "INSERT INTO VLS132TT2 VALUES (1, 'Arbeitstag', 'A', 0), (20, 'Feiertag', 'F', 1),"
      " (21, 'Halber Feiertag', 'H', 1);";
  // Calendars 1 and 2 both hold 1 May; 26 Dec 2022 lies before last year.
  Client("MANDANT1", day_types + "INSERT INTO VLS133KA2 VALUES (1, " + Day("2022-12-26") + ", 20), (1, " +
                         Day("2023-01-01") + ", 20), (2, " + Day("2024-05-01") + ", 20), (1, " + Day("2024-05-01") +
                         ", 20), (1, " + Day("2024-05-02") + ", 1), (1, " + Day("2024-12-24") + ", 21), (1, " +
                         Day("2026-01-01") + ", 20);"
                         "INSERT INTO VLS122DI2 VALUES ('20#', 'TT2TXT', 1, 'Gesetzlicher Feiertag'),"
                         " ('20#', 'TT2TXT', 2, 'Public holiday'), ('20#', 'TT2TXT', 0, 'Feiertag allgemein'),"
                         " ('21#', 'TT2TXT', 1, NULL), ('21#', 'TT2TXT', 2, 'Half holiday'),"
                         " ('21#', 'TT2TXT', 0, ''), ('20#', 'TT2KRT', 2, 'P');");
  Client("MANDANT2", day_types + "INSERT INTO VLS133KA2 VALUES (1, " + Day("2024-10-03") +
                         ", 20); INSERT INTO VLS122DI2 VALUES ('20#', 'TT2TXT', 2, 'Bank holiday');");
  Client("MANDANT3", day_types + "INSERT INTO VLS133KA2 VALUES (1, " + Day("2024-10-03") + ", 20);");

  ProcessResult r = tree.Run({Path(), "FTG"});
  EXPECT_EQ(r.exit_code, 0);
  const std::string c2 = "00002", c1 = "00001";
  EXPECT_EQ(File(),
            Ftg("TERMA", c2, "2", "20241003", "Feiertag", "F", "1") +
                Ftg("TERMB", c2, "2", "20241003", "Bank holiday", "F", "1") +
                Ftg("TERMC", c2, "2", "20241003", "Feiertag", "F", "1") +
                // German: cut to 20; the NULL translation keeps the text.
                Ftg("TERMA", c1, "1", "20230101", "Gesetzlicher Feierta", "F", "1") +
                Ftg("TERMA", c1, "1", "20240501", "Gesetzlicher Feierta", "F", "1") +
                Ftg("TERMA", c1, "1", "20240501", "Gesetzlicher Feierta", "F", "2") +
                Ftg("TERMA", c1, "1", "20241224", "Halber Feiertag", "H", "1") +
                Ftg("TERMA", c1, "1", "20260101", "Gesetzlicher Feierta", "F", "1") +
                // English.
                Ftg("TERMB", c1, "1", "20230101", "Public holiday", "F", "1") +
                Ftg("TERMB", c1, "1", "20240501", "Public holiday", "F", "1") +
                Ftg("TERMB", c1, "1", "20240501", "Public holiday", "F", "2") +
                Ftg("TERMB", c1, "1", "20241224", "Half holiday", "H", "1") +
                Ftg("TERMB", c1, "1", "20260101", "Public holiday", "F", "1") +
                // No language: looked up as language 0; the empty text keeps the own.
                Ftg("TERMC", c1, "1", "20230101", "Feiertag allgemein", "F", "1") +
                Ftg("TERMC", c1, "1", "20240501", "Feiertag allgemein", "F", "1") +
                Ftg("TERMC", c1, "1", "20240501", "Feiertag allgemein", "F", "2") +
                Ftg("TERMC", c1, "1", "20241224", "Halber Feiertag", "H", "1") +
                Ftg("TERMC", c1, "1", "20260101", "Feiertag allgemein", "F", "1"));
  EXPECT_EQ(tree.LogMessages(), (std::vector<std::string>{
                                    "Importdatei: " + Path() + " fuellen...",
                                    "Schema:MANDANT2 Lizenz:00002 Mandant:2",
                                    "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                                    "Import " + Path() + " fertig.",
                                    "Die Schnittstellendatei vom Dateityp 'FTG' wurde erstellt!",
                                }));
}

TEST_F(FtgE2E, HolidaysFromTheFirstDayOfLastYearOnWhateverTheDayOfTheRun) {
  AddClient("00001", "1", "MANDANT1");
  Client("MANDANT1", "INSERT INTO VLS132TT2 VALUES (20, 'Feiertag', 'F', 1);"
                     "INSERT INTO VLS133KA2 VALUES (1, " + Day("2022-12-31") + ", 20), (1, " + Day("2023-01-01") +
                         ", 20), (1, " + Day("2024-12-31") + ", 20), (1, " + Day("2025-01-01") + ", 20), (1, " +
                         Day("2030-06-01") + ", 20);");
  System("DELETE FROM VLS401ZLS WHERE ZLSTRM <> 'TERMA';");
  struct Case {
    const char* now;
    std::vector<std::string> dates;
  };
  const Case kCases[] = {
      {"2024-01-01 00:00:00", {"20230101", "20241231", "20250101", "20300601"}},
      {"2024-12-31 23:59:59", {"20230101", "20241231", "20250101", "20300601"}},
      {"2023-12-31 12:00:00", {"20221231", "20230101", "20241231", "20250101", "20300601"}},
      {"2025-01-01 00:00:00", {"20241231", "20250101", "20300601"}},
      {"2032-06-17 09:00:00", {}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.now);
    ASSERT_EQ(tree.Run({Path(), "FTG"}, c.now).exit_code, 0);
    std::string expected;
    for (const std::string& date : c.dates) expected += Ftg("TERMA", "00001", "1", date, "Feiertag", "F", "1");
    EXPECT_EQ(File(), expected);
  }
}

TEST_F(FtgE2E, ClientSchemaWithoutCalendarTableFailsKeepingTheEarlierClientsRecords) {
  AddClient("00002", "2", "MANDANT2");
  AddClient("00001", "1", "MANDANT1");
  AddClient("00001", "5", "MANDANT5");
  const std::string holiday = "INSERT INTO VLS132TT2 VALUES (20, 'Feiertag', 'F', 1);"
                              "INSERT INTO VLS133KA2 VALUES (1, " + Day("2024-10-03") + ", 20);";
  Client("MANDANT2", holiday);
  Client("MANDANT1", holiday + "DROP TABLE VLS133KA2;");
  Client("MANDANT5", holiday);

  EXPECT_EQ(tree.RunInProcess({Path(), "FTG"}), 99);
  EXPECT_EQ(File(), Ftg("TERMA", "00002", "2", "20241003", "Feiertag", "F", "1") +
                        Ftg("TERMB", "00002", "2", "20241003", "Feiertag", "F", "1") +
                        Ftg("TERMC", "00002", "2", "20241003", "Feiertag", "F", "1"));
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 6),
            (std::vector<std::string>{
                "Importdatei: " + Path() + " fuellen...",
                "Schema:MANDANT2 Lizenz:00002 Mandant:2",
                "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                "Fehler in Fkt. SQLOpenFtg(). RC: -942",
                "Import " + Path() + " fehlgeschlagen.",
                "1. Versuch zur Wiederherstellung der Datenbankverbindung!",  // result 2: reconnect
            }));
  for (const std::string& message : log) EXPECT_EQ(message.find("MANDANT5"), std::string::npos) << message;
  EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'FTG' konnte nicht erstellt werden!");
  EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));
}

TEST_F(FtgE2E, FetchErrorKeepsTheRecordsWrittenBefore) {
  AddClient("00001", "1", "MANDANT1");
  AddClient("00002", "2", "MANDANT2");
  const std::string holiday = "INSERT INTO VLS132TT2 VALUES (20, 'Feiertag', 'F', 1);"
                              "INSERT INTO VLS133KA2 VALUES (1, " + Day("2024-10-03") + ", 20);";
  Client("MANDANT1", holiday);
  Client("MANDANT2", holiday);
  // TERMC's language is no number: its row cannot be fetched.
  System("UPDATE VLS1140TRM SET TRMSPR = 'DE' WHERE TRMNAM = 'TERMC';");
  EXPECT_EQ(tree.RunInProcess({Path(), "FTG"}), 99);
  EXPECT_EQ(File(), Ftg("TERMA", "00001", "1", "20241003", "Feiertag", "F", "1") +
                        Ftg("TERMB", "00001", "1", "20241003", "Feiertag", "F", "1"));
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 4),
            (std::vector<std::string>{
                "Importdatei: " + Path() + " fuellen...",
                "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                "Fehler in Fkt. SQLFetchFtg(). RC: -1722",
                "Import " + Path() + " fehlgeschlagen.",
            }));
}

TEST_F(FtgE2E, WithoutDictionaryTheDayTypesTextsAreWritten) {
  AddClient("00001", "1", "MANDANT1");
  Client("MANDANT1", "INSERT INTO VLS132TT2 VALUES (20, 'Feiertag', 'F', 1);"
                     "INSERT INTO VLS133KA2 VALUES (1, " + Day("2024-10-03") + ", 20); DROP TABLE VLS122DI2;");
  ASSERT_EQ(tree.Run({Path(), "FTG"}).exit_code, 0);
  EXPECT_EQ(File(), Ftg("TERMA", "00001", "1", "20241003", "Feiertag", "F", "1") +
                        Ftg("TERMB", "00001", "1", "20241003", "Feiertag", "F", "1") +
                        Ftg("TERMC", "00001", "1", "20241003", "Feiertag", "F", "1"));
}

TEST_F(FtgE2E, ClientWithoutHolidaysWritesNothingAndWithoutTerminalsTheFileStaysEmpty) {
  AddClient("00001", "1", "MANDANT1");
  AddClient("00002", "2", "MANDANT2");
  Client("MANDANT1", "INSERT INTO VLS132TT2 VALUES (20, 'Feiertag', 'F', 1), (1, 'Arbeitstag', 'A', 0);"
                     "INSERT INTO VLS133KA2 VALUES (1, " + Day("2024-10-02") + ", 1);");
  Client("MANDANT2", "INSERT INTO VLS132TT2 VALUES (20, 'Feiertag', 'F', 1);"
                     "INSERT INTO VLS133KA2 VALUES (1, " + Day("2024-10-03") + ", 20);");
  ASSERT_EQ(tree.Run({Path(), "FTG"}).exit_code, 0);
  EXPECT_EQ(File(), Ftg("TERMA", "00002", "2", "20241003", "Feiertag", "F", "1") +
                        Ftg("TERMB", "00002", "2", "20241003", "Feiertag", "F", "1") +
                        Ftg("TERMC", "00002", "2", "20241003", "Feiertag", "F", "1"));

  System("DELETE FROM VLS1140TRM;");
  ASSERT_EQ(tree.Run({Path(), "FTG"}).exit_code, 0);
  EXPECT_TRUE(std::filesystem::exists(out));
  EXPECT_EQ(File(), "");
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(log.end() - 5, log.end()),
            (std::vector<std::string>{
                "Importdatei: " + Path() + " fuellen...",
                "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                "Schema:MANDANT2 Lizenz:00002 Mandant:2",
                "Import " + Path() + " fertig.",
                "Die Schnittstellendatei vom Dateityp 'FTG' wurde erstellt!",
            }));
}

}  // namespace
