// The function-code file in this process: "-9" for a function code without
// terminal code, the FcdMap filter, number order, the record layout and
// values cut to their fields.
#include "export/master/funktionscodes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/master/badges_test_db.h"
#include "runctl/job_frame.h"

namespace {

std::string FcdRecord(const std::string& number, const std::string& krt, const std::string& text,
                      const std::string& typ, const std::string& fcd) {
  return Pad("00001", 5) + Pad("1", 5) + Pad(number, 3) + Pad(krt, 2) + Pad(text, 50) + Pad(typ, 5) + Pad(fcd, 5) +
         "x\r\n";
}

class FunktionscodesTest : public BadgesTestDb {
 protected:
  void SetUp() override {
    BadgesTestDb::SetUp();
    ClientSchema("MANDANT1");
    Sql("VLSYSTEM", "INSERT INTO VLS112MND (MNDLIZ, MNDNUM, MNDKON, MNDSCH, MNDSTO) VALUES "
                    "('00001', '1', 0, 'MANDANT1', '10001');");
    OutputPath.Assign((dir / "fcd.imp").string());
  }
  std::string Out() const { return File(dir / "fcd.imp"); }
};

TEST_F(FunktionscodesTest, TerminalCodesInNumberOrderWithMinusNineForNone) {
  Sql("MANDANT1",
      "INSERT INTO VLS131FCD VALUES "
      "(10, 'DR', 'Dienstreise', 2, 12, 1),"
      "(3, 'KR', 'Krank', 1, NULL, 1),"
      "(1, 'UR', 'Urlaub', 1, 7, 1),"
      "(4, 'XX', 'intern', 1, 9, 0),"
      "(5, 'SE', 'Seminar', NULL, 0, 1),"
      "(6, 'ZZ', 'nie', 1, 9, NULL);");
  Connect();
  EXPECT_EQ(Fill_FCD(), kJobDone);
  EXPECT_EQ(Out(), FcdRecord("1", "UR", "Urlaub", "1", "7") + FcdRecord("3", "KR", "Krank", "1", "-9") +
                       FcdRecord("5", "SE", "Seminar", "", "0") + FcdRecord("10", "DR", "Dienstreise", "2", "12"));
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Importdatei : " + OutputPath.str() + " fuellen...",
                            "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                            "Import " + OutputPath.str() + " fertig.",
                        }));
}

// An FcdFcd stored as text: empty and NULL both give "-9"; blanks are a value.
TEST_F(FunktionscodesTest, EmptyTextFcdFcdAlsoGivesMinusNine) {
  Sql("MANDANT1",
      "DROP TABLE VLS131FCD;"
      "CREATE TABLE VLS131FCD (FCDNUM INTEGER, FCDKRT TEXT, FCDTXT TEXT, FCDTYP TEXT, FCDFCD TEXT, FCDMAP INTEGER);"
      "INSERT INTO VLS131FCD VALUES (1, 'A', 'a', 'T', '', 1), (2, 'B', 'b', 'T', NULL, 1), (3, 'C', 'c', 'T', ' ', 1);");
  Connect();
  EXPECT_EQ(Fill_FCD(), kJobDone);
  EXPECT_EQ(Out(), FcdRecord("1", "A", "a", "T", "-9") + FcdRecord("2", "B", "b", "T", "-9") +
                       FcdRecord("3", "C", "c", "T", " "));
  EXPECT_EQ(Out().substr(70, 6), "-9   x");  // columns 71-76
}

TEST_F(FunktionscodesTest, ValuesAreCutToTheirFieldsSoEveryRecordIs76Wide) {
  Sql("MANDANT1", "INSERT INTO VLS131FCD VALUES (12345, 'KRT', '" + std::string(55, 'T') + "', 1234567, 7654321, 1);");
  Connect();
  EXPECT_EQ(Fill_FCD(), kJobDone);
  EXPECT_EQ(Out(), FcdRecord("123", "KR", std::string(50, 'T'), "12345", "76543"));
  EXPECT_EQ(Out().size(), 78u);
}

TEST_F(FunktionscodesTest, MissingTableFailsWithTheOpenMessage) {
  Sql("MANDANT1", "DROP TABLE VLS131FCD;");
  Connect();
  EXPECT_EQ(Fill_FCD(), kJobDatabaseError);
  EXPECT_EQ(Out(), "");
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Importdatei : " + OutputPath.str() + " fuellen...",
                            "Schema:MANDANT1 Lizenz:00001 Mandant:1",
                            "Fehler in Fkt. SQLOpenFcd(). RC: -942",
                            "Import " + OutputPath.str() + " fehlgeschlagen.",
                        }));
}

}  // namespace
