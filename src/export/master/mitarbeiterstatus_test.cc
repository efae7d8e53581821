// The employee status file's pure parts: the status recoding and the record
// layout.
#include "export/master/mitarbeiterstatus.h"

#include <gtest/gtest.h>

#include <string>

#include "export/master/record_file_for_test.h"

namespace {

TEST(RecodeMstStatus, MapsEightToFifteenAndKeepsEveryOtherStatus) {
  struct Case {
    const char* fetched;
    const char* written;
  };
  const Case kCases[] = {
      {"0", "0"}, {"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"5", "5"}, {"6", "6"}, {"7", "7"},
      {"8", "4"}, {"9", "7"}, {"10", "3"}, {"11", "4"}, {"12", "4"}, {"13", "6"}, {"14", "7"}, {"15", "7"},
      // An empty text reads as 0 and stays empty.
      {"", ""},
      // Only the leading digits count.
      {"13 ", "6"}, {"9x", "7"},
      // Outside 0 to 15 the text stays, cut to the record's one column (the
      // cursor delivers no status above 15, but may deliver a negative one).
      {"-1", "-"}, {"-9", "-"}, {"16", "1"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(RecodeMstStatus(c.fetched).str(), c.written) << "status '" << c.fetched << "'";
  }
}

MstRow FullRow() {
  MstRow row;
  row.licence.Assign("00001");
  row.number.Assign("12345");
  row.badge.Assign("1234567890123");
  row.status.Assign("6");
  row.period.Assign("01.03.2023 - 31.12.2024");
  row.function_text.Assign(std::string(33, 'F'));
  row.description.Assign(" ");
  row.function_short.Assign("U");
  row.cost_centre.Assign(std::string(50, 'K'));
  row.start.Assign("20230301");
  row.department.Assign(std::string(30, 'A'));
  row.time.Assign("0815");
  row.function_code.Assign("999");
  return row;
}

TEST(WriteMst, FieldsFillTheirColumnsAndTheRecordEndsInXAndCrLf) {
  std::string written = CaptureRecords([] { Write_MST(FullRow()); });
  std::string expected = std::string("00001") + "12345" + "1234567890123" + "6" + "01.03.2023 - 31.12.2024" +
                         std::string(33, 'F') + std::string(33, ' ') + "U" + std::string(50, 'K') + "20230301" +
                         std::string(30, 'A') + "0815" + "999" + "x\r\n";
  EXPECT_EQ(written, expected);
  EXPECT_EQ(written.size(), 212u);
  EXPECT_EQ(written.substr(23, 1), "6");          // column 24
  EXPECT_EQ(written.substr(164, 8), "20230301");  // columns 165-172
}

TEST(WriteMst, ShortAndEmptyFieldsArePaddedWithBlanks) {
  MstRow row;
  row.badge.Assign("1_4711");
  row.function_code.Assign("2");
  std::string written = CaptureRecords([&row] { Write_MST(row); });
  // Columns 24-206 (status to time) are all empty.
  EXPECT_EQ(written, std::string(10, ' ') + Pad("1_4711", 13) + std::string(183, ' ') + Pad("2", 3) + "x\r\n");
}

}  // namespace
