// The balance mapping: every reading rule of "SaldoRXK.ini" as a table of
// files and the entries they give, then the summary fields the mapping
// writes for given values.
#include "export/balance/saldo_mapping.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "export/balance/balance_test_files.h"
#include "export/balance/saldo.h"

namespace {

// An entry as "field|title|key,key,...".
std::vector<std::string> Entries(const SaldoMapTable& table) {
  std::vector<std::string> entries;
  for (int i = 0; i < table.count; ++i) {
    const SaldoMapEntry& e = table.entries[i];
    std::string text = e.field.str() + "|" + e.title.str() + "|";
    for (int k = 0; k < kSaldoMapKeys; ++k) {
      if (e.keys[k].empty()) continue;
      text += (text.back() == '|' ? "" : ",") + e.keys[k].str();
    }
    entries.push_back(text);
  }
  return entries;
}

std::string FieldLines(int from, int to) {
  std::string lines;
  for (int i = from; i <= to; ++i) {
    char line[16];
    std::snprintf(line, sizeof line, "F%02d=UVJ\r\n", i);
    lines += line;
  }
  return lines;
}

TEST(SaldoMapping, ReadingRules) {
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> entries;
  };
  const std::vector<Case> cases = {
      {"three lines, CR LF", "F02=SA1, SA2\r\nT02=Mehrarbeit\r\nF05=UVJ,ULJ\r\n",
       {"F02|Mehrarbeit|SA1,SA2", "F05||UVJ,ULJ"}},
      {"line feeds only", "F02=SA1, SA2\nT02=Mehrarbeit\n", {"F02|Mehrarbeit|SA1,SA2"}},
      {"last field line without line end", "F01=SA1,SA2", {"F01||SA1"}},
      {"last title line without line end", "F01=SA1\r\nT01=Mehrarbeit", {"F01|Mehrarbei|SA1"}},
      {"items", "F03=SA12,S A1,AB,\tUVJ,,=SAN\r\n", {"F03||SA1,SA1,UVJ,SAN"}},
      {"no equals sign", "F04SA1,SA2\r\n", {"F04||SA1,SA2"}},
      {"title before its field line", "T04=Vorher\r\nF04=SA1\r\n", {"F04||SA1"}},
      {"title cut to twelve", "F01=SA1\r\nT01=Mehrarbeit-Stunden\r\n", {"F01|Mehrarbeit-S|SA1"}},
      {"empty title ignored, later title replaces", "F01=SA1\r\nT01=Alt\r\nT01=\r\nT01=Neu\r\n", {"F01|Neu|SA1"}},
      {"title goes to the first entry of the field", "F03=SA1\r\nF03=SA2\r\nT03=Summe\r\n",
       {"F03|Summe|SA1", "F03||SA2"}},
      {"lower case lines ignored", "f01=SA1\r\nF01=SA2\r\nt01=klein\r\n", {"F01||SA2"}},
      {"field lines without key add nothing", "F06=\r\nF07=AB,C\r\nF08\r\n", {}},
      {"other lines ignored", "[Saldo]\r\n; F01=SA1\r\n\r\nF09=URS\r\n", {"F09||URS"}},
      {"eight keys, a ninth dropped", "F01=SA1,SA2,SA3,SA4,SA5,SA6,SA7,UVJ,ULJ\r\n",
       {"F01||SA1,SA2,SA3,SA4,SA5,SA6,SA7,UVJ"}},
      {"field number outside 1 to 10 still an entry", "F12=SA1\r\n", {"F12||SA1"}},
      {"a lone CR is no line end", "F01=SA1\rT01=X\r\n", {"F01||SA1"}},
      {"a line of 99 characters, then the next piece", std::string(99, 'X') + "F01=SA1\r\n", {"F01||SA1"}},
      {"a piece of 99 characters cuts the field line", std::string(98, 'X') + "F01=SA1\r\n", {}},
      {"keys after the 99th character are cut off", "F01=" + std::string(91, ' ') + "SA1,SA2,SA3\r\n",
       {"F01||SA1"}},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool read = ReadSaldoMappingFile(dir.Write("SaldoRXK.ini", c.file));
    EXPECT_EQ(Entries(SaldoMapping), c.entries);
    EXPECT_EQ(read, !c.entries.empty());
  }
}

TEST(SaldoMapping, NineEntriesAtMost) {
  TempDir dir;
  // A tenth field line is not read.
  ReadSaldoMappingFile(dir.Write("SaldoRXK.ini", FieldLines(1, 10)));
  ASSERT_EQ(SaldoMapping.count, 9);
  EXPECT_EQ(SaldoMapping.entries[8].field, "F09");

  // The ninth entry gets no title: the title line after it is not read, one
  // before it finds no entry of its field yet.
  ReadSaldoMappingFile(dir.Write("SaldoRXK.ini", FieldLines(1, 8) + "T09=Vorher\r\nF09=SA1\r\nT09=Nachher\r\nT01=Auch nicht\r\n"));
  EXPECT_EQ(Entries(SaldoMapping).back(), "F09||SA1");
  EXPECT_EQ(Entries(SaldoMapping).front(), "F01||UVJ");

  // With eight entries, titles are still read.
  ReadSaldoMappingFile(dir.Write("SaldoRXK.ini", FieldLines(1, 8) + "T08=Acht\r\n"));
  EXPECT_EQ(Entries(SaldoMapping).back(), "F08|Acht|UVJ");
}

TEST(SaldoMapping, MissingFileGivesNoEntries) {
  TempDir dir;
  ReadSaldoMappingFile(dir.Write("SaldoRXK.ini", "F01=SA1\r\n"));
  ASSERT_EQ(SaldoMapping.count, 1);
  EXPECT_FALSE(ReadSaldoMappingFile(dir.path() / "missing.ini"));
  EXPECT_EQ(SaldoMapping.count, 0);
}

