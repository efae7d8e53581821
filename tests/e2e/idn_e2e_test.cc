// The badge master file IDStamm end to end: records byte for byte per client
// in client order, clients skipped, validity today, the product version's
// cost-centre lookup, BSVMAP, a client schema without the holder table, and
// the demo database.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "master_badges_e2e.h"
#include "sql_script.h"

namespace {

// A badge's record values; the defaults are those BadgeSql and PersonSql write.
struct Badge {
  std::string badge{};
  std::string person{};
  std::string client = "1";
  std::string from = "20200101";
  std::string to{};
  std::string name = "Muster";
  std::string bsvmap{};
  std::string cost_centre{};
  std::string calendar{};
};

constexpr std::size_t kWidths[24] = {50, 8, 8, 8, 8, 50, 5, 5, 32, 5, 5, 5, 5, 2, 50, 2, 10, 5, 5, 14, 50, 1, 30, 3};

// One record from its 24 fields.
std::string Line(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < 24; ++i) line += Field(fields.at(i), kWidths[i]);
  return line + "x\r\n";
}

// The record of a badge inserted by BadgeSql.
std::string Record(const Badge& b) {
  return Line({b.badge, "10001", b.from, b.to, b.person, b.name, "1", "500", "4711", "A", "VW", "00001", b.client,
               "1", "Stammausweis", "2", "Herr", "", "0", "20240603081200", "admin", b.bsvmap, b.cost_centre,
               b.calendar});
}

// Badge and site rows (system schema); dates as SQL expressions.
std::string BadgeSql(const std::string& badge, const std::string& person, const std::string& client,
                     const std::string& from, const std::string& to = "NULL") {
  return "INSERT INTO VLS301ASW VALUES ('" + badge + "', '" + person + "', '00001', '" + client + "', " + from +
         ", " + to + ", '500', '4711', 'VW', 1, 'Stammausweis', 0, " + Day("2024-06-03 08:12:00") + ", 'admin');" +
         "INSERT INTO VLS113AWV VALUES ('" + badge + "', '10001', 'A');";
}

// Holder rows of a client schema.
std::string PersonSql(const std::string& person, const std::string& cost_centre = "",
                      const std::string& calendar = "") {
  std::string sql = "INSERT INTO VLS300PNR VALUES ('" + person + "', 'Muster', 1, 2, 'Herr');";
  if (!cost_centre.empty()) {
    sql += "INSERT INTO PERSONALSTAMM VALUES ('" + person + "', '" + cost_centre + "', '" + calendar + "');";
  }
  return sql;
}

class IdnE2E : public BadgesE2E {
 protected:
  void SetUp() override { Prepare("idstamm.imp"); }
  void Version(const std::string& rows) {
    tree.RunSql("VLSYSTEM", "DELETE FROM VLS110LIZ;" + (rows.empty() ? "" : "INSERT INTO VLS110LIZ VALUES " + rows + ";"));
  }
};

