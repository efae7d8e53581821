// The cost-centre file Kostenst end to end: records byte for byte per client
// in client order, clients skipped, KstApz NULL / 12 / -3, right-trimmed
// texts, a NULL KstNum and a client schema without the table, and the demo
// database.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "master_badges_e2e.h"
#include "sql_script.h"

namespace {

std::string Record(const std::string& number, const std::string& client, const std::string& licence,
                   const std::string& apz, const std::string& text, const std::string& erf) {
  return Field(number, 30) + Field(client, 5) + Field(licence, 5) + Field(apz, 7) + Field("", 7) + Field(text, 30) +
         Field(erf, 50) + "x\r\n";
}

class KstE2E : public BadgesE2E {
 protected:
  void SetUp() override { Prepare("kostenst.imp"); }
};

TEST_F(KstE2E, TwoClientsInClientCursorOrderOthersSkipped) {
  TwoClientsAndTwoSkipped();
  tree.RunSql("MANDANT1", "INSERT INTO O1003KSTSTELLE VALUES "
                          "('K300', 'Lager', 'meier', NULL, 1),"
                          "('K100', 'Verwaltung', 'admin', 12, NULL),"
                          "('K200', 'Produktion   ', 'admin', -3, 0),"
                          "('K400', 'Altbau', 'admin', 5, 4),"
                          "('K500', 'Projekt X', 'admin', 2, 8);");
  tree.RunSql("MANDANT2", "INSERT INTO O1003KSTSTELLE VALUES ('K910 ', 'Backstube' || char(9), 'schmidt ' || char(9), 4, 0);");
  tree.RunSql("MANDANT3", "INSERT INTO O1003KSTSTELLE VALUES ('K999', 'nie', 'x', 1, 0);");

  ProcessResult r = tree.Run({out.string(), "KST"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(Out(), Record("K910", "2", "00002", "4", "Backstube", "schmidt") +
                       Record("K100", "1", "00001", "12", "Verwaltung", "admin") +
                       Record("K200", "1", "00001", "-3", "Produktion", "admin") +
                       Record("K300", "1", "00001", "", "Lager", "meier"));
  EXPECT_EQ(tree.LogMessages(), (std::vector<std::string>{
                                    "Importdatei : " + out.string() + " fuellen...",
                                    "Schema:MANDANT2 Lizenz:00002 Mandant:2",
                                    "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                                    "Import " + out.string() + " fertig.",
                                    "Die Schnittstellendatei vom Dateityp 'KST' wurde erstellt!",
                                }));
}

// A failure in the second client: the first client's records stay, the job
// returns 2 in every attempt.
TEST_F(KstE2E, FailuresInTheSecondClientKeepTheFirstClientsRecords) {
  struct Case {
    const char* what;
    const char* second_client_sql;
    const char* message;
  } cases[] = {
      {"no table", "DROP TABLE O1003KSTSTELLE;", "Fehler in Fkt. SQL_Open_Kst(). RC: -942"},
      {"NULL KstNum", "INSERT INTO O1003KSTSTELLE VALUES (NULL, 'ohne Nummer', 'x', 1, 0);",
       "Fehler in Fkt. SQL_Fetch_Kst(). RC: -1405"},
  };
  ClientSchema("MANDANT1");
  ClientRowSql("1", "0", "'MANDANT1'");
  ClientRowSql("2", "0", "'MANDANT2'");
  tree.RunSql("MANDANT1", "INSERT INTO O1003KSTSTELLE VALUES ('K100', 'Verwaltung', 'admin', 12, NULL);");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(tree.db() / "MANDANT2.db");
    ClientSchema("MANDANT2");
    tree.RunSql("MANDANT2", c.second_client_sql);
    std::filesystem::remove(tree.log_file());
    EXPECT_EQ(tree.RunInProcess({out.string(), "KST"}), 99);
    EXPECT_EQ(Out(), Record("K100", "1", "00001", "12", "Verwaltung", "admin"));
    std::vector<std::string> log = tree.LogMessages();
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5),
              (std::vector<std::string>{
                  "Importdatei : " + out.string() + " fuellen...",
                  "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                  "Schema:MANDANT2 Lizenz:00001 Mandant:2",
                  c.message,
                  "Import " + out.string() + " fehlgeschlagen.",
              }));
    EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'KST' konnte nicht erstellt werden!");
    EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));
  }
}

TEST_F(KstE2E, DemoDatabase) {
  std::string error;
  ASSERT_TRUE(BuildSampleDatabase(SSTRXK_SAMPLE_DIR, tree.db(), &error)) << error;
  ASSERT_EQ(tree.Run({out.string(), "KST"}).exit_code, 0);
  EXPECT_EQ(Out(), Record("K100", "1", "00001", "12", "Verwaltung", "admin") +
                       Record("K200", "1", "00001", "-3", "Produktion", "admin") +
                       Record("K300", "1", "00001", "", "Lager", "meier") +
                       Record("K900", "2", "00001", "1", "Filiale S\xFC" "d", "schmidt") +
                       Record("K910", "2", "00001", "4", "Backstube", "schmidt"));
}

}  // namespace
