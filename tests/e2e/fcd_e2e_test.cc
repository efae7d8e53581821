// The function-code file end to end: records byte for byte per client in
// client order, clients skipped, "-9" for a code without terminal code, the
// FcdMap filter, a client schema without the table, and the demo database.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "master_badges_e2e.h"
#include "sql_script.h"

namespace {

std::string Record(const std::string& licence, const std::string& client, const std::string& number,
                   const std::string& krt, const std::string& text, const std::string& typ, const std::string& fcd) {
  return Field(licence, 5) + Field(client, 5) + Field(number, 3) + Field(krt, 2) + Field(text, 50) + Field(typ, 5) +
         Field(fcd, 5) + "x\r\n";
}

class FcdE2E : public BadgesE2E {
 protected:
  void SetUp() override { Prepare("fcd.imp"); }
};

TEST_F(FcdE2E, TwoClientsInClientCursorOrderOthersSkipped) {
  TwoClientsAndTwoSkipped();
  tree.RunSql("MANDANT1", "INSERT INTO VLS131FCD VALUES "
                          "(12, 'G', 'Gleitzeit', 3, 50, 1),"
                          "(3, 'D', 'Dienstreise', 2, NULL, 1),"
                          "(1, 'U', 'Urlaub', 1, 10, 1),"
                          "(4, 'S', 'Schulung', 2, 40, 0),"
                          "(5, 'X', 'ohne Kennung', 2, 40, NULL);");
  tree.RunSql("MANDANT2", "INSERT INTO VLS131FCD VALUES (2, 'K', 'Krankheit', 1, 20, 1);");
  tree.RunSql("MANDANT3", "INSERT INTO VLS131FCD VALUES (1, 'U', 'Urlaub', 1, 10, 1);");

  ProcessResult r = tree.Run({out.string(), "FCD"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(Out(), Record("00002", "2", "2", "K", "Krankheit", "1", "20") +
                       Record("00001", "1", "1", "U", "Urlaub", "1", "10") +
                       Record("00001", "1", "3", "D", "Dienstreise", "2", "-9") +
                       Record("00001", "1", "12", "G", "Gleitzeit", "3", "50"));
  EXPECT_EQ(Out().substr(4 * 78 - 8, 6), "50   x");
  EXPECT_EQ(tree.LogMessages(), (std::vector<std::string>{
                                    "Importdatei : " + out.string() + " fuellen...",
                                    "Schema:MANDANT2 Lizenz:00002 Mandant:2",
                                    "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                                    "Import " + out.string() + " fertig.",
                                    "Die Schnittstellendatei vom Dateityp 'FCD' wurde erstellt!",
                                }));
}

TEST_F(FcdE2E, ClientSchemaWithoutTheTableFailsAfterTheEarlierClients) {
  ClientSchema("MANDANT1");
  tree.RunSql("MANDANT2", "CREATE TABLE VLS300PNR (PNRNUM TEXT);");
  ClientRowSql("1", "0", "'MANDANT1'");
  ClientRowSql("2", "0", "'MANDANT2'");
  tree.RunSql("MANDANT1", "INSERT INTO VLS131FCD VALUES (3, 'D', 'Dienstreise', 2, NULL, 1);");
  EXPECT_EQ(tree.RunInProcess({out.string(), "FCD"}), 99);
  EXPECT_EQ(Out(), Record("00001", "1", "3", "D", "Dienstreise", "2", "-9"));
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5),
            (std::vector<std::string>{
                "Importdatei : " + out.string() + " fuellen...",
                "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                "Schema:MANDANT2 Lizenz:00001 Mandant:2",
                "Fehler in Fkt. SQLOpenFcd(). RC: -942",
                "Import " + out.string() + " fehlgeschlagen.",
            }));
  EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'FCD' konnte nicht erstellt werden!");
  EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));
}

TEST_F(FcdE2E, DemoDatabase) {
  std::string error;
  ASSERT_TRUE(BuildSampleDatabase(SSTRXK_SAMPLE_DIR, tree.db(), &error)) << error;
  ASSERT_EQ(tree.Run({out.string(), "FCD"}).exit_code, 0);
  EXPECT_EQ(Out(), Record("00001", "1", "1", "U", "Urlaub", "1", "10") +
                       Record("00001", "1", "2", "K", "Krankheit", "1", "20") +
                       Record("00001", "1", "3", "D", "Dienstreise", "2", "-9") +
                       Record("00001", "1", "5", " ", "Gleitzeitausgleich", "3", "50") +
                       Record("00001", "2", "1", "U", "Urlaub", "1", "10") +
                       Record("00001", "2", "2", "K", "Krankheit", "1", "20"));
}

}  // namespace
