// Tests of day numbers: civil dates and times both ways, rounding to the
// second, the calendar's range and the fixed-date text forms.
#include "db/embedded/day_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace embedded {
namespace {

bool Same(const LocalTime& a, const LocalTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
         a.second == b.second;
}

std::string Show(const LocalTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return buf;
}

TEST(DayNumberTest, ConvertsDatesAndTimes) {
  struct Case {
    LocalTime t;
    double day_number;
  };
  const Case cases[] = {
      {{1970, 1, 1, 0, 0, 0}, 0.0},
      {{2024, 3, 1, 12, 0, 0}, 19783.5},
      {{2024, 3, 1, 0, 0, 0}, 19783.0},
      {{2000, 2, 29, 0, 0, 0}, 11016.0},
      {{2000, 3, 1, 6, 0, 0}, 11017.25},
      {{1969, 12, 31, 18, 0, 0}, -0.25},
      {{1900, 3, 1, 0, 0, 0}, -25508.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(DayNumberFromLocalTime(c.t), c.day_number) << Show(c.t);
    LocalTime back;
    ASSERT_TRUE(LocalTimeFromDayNumber(c.day_number, back));
    EXPECT_TRUE(Same(back, c.t)) << Show(back) << " for " << c.day_number;
  }
}

TEST(DayNumberTest, RoundsToTheNearestSecond) {
  struct Case {
    double day_number;
    LocalTime t;
  };
  const Case cases[] = {
      {19783.5 + 0.4 / 86400, {2024, 3, 1, 12, 0, 0}},
      {19783.5 + 0.6 / 86400, {2024, 3, 1, 12, 0, 1}},
      {19783.5 - 0.4 / 86400, {2024, 3, 1, 12, 0, 0}},
      {19784.0 - 0.4 / 86400, {2024, 3, 2, 0, 0, 0}},  // 23:59:59.6 is the next day
      {19784.0 - 1.0 / 86400, {2024, 3, 1, 23, 59, 59}},
      {19783 + 45296.0 / 86400, {2024, 3, 1, 12, 34, 56}},
  };
  for (const Case& c : cases) {
    LocalTime t;
    ASSERT_TRUE(LocalTimeFromDayNumber(c.day_number, t));
    EXPECT_TRUE(Same(t, c.t)) << Show(t) << " expected " << Show(c.t);
  }
}

TEST(DayNumberTest, CivilDatesRoundTripOverTheWholeCalendar) {
  for (std::int64_t days = -719162; days <= 2932896; days += 367) {
    LocalTime t;
    ASSERT_TRUE(LocalTimeFromDayNumber(static_cast<double>(days), t)) << days;
    ASSERT_EQ(DaysFromCivil(t.year, t.month, t.day), days);
    ASSERT_GE(t.day, 1);
    ASSERT_LE(t.day, DaysInMonth(t.year, t.month));
  }
  EXPECT_EQ(DaysFromCivil(1, 1, 1), -719162);
  EXPECT_EQ(DaysFromCivil(9999, 12, 31), 2932896);
}

TEST(DayNumberTest, RefusesValuesOutsideTheCalendar) {
  LocalTime t;
  EXPECT_FALSE(LocalTimeFromDayNumber(std::numeric_limits<double>::quiet_NaN(), t));
  EXPECT_FALSE(LocalTimeFromDayNumber(std::numeric_limits<double>::infinity(), t));
  EXPECT_FALSE(LocalTimeFromDayNumber(2932897.0, t));  // 10000-01-01
  EXPECT_FALSE(LocalTimeFromDayNumber(-719163.0, t));  // 0000-12-31
  EXPECT_TRUE(LocalTimeFromDayNumber(2932896.5, t));
}

TEST(DayNumberTest, KnowsMonthLengths) {
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2024, 4), 30);
  EXPECT_EQ(DaysInMonth(2024, 12), 31);
}

TEST(DayNumberTest, ParsesTheFixedDateForms) {
  LocalTime t;
  ASSERT_TRUE(ParseDateTime("2024-03-01", t));
  EXPECT_TRUE(Same(t, {2024, 3, 1, 0, 0, 0}));
  ASSERT_TRUE(ParseDateTime("2024-02-29 23:59:58", t));
  EXPECT_TRUE(Same(t, {2024, 2, 29, 23, 59, 58}));
  const char* bad[] = {"",           "2024-3-01",           "2024-02-30",          "2023-02-29",
                       "2024-13-01", "2024-03-01 24:00:00", "2024-03-01 12:60:00", "2024-03-01T12:00:00",
                       "2024-03-01 12:00",   "20240301",   "2024-03-01 12:00:00x"};
  for (const char* text : bad) EXPECT_FALSE(ParseDateTime(text, t)) << text;
}

}  // namespace
}  // namespace embedded
