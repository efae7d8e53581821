// The holiday file's record layout and the translation of a holiday's text
// through the client's dictionary, on a small embedded database.
#include "export/master/feiertage.h"

#include <gtest/gtest.h>

#include <string>

#include "export/master/absences_test_db.h"
#include "export/master/record_file_for_test.h"
#include "runctl/run_state.h"

namespace {

TEST(WriteFtg, FieldsFillTheirColumnsAndTheRecordEndsInXAndCrLf) {
  FtgRow row;
  row.terminal.Assign(std::string(255, 'T'));
  row.licence.Assign("00001");
  row.number.Assign("12345");
  row.year.Assign("2024");
  row.date.Assign("20241224");
  row.text.Assign(std::string(20, 'H'));
  row.short_text.Assign("F");
  row.calendar.Assign("999");
  row.day_type.Assign("20");  // not written
  row.language = 2;           // not written
  std::string written = CaptureRecords([&row] { Write_FTG(row); });
  EXPECT_EQ(written, std::string(255, 'T') + "00001" + "12345" + "2024" + "20241224" + std::string(20, 'H') + "F" +
                         "999" + "x\r\n");
  EXPECT_EQ(written.size(), 304u);
}

TEST(WriteFtg, ShortAndEmptyFieldsArePaddedWithBlanks) {
  FtgRow row;
  row.terminal.Assign("TERM01");
  row.date.Assign("20240101");
  row.calendar.Assign("1");
  std::string written = CaptureRecords([&row] { Write_FTG(row); });
  EXPECT_EQ(written, Pad("TERM01", 255) + std::string(14, ' ') + "20240101" + std::string(21, ' ') + Pad("1", 3) +
                         "x\r\n");
}

class DictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRunState();
    db.Client("M1",
              "INSERT INTO VLS122DI2 VALUES "
              "('20#', 'TT2TXT', 1, 'Gesetzlicher Feiertag'),"
              "('20#', 'TT2TXT', 2, 'Public holiday'),"
              "('20#', 'TT2TXT', 0, 'Feiertag (Standard)'),"
              "('20#', 'TT2KRT', 3, 'P'),"
              "('21#', 'TT2TXT', 1, NULL),"
              "('21#', 'TT2TXT', 2, ''),"
              "('22#', 'TT2TXT', 1, 'Erster'),"
              "('22#', 'TT2TXT', 1, 'Zweiter'),"
              "('123#', 'TT2TXT', 1, 'Dreistellig'),"
              "('12#', 'TT2TXT', 1, 'Zweistellig'),"
              "('30#', 'TT2TXT', 1, '" + std::string(130, 'L') + "');");
    ASSERT_EQ(db.Connect(), 0);
    CurrentSchema.Assign("M1");
  }
  void TearDown() override { ResetRunState(); }

  AbsencesTestDatabase db;
};

TEST_F(DictionaryTest, TranslationReplacesTheDayTypesTextOnlyWhenThereIsOne) {
  struct Case {
    const char* day_type;
    int language;
    const char* expected;
  };
  const Case kCases[] = {
      {"20", 1, "Gesetzlicher Feierta"},  // cut to the field's 20 characters
      {"20", 2, "Public holiday"},        // the same holiday in another language
      {"20", 0, "Feiertag (Standard)"},   // terminal without a language
      {"20", 3, "Feiertag"},              // an entry of another field only: miss
      {"20", 4, "Feiertag"},              // no entry in that language
      {"21", 1, "Feiertag"},              // NULL text
      {"21", 2, "Feiertag"},              // empty text
      {"22", 1, "Erster"},                // two entries: the first one delivered
      {"123", 1, "Dreistellig"},          // key "123#"
      {"12", 1, "Zweistellig"},
      {"99", 1, "Feiertag"},              // day type without entries
      {"30", 1, "LLLLLLLLLLLLLLLLLLLL"},
  };
  for (const Case& c : kCases) {
    FtgRow row;
    row.text.Assign("Feiertag");
    row.day_type.Assign(c.day_type);
    row.language = c.language;
    TranslateHolidayText(row);
    EXPECT_EQ(row.text.str(), c.expected) << "day type " << c.day_type << ", language " << c.language;
  }
}

TEST_F(DictionaryTest, LookupReportsItsStatusAndClearsTheBuffer) {
  Di2Text text;
  EXPECT_EQ(SQLReadDi2Txt("20#", "TT2TXT", 2, text), 0);
  EXPECT_EQ(text.str(), "Public holiday");
  text.Assign("left over");
  EXPECT_EQ(SQLReadDi2Txt("20#", "TT2TXT", 7, text), 1403);
  EXPECT_EQ(text.str(), "");
  text.Assign("left over");
  EXPECT_EQ(SQLReadDi2Txt("21#", "TT2TXT", 1, text), 0);  // a NULL text is found, and empty
  EXPECT_EQ(text.str(), "");
  EXPECT_EQ(SQLReadDi2Txt("30#", "TT2TXT", 1, text), 0);
  EXPECT_EQ(text.str(), std::string(120, 'L'));
  EXPECT_EQ(SQLReadDi2Txt("20#", "TT2KRT", 3, text), 0);
  EXPECT_EQ(text.str(), "P");
}

TEST_F(DictionaryTest, KeyAndFieldNameAreBoundNotPartOfTheStatement) {
  Di2Text text;
  EXPECT_EQ(SQLReadDi2Txt("x' OR DI2KEY = '20#", "TT2TXT", 2, text), 1403);
  EXPECT_EQ(SQLReadDi2Txt("20#", "TT2TXT' OR '1' = '1", 2, text), 1403);
  EXPECT_EQ(text.str(), "");
}

TEST_F(DictionaryTest, AFailedLookupLeavesTheDayTypesText) {
  db.Client("M2", "DROP TABLE VLS122DI2;");
  ASSERT_EQ(db.Connect(), 0);
  CurrentSchema.Assign("M2");
  Di2Text text;
  EXPECT_EQ(SQLReadDi2Txt("20#", "TT2TXT", 1, text), -942);
  FtgRow row;
  row.text.Assign("Feiertag");
  row.day_type.Assign("20");
  row.language = 1;
  TranslateHolidayText(row);
  EXPECT_EQ(row.text.str(), "Feiertag");

  // A schema name that is no identifier never reaches a statement.
  CurrentSchema.Assign("M1 x");
  text.Assign("left over");
  EXPECT_EQ(SQLReadDi2Txt("20#", "TT2TXT", 1, text), -903);
  EXPECT_EQ(text.str(), "");
  // The lookup works again afterwards.
  CurrentSchema.Assign("M1");
  EXPECT_EQ(SQLReadDi2Txt("20#", "TT2TXT", 1, text), 0);
  EXPECT_EQ(text.str(), "Gesetzlicher Feiertag");
}

}  // namespace