TEST(SaldoMapping, KeyValues) {
  SaldoValues v;
  v.SA1 = 1, v.SA2 = 2, v.SA3 = 3, v.SA4 = 4, v.SA5 = 5, v.SA6 = 6, v.SA7 = -7;
  v.UVJ = 1.5, v.ULJ = 2.5, v.UAN = 3.5, v.UGE = 4.5, v.UVP = 5.5, v.URS = 6.5;
  v.SVJ = 7.5, v.SAN = 8.5, v.SGE = 9.5, v.SVP = 10.5, v.SRS = 11.5, v.SAT = 12.5;
  v.AmpValue = 3;
  v.FieldSum[0] = 99;
  struct Case {
    const char* key;
    double value;
  };
  for (const Case& c : std::vector<Case>{{"SA1", 1},   {"SA2", 2},    {"SA3", 3},    {"SA4", 4},   {"SA5", 5},
                                         {"SA6", 6},   {"SA7", -7},   {"UVJ", 1.5},  {"ULJ", 2.5}, {"UAN", 3.5},
                                         {"UGE", 4.5}, {"UVP", 5.5},  {"URS", 6.5},  {"SVJ", 7.5}, {"SAN", 8.5},
                                         {"SGE", 9.5}, {"SVP", 10.5}, {"SRS", 11.5}, {"SAT", 12.5}, {"SA8", 0},
                                         {"sa1", 0},   {"AMP", 0},    {"F01", 0},    {"", 0},      {"SA", 0}}) {
    EXPECT_EQ(SaldoKeyValue(c.key, v), c.value) << c.key;
  }
}

class ApplyMapping : public ::testing::Test {
 protected:
  void SetUp() override { InitSaldoRecord(record); }

  void Map(const std::string& file) {
    ReadSaldoMappingFile(dir.Write("SaldoRXK.ini", file));
    ApplySaldoMapping(record, values);
  }

  TempDir dir;
  SaldoRecord record;
  SaldoValues values;
};

TEST_F(ApplyMapping, MinutesEntryShowsHoursAndMinutesUnderItsTitle) {
  values.SA1 = 60;
  values.SA2 = 30;
  Map("F02=SA1, SA2\r\nT02=Mehrarbeit\r\n");
  EXPECT_EQ(record.F02, "Mehrarbeit     1,30 ");
  EXPECT_EQ(values.FieldSum[1], 90);
  EXPECT_EQ(record.F01, "");  // other fields untouched
  EXPECT_EQ(record.F03, "");
}

TEST_F(ApplyMapping, NegativeMinutesCarryTheirSignBehind) {
  values.SA1 = -90;
  Map("F02=SA1\r\nT02=Mehrarbeit\r\n");
  EXPECT_EQ(record.F02, "Mehrarbeit     1,30-");
}

TEST_F(ApplyMapping, ZeroValuesShowTitleAndZero) {
  Map("F01=SA1\r\nT01=Gleitzeit\r\nF05=UVJ,ULJ\r\n");
  EXPECT_EQ(record.F01, "Gleitzeit      0,00 ");
  EXPECT_EQ(record.F05, std::string(12, ' ') + "   0,00 ");
}

TEST_F(ApplyMapping, FirstKeyDecidesTheUnit) {
  values.UVJ = 2;
  values.SA1 = 90;
  Map("F01=UVJ,SA1\r\nF02=SA1,UVJ\r\n");
  EXPECT_EQ(record.F01, std::string(12, ' ') + "  92,00 ");  // 2 days plus 90 minutes as a number
  EXPECT_EQ(record.F02, std::string(12, ' ') + "   1,32 ");  // 92 / 60 hours: 1.53 gives 1,32
}

TEST_F(ApplyMapping, EntriesOfTheSameFieldAddUp) {
  values.SAN = 1.5;
  values.SGE = 2;
  values.SVJ = 0.25;
  Map("F03=SAN\r\nT03=Schicht\r\nF03=SGE,SVJ\r\n");
  EXPECT_EQ(values.FieldSum[2], 3.75);
  EXPECT_EQ(record.F03, std::string(12, ' ') + "   3,75 ");  // the second entry's empty title
}

TEST_F(ApplyMapping, FieldNumbersOutsideOneToTenWriteNothing) {
  values.SA1 = 60;
  Map("F12=SA1\r\nF00=SA1\r\nFAB=SA1\r\nF10=SA1\r\nF1=SA1\r\n");
  EXPECT_EQ(record.F10, std::string(12, ' ') + "   1,00 ");
  EXPECT_EQ(record.F01, std::string(12, ' ') + "   1,00 ");  // "F1=" is field 1
  for (int p = 2; p <= 9; ++p) EXPECT_EQ(SummaryField(record, p), "") << p;
}

TEST_F(ApplyMapping, LargeSumsLoseLeadingDigitsButKeepTheWidth) {
  values.UAN = 12345.5;
  values.SA1 = std::numeric_limits<std::int32_t>::max();
  values.SA2 = std::numeric_limits<std::int32_t>::max();
  Map("F01=UAN\r\nT01=Anspruch\r\nF02=SA1,SA2\r\nF03=UAN,UAN,UAN,UAN,UAN,UAN,UAN,UAN\r\n");
  EXPECT_EQ(record.F01, "Anspruch    2345,50 ");
  EXPECT_EQ(record.F02.size(), 20u);
  EXPECT_EQ(record.F03, std::string(12, ' ') + "8764,00 ");  // 98764,00 cut to eight
}

}  // namespace
