// The employee detail file's pure parts: the status recoding and the record
// layout.
#include "export/master/mitarbeiterdetail.h"

#include <gtest/gtest.h>

#include <string>

#include "export/master/record_file_for_test.h"

namespace {

TEST(RecodeMdtStatus, GivesTwoThreeOrZero) {
  struct Case {
    const char* fetched;
    const char* written;
  };
  const Case kCases[] = {
      {"2", "2"}, {"3", "3"}, {"5", "2"}, {"7", "3"}, {"9", "3"}, {"10", "3"},
      // Statuses the cursor does not deliver.
      {"4", "0"}, {"6", "0"}, {"8", "0"}, {"0", "0"}, {"1", "0"}, {"11", "0"}, {"15", "0"}, {"-3", "0"},
      // An empty text reads as 0; only the leading digits count.
      {"", "0"}, {"5 ", "2"}, {"10x", "3"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(RecodeMdtStatus(c.fetched).str(), c.written) << "status '" << c.fetched << "'";
  }
}

TEST(WriteMdt, FieldsFillTheirColumnsAndTheRecordEndsInXAndCrLf) {
  MdtRow row;
  row.licence.Assign("00001");
  row.number.Assign("12345");
  row.badge.Assign("1234567890123");
  row.day.Assign("01.03.2023");
  row.function_text.Assign(std::string(33, 'F'));
  row.blank.Assign(" ");
  row.status.Assign("2");
  row.function_short.Assign("K");
  row.function_code.Assign("999");
  std::string written = CaptureRecords([&row] { Write_MDT(row); });
  EXPECT_EQ(written, std::string("00001") + "12345" + "1234567890123" + "01.03.2023" + std::string(33, 'F') +
                         std::string(33, ' ') + "2" + "K" + "999" + "x\r\n");
  EXPECT_EQ(written.size(), 107u);
}

TEST(WriteMdt, ShortAndEmptyFieldsArePaddedWithBlanks) {
  MdtRow row;
  row.badge.Assign("10000001");
  row.day.Assign("02.03.2024");
  row.status.Assign("3");
  row.function_code.Assign("1");
  std::string written = CaptureRecords([&row] { Write_MDT(row); });
  EXPECT_EQ(written, std::string(10, ' ') + Pad("10000001", 13) + "02.03.2024" + std::string(66, ' ') + "3" + " " +
                         Pad("1", 3) + "x\r\n");
}

}  // namespace
