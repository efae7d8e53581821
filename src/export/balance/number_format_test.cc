// The number formats of the balance file, case by case: every example the
// fields are built to, and the texts at the edges (no number, separators
// beyond the tenth character, magnitudes too large for the ten-character
// signed fields).
#include "export/balance/number_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

struct TextCase {
  std::string in;
  std::string out;
};

void CheckAll(std::string (*format)(std::string_view), const std::vector<TextCase>& cases) {
  for (const TextCase& c : cases) EXPECT_EQ(format(c.in), c.out) << "input \"" << c.in << "\"";
}

TEST(NumberFormat, FormatComma) {
  CheckAll(FormatComma, {
                            {".00", "0,00"},
                            {"0.00", "0,00"},
                            {"12.50", "12,50"},
                            {"+    12.50", "+    12,50"},
                            {"-     3.00", "-     3,00"},
                            {"1,5", "1,5"},
                            {"1.2.3", "1,2.3"},            // only the first separator
                            {"12", "12,00"},
                            {"", ",00"},
                            {"123456789.5", "123456789,5"},  // tenth character
                            {"1234567890.5", "1234567890.5,00"},  // eleventh: not looked at
                        });
}

TEST(NumberFormat, FormatSigned) {
  CheckAll(FormatSigned, {
                             {"12.50", "+    12.50"},
                             {"-3.00", "-     3.00"},
                             {"0.25", "+     0.25"},
                             {"0.00", "+     0.00"},
                             {"-0.00", "+     0.00"},  // negative zero is zero
                             {"1,5", "+     1.50"},
                             {"  -7.5 Tage", "-     7.50"},
                             {"+4", "+     4.00"},
                             {"abc", "+     0.00"},
                             {"", "+     0.00"},
                             {"1e5", "+     1.00"},  // no exponents
                             {".5", "+     0.50"},
                             {"5.", "+     5.00"},
                             {"999999.99", "+999999.99"},
                             {"-999999.99", "-999999.99"},
                             // Too large for ten characters: the largest value that fits.
                             {"1000000.00", "+999999.99"},
                             {"-12345678.90", "-999999.99"},
                             {std::string(400, '9'), "+999999.99"},
                             {"0." + std::string(400, '0') + "1", "+     0.00"},
                         });
}

TEST(NumberFormat, FormatHoursMinutes) {
  CheckAll(FormatHoursMinutes, {
                                   {"1.50", "1,30"},
                                   {"-0.75", "-0,45"},
                                   {"12", "12,00"},
                                   {"+     1.25", "+     1,15"},
                                   {"+     0.00", "+     0,00"},
                                   {"", "0,00"},
                                   {"0.83", "0,50"},     // 49.8 minutes round to 50
                                   {"0.1", "0,06"},      // at least two digits
                                   {"0.999", "0,60"},    // three digits of the fraction count
                                   {"0.0089", "0,00"},   // the fourth does not (0.48 minutes)
                                   {"1,50", "1,00"},     // a fraction after "," reads as zero
                                   {"-1.50", "-1,30"},
                                   {"1234567890.5", "1234567890.5,00"},
                               });
}

TEST(NumberFormat, FormatTrailingSign) {
  CheckAll(FormatTrailingSign, {
                                   {"1.3", "  1,30 "},
                                   {"-1.3", "  1,30-"},
                                   {"1,30", "  1,30 "},
                                   {"-1,30", "  1,30-"},
                                   {"1234.5", "1234,50 "},
                                   {"12345.67", "2345,67 "},  // only the last eight remain
                                   {"-12345.6", "2345,60-"},
                                   {"0,00", "  0,00 "},
                                   {"-0,00", "  0,00 "},
                                   {"", "  0,00 "},
                               });
}

TEST(NumberFormat, SignedDecimalField) {
  struct Case {
    double in;
    std::string out;
  };
  for (const Case& c : std::vector<Case>{
           {12.5, "+    12,50"},
           {-3, "-     3,00"},
           {0.25, "+     0,25"},
           {0.0, "      0,00"},
           {-0.0, "      0,00"},
           {0.001, "+     0,00"},  // not zero, so it gets its sign
           {26.5, "+    26,50"},
           {1e6, "+999999,99"},
           {-1e300, "-999999,99"},
       }) {
    EXPECT_EQ(SignedDecimalField(c.in), c.out) << c.in;
  }
}

TEST(NumberFormat, SignedHoursMinutesField) {
  struct Case {
    std::int64_t minutes;
    std::string out;
  };
  for (const Case& c : std::vector<Case>{
           {90, "+     1,30"},
           {0, "+     0,00"},
           {-45, "-     0,45"},
           {50, "+     0,50"},
           {75, "+     1,15"},
           {-50, "-     0,50"},
           {600, "+    10,00"},
           {59999999, "+999999,59"},  // 999999.98 hours
           {60000000, "+999999,59"},  // a million hours: the largest value that fits
           {std::int64_t{std::numeric_limits<std::int32_t>::max()} * 2, "+999999,59"},
           {std::numeric_limits<std::int32_t>::min(), "-999999,59"},
       }) {
    EXPECT_EQ(SignedHoursMinutesField(c.minutes), c.out) << c.minutes;
  }
}

TEST(NumberFormat, TrafficLightField) {
  struct Case {
    std::int32_t in;
    std::string out;
  };
  for (const Case& c : std::vector<Case>{
           {3, "    3"},
           {0, "    0"},
           {-1, "   -1"},
           {99999, "99999"},
           {-9999, "-9999"},
           {100000, "99999"},
           {-10000, "-9999"},
           {std::numeric_limits<std::int32_t>::min(), "-9999"},
       }) {
    EXPECT_EQ(TrafficLightField(c.in), c.out) << c.in;
  }
}

TEST(NumberFormat, ReadDecimal) {
  EXPECT_DOUBLE_EQ(ReadDecimal(" \t-12.25xyz"), -12.25);
  EXPECT_DOUBLE_EQ(ReadDecimal("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(ReadDecimal("7."), 7.0);
  EXPECT_DOUBLE_EQ(ReadDecimal("."), 0.0);
  EXPECT_DOUBLE_EQ(ReadDecimal("-"), 0.0);
  EXPECT_DOUBLE_EQ(ReadDecimal("- 3"), 0.0);
  EXPECT_DOUBLE_EQ(ReadDecimal("inf"), 0.0);
  EXPECT_DOUBLE_EQ(ReadDecimal("0x10"), 0.0);
  EXPECT_DOUBLE_EQ(ReadDecimal("3,5"), 3.0);
}

}  // namespace
