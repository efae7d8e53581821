// The client master file MNDSTAMM end to end: records byte for byte, the
// frame's results and messages, retries through run control.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "install_tree.h"

namespace fs = std::filesystem;

namespace {

constexpr char kClientTable[] =
    "CREATE TABLE VLS112MND (MNDLIZ TEXT, MNDNUM TEXT, MNDNA1 TEXT, MNDSTA TEXT, MNDDAT DATE, "
    "MNDERF TEXT, MNDKON INTEGER, MNDSCH TEXT, MNDSTO TEXT);";

std::string Record(const std::string& licence, const std::string& number, const std::string& name,
                   const std::string& status, const std::string& changed, const std::string& by) {
  return Field(licence, 5) + Field(number, 5) + Field(name, 50) + Field(status, 5) + Field(changed, 14) +
         Field(by, 50) + "x\r\n";
}

class MndE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.WriteStandardConfig();
    tree.RunSql("VLSYSTEM", kClientTable);
    out = tree.root() / "transfer" / "mndstamm.imp";
    fs::create_directories(out.parent_path());
  }
  InstallTree tree;
  fs::path out;
};

TEST_F(MndE2E, WritesOneRecordPerDistinctClientInClientNumberOrder) {
  tree.RunSql("VLSYSTEM",
              "INSERT INTO VLS112MND VALUES "
              "('00001','2','Bäckerei Süd','1', NULL, 'müller', 0, 'MANDANT2', '10001'),"
              "('00001','1','Werk Nord','0', unixepoch('2024-03-01 12:00:00')/86400.0, 'admin', 0, 'MANDANT1', '42381'),"
              "('00002','10', NULL,'0', unixepoch('2023-12-31 23:59:59')/86400.0, NULL, 1, NULL, NULL),"
              // the same six values as client 1 once more: one record only
              "('00001','1','Werk Nord','0', unixepoch('2024-03-01 12:00:00')/86400.0, 'admin', 1, 'X', 'Y');");
  ProcessResult r = tree.Run({out.string(), "mnd"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(tree.ReadFile(out),
            Record("00001", "1", "Werk Nord", "0", "20240301120000", "admin") +
                Record("00002", "10", "", "0", "20231231235959", "") +
                Record("00001", "2", "B\xE4" "ckerei S\xFC" "d", "1", "", "m\xFCller"));
  EXPECT_EQ(tree.LogMessages(), (std::vector<std::string>{
                                    "Importdatei : " + out.string() + " fuellen...",
                                    "Import " + out.string() + " fertig.",
                                    "Die Schnittstellendatei vom Dateityp 'MND' wurde erstellt!",
                                }));
}

TEST_F(MndE2E, LongValuesAreCutToTheirFieldsSoEveryRecordIs130Wide) {
  tree.RunSql("VLSYSTEM",
              "INSERT INTO VLS112MND VALUES ('1234567','123456', '" + std::string(60, 'N') +
                  "', 'ABCDEFG', 0.5, '" + std::string(55, 'E') + "', 0, 'M', 'S');");
  ASSERT_EQ(tree.Run({out.string(), "MNDSTAMM"}).exit_code, 0);
  EXPECT_EQ(tree.ReadFile(out),
            Record("12345", "12345", std::string(50, 'N'), "ABCDE", "19700101120000", std::string(50, 'E')));
  EXPECT_EQ(tree.LogMessages().back(), "Die Schnittstellendatei vom Dateityp 'MNDSTAMM' wurde erstellt!");
}

TEST_F(MndE2E, EmptyTableGivesEmptyFileAndASecondRunReplacesTheFile) {
  {
    std::ofstream old(out, std::ios::binary);
    old << "old content of an earlier run\r\n";
  }
  ASSERT_EQ(tree.Run({out.string(), "MND"}).exit_code, 0);
  EXPECT_TRUE(fs::exists(out));
  EXPECT_EQ(tree.ReadFile(out), "");

  tree.RunSql("VLSYSTEM", "INSERT INTO VLS112MND (MNDLIZ, MNDNUM) VALUES ('00001', '1');");
  ASSERT_EQ(tree.Run({out.string(), "MND"}).exit_code, 0);
  ASSERT_EQ(tree.Run({out.string(), "MND"}).exit_code, 0);
  EXPECT_EQ(tree.ReadFile(out), Record("00001", "1", "", "", "", ""));
}

TEST_F(MndE2E, MissingTableFailsEveryAttemptWithTheOpenMessage) {
  tree.RunSql("VLSYSTEM", "DROP TABLE VLS112MND;");
  EXPECT_EQ(tree.RunInProcess({out.string(), "MND"}), 99);
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[0], "Importdatei : " + out.string() + " fuellen...");
  EXPECT_EQ(log[1], "Fehler in Fkt. SQLOpen112Mnd(). RC: -942");
  EXPECT_EQ(log[2], "1. Versuch zur Wiederherstellung der Datenbankverbindung!");
  EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'MND' konnte nicht erstellt werden!");
  EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));  // reconnects succeed, four attempt waits
  EXPECT_EQ(tree.ReadFile(out), "");
}

TEST_F(MndE2E, UnwritableOutputDirectoryIsResultOneFiveTimes) {
  fs::path bad = tree.root() / "no-such-dir" / "mndstamm.imp";
  EXPECT_EQ(tree.RunInProcess({bad.string(), "MND"}), 99);
  std::vector<std::string> log = tree.LogMessages();
  std::vector<std::string> expected(5, "Oeffnen der Datei " + bad.string() + " fehlgeschlagen");
  expected.push_back("Die Schnittstellendatei vom Dateityp 'MND' konnte nicht erstellt werden!");
  EXPECT_EQ(log, expected);
  EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));  // no reconnect after result 1
}

TEST_F(MndE2E, FetchErrorKeepsTheRecordsWrittenBefore) {
  // The fourth client (in Mnd_Nr order) holds a change time that is no date:
  // the conversion fails when that row is fetched.
  tree.RunSql("VLSYSTEM",
              "CREATE INDEX MND_NUM ON VLS112MND (MNDNUM);"
              "INSERT INTO VLS112MND (MNDLIZ, MNDNUM, MNDDAT) VALUES "
              "('00001','1', 19783.5), ('00001','2', 19783.5), ('00001','3', 19783.5), "
              "('00001','4', 'kaputt'), ('00001','5', 19783.5);");
  EXPECT_EQ(tree.RunInProcess({out.string(), "MND"}), 99);
  std::string changed = "20240301120000";
  EXPECT_EQ(tree.ReadFile(out), Record("00001", "1", "", "", changed, "") +
                                    Record("00001", "2", "", "", changed, "") +
                                    Record("00001", "3", "", "", changed, ""));
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[1].rfind("Fehler in Fkt. SQLFetch112Mnd(). RC: -", 0), 0u) << log[1];
  EXPECT_EQ(log[2], "Import " + out.string() + " fehlgeschlagen.");
  EXPECT_EQ(log.back(), "Die Schnittstellendatei vom Dateityp 'MND' konnte nicht erstellt werden!");
}

}  // namespace