TEST_F(IdnE2E, TwoClientsInClientCursorOrderOthersSkipped) {
  ClientSchema("MANDANT1");
  ClientSchema("MANDANT2");
  ClientSchema("MANDANT3");
  // The client cursor has no order: the table's order, client 2 first.
  ClientRowSql("2", "0", "'MANDANT2'");
  ClientRowSql("3", "1", "'MANDANT3'");  // MNDKON 1: not visited
  ClientRowSql("4", "0", "NULL");        // no schema: not visited
  ClientRowSql("1", "0", "'MANDANT1'");
  Version("('7418-002-01', '05.90')");
  tree.RunSql("VLSYSTEM", BadgeSql("10000001", "1001", "1", Day("2020-01-01")) +
                              BadgeSql("20000001", "2001", "2", Day("2020-01-01")) +
                              BadgeSql("30000001", "3001", "3", Day("2020-01-01")) +
                              BadgeSql("40000001", "4001", "4", Day("2020-01-01")) +
                              // a badge of client 1 whose holder lives in client 2's schema only
                              BadgeSql("10000009", "2001", "1", Day("2020-01-01")));
  tree.RunSql("MANDANT1", PersonSql("1001", "K100", "STD"));
  tree.RunSql("MANDANT2", PersonSql("2001", "K900", "BAE") + PersonSql("4001"));
  tree.RunSql("MANDANT3", PersonSql("3001", "K300", "DRI"));

  ProcessResult r = tree.Run({out.string(), "IDN"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(Out(), Record({.badge = "20000001", .person = "2001", .client = "2", .cost_centre = "K900", .calendar = "BAE"}) +
                       Record({.badge = "10000001", .person = "1001", .cost_centre = "K100", .calendar = "STD"}));
  EXPECT_EQ(tree.LogMessages(), (std::vector<std::string>{
                                    "Importdatei : " + out.string() + " fuellen...",
                                    "Schema:MANDANT2 Lizenz:00001 Mandant:2",
                                    "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                                    "Import " + out.string() + " fertig.",
                                    "Die Schnittstellendatei vom Dateityp 'IDN' wurde erstellt!",
                                }));
}

TEST_F(IdnE2E, NoClientsGiveAnEmptyFile) {
  ASSERT_EQ(tree.Run({out.string(), "IDN"}).exit_code, 0);
  EXPECT_TRUE(std::filesystem::exists(out));
  EXPECT_EQ(Out(), "");
}

TEST_F(IdnE2E, ValidToday) {
  ClientSchema("MANDANT1");
  ClientRowSql("1", "0", "'MANDANT1'");
  tree.RunSql("VLSYSTEM", BadgeSql("OPEN", "1001", "1", Day("2020-01-01")) +
                              BadgeSql("ENDSTODAY", "1001", "1", Day("2020-01-01"), Day("2024-06-17")) +
                              BadgeSql("STARTSTODAY", "1001", "1", Day("2024-06-17"), Day("2024-12-31")) +
                              BadgeSql("ENDEDYESTERDAY", "1001", "1", Day("2020-01-01"), Day("2024-06-16")) +
                              BadgeSql("STARTSTOMORROW", "1001", "1", Day("2024-06-18")) +
                              BadgeSql("NOSTART", "1001", "1", "NULL"));
  tree.RunSql("MANDANT1", PersonSql("1001"));
  ASSERT_EQ(tree.Run({out.string(), "IDN"}).exit_code, 0);
  EXPECT_EQ(SortedLines(Out()), Sorted({
                                    Record({.badge = "OPEN", .person = "1001"}),
                                    Record({.badge = "ENDSTODAY", .person = "1001", .to = "20240617"}),
                                    Record({.badge = "STARTSTODAY", .person = "1001", .from = "20240617",
                                            .to = "20241231"}),
                                }));
}

// Fields 23 and 24 of the full export by installed version of 7418-002.
TEST_F(IdnE2E, ProductVersionChoosesTheCostCentreLookup) {
  struct Case {
    const char* rows;
    const char* cost_centre;
    const char* calendar;
  } cases[] = {
      {"('7418-002-01', '05.40'), ('7418-002-02', '05.90'), ('7418-002-03', NULL)", "K100", "STD"},
      {"('7418-002-01', '05.40'), ('7418-001-01', '06.10')", "K100", ""},
      {"('7418-001-01', '06.10')", "", ""},  // none of this product
      {"", "", ""},
  };
  ClientSchema("MANDANT1");
  ClientRowSql("1", "0", "'MANDANT1'");
  tree.RunSql("VLSYSTEM", BadgeSql("10000001", "1001", "1", Day("2020-01-01")));
  tree.RunSql("MANDANT1", PersonSql("1001", "K100", "STD"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows);
    Version(c.rows);
    ASSERT_EQ(tree.Run({out.string(), "IDN"}).exit_code, 0);
    EXPECT_EQ(Out(), Record({.badge = "10000001", .person = "1001", .cost_centre = c.cost_centre,
                             .calendar = c.calendar}));
  }
}

TEST_F(IdnE2E, BsvMapNoneTwoAndNull) {
  ClientSchema("MANDANT1");
  ClientRowSql("1", "0", "'MANDANT1'");
  tree.RunSql("VLSYSTEM", BadgeSql("NONE", "1001", "1", Day("2020-01-01")) +
                              BadgeSql("TWO", "1002", "1", Day("2020-01-01")) +
                              BadgeSql("NULL", "1003", "1", Day("2020-01-01")) +
                              BadgeSql("ONE", "1004", "1", Day("2020-01-01")));
  tree.RunSql("MANDANT1", PersonSql("1001") + PersonSql("1002") + PersonSql("1003") + PersonSql("1004") +
                              "INSERT INTO VLS310BSV VALUES "
                              "('1001', " + Day("2020-01-01") + ", " + Day("2024-06-16") + ", 1),"
                              "('1002', " + Day("2024-01-01") + ", NULL, 3),"
                              "('1002', " + Day("2024-06-01") + ", " + Day("2024-06-30") + ", 4),"
                              "('1003', " + Day("2024-06-17") + ", NULL, NULL),"
                              "('1004', " + Day("2024-01-01") + ", " + Day("2024-06-17") + ", 7);");
  ASSERT_EQ(tree.Run({out.string(), "IDN"}).exit_code, 0);
  EXPECT_EQ(SortedLines(Out()), Sorted({
                                    Record({.badge = "NONE", .person = "1001"}),
                                    Record({.badge = "TWO", .person = "1002"}),
                                    Record({.badge = "NULL", .person = "1003", .bsvmap = "0"}),
                                    Record({.badge = "ONE", .person = "1004", .bsvmap = "7"}),
                                }));
}

TEST_F(IdnE2E, ClientSchemaWithoutHolderTableFailsAfterTheEarlierClients) {
  ClientSchema("MANDANT1");
  tree.RunSql("MANDANT2", "CREATE TABLE PERSONALSTAMM (PSTPNRNUM TEXT, PSTZUOKST TEXT, PSTBSVKAL TEXT);");
  ClientRowSql("1", "0", "'MANDANT1'");
  ClientRowSql("2", "0", "'MANDANT2'");
  tree.RunSql("VLSYSTEM", BadgeSql("10000001", "1001", "1", Day("2020-01-01")) +
                              BadgeSql("20000001", "2001", "2", Day("2020-01-01")));
  tree.RunSql("MANDANT1", PersonSql("1001"));
  EXPECT_EQ(tree.RunInProcess({out.string(), "IDN"}), 99);
  EXPECT_EQ(Out(), Record({.badge = "10000001", .person = "1001"}));
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5),
            (std::vector<std::string>{
                "Importdatei : " + out.string() + " fuellen...",
                "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                "Schema:MANDANT2 Lizenz:00001 Mandant:2",
                "Fehler in Fkt. SQLOpenIDS(). RC: -942",
                "Import " + out.string() + " fehlgeschlagen.",
            }));
  EXPECT_EQ(log[5], "1. Versuch zur Wiederherstellung der Datenbankverbindung!");
  EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'IDN' konnte nicht erstellt werden!");
  EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));
}

TEST_F(IdnE2E, DemoDatabase) {
  std::string error;
  ASSERT_TRUE(BuildSampleDatabase(SSTRXK_SAMPLE_DIR, tree.db(), &error)) << error;
  ASSERT_EQ(tree.Run({out.string(), "IDN"}).exit_code, 0);
  std::string file = Out();
  std::vector<std::string> client1 = {
      Line({"10000001", "10001", "20200101", "", "1001", "M\xFCller, Anna", "1", "500", "4711", "A", "VW", "00001",
            "1", "1", "Stammausweis", "1", "Frau", "", "0", "20240603081200", "admin", "2", "K100", "STD"}),
      Line({"10000002", "10001", "20230601", "20240617", "1002", "Schmidt, Bernd", "1", "500", "1234", "A", "PR",
            "00001", "1", "1", "Stammausweis", "1", "Herr", "", "0", "20230530164005", "admin", "0", "K200", "S2"}),
      Line({"10000003", "10001", "20240617", "20251231", "1003", "Nguyen, Lan", "2", "52001", "", "G", "GA", "00001",
            "1", "2", "Gastausweis", "2", "", "", "0", "20240614110000", "empfang", "", "", ""}),
  };
  std::vector<std::string> client2 = {
      Line({"20000001", "42381", "20210301", "", "2001", "\xD6zt\xFCrk, Mehmet", "1", "500", "2580", "B", "BA",
            "00001", "2", "1", "Stammausweis", "1", "Herr", "", "0", "20240220093000", "schmidt", "1", "K900", "BAE"}),
      Line({"20000002", "42381", "20240101", "20241231", "2002", "Schulz, Petra", "1", "510", "3690", "B", "VK",
            "00001", "2", "1", "Stammausweis", "1", "Frau", "", "0", "20240102100000", "schmidt", "", "K910", ""}),
  };
  ASSERT_EQ(file.size(), 5 * 369u);
  EXPECT_EQ(SortedLines(file.substr(0, 3 * 369)), Sorted(client1));
  EXPECT_EQ(SortedLines(file.substr(3 * 369)), Sorted(client2));
}

}  // namespace
