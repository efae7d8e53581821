// Day numbers <-> civil dates and times. The civil date algorithms are the
// well-known era-based ones (days from and to 1970-01-01 in the proleptic
// Gregorian calendar), which need no tables and no time zone.
#include "db/embedded/day_number.h"

#include <cmath>

namespace embedded {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// The inverse of DaysFromCivil.
void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;                                   // [0, 146096]
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);             // [0, 365]
  const std::int64_t mp = (5 * doy + 2) / 153;                                  // [0, 11]
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Reads exactly `count` digits at `text[pos]`.
bool ReadDigits(std::string_view text, std::size_t pos, std::size_t count, int& value) {
  if (pos + count > text.size()) return false;
  value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    char c = text[pos + i];
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

}  // namespace

std::int64_t DaysFromCivil(int year, int month, int day) {
  const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;                                     // [0, 399]
  const std::int64_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;  // [0, 365]
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;             // [0, 146096]
  return era * 146097 + doe - 719468;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

double DayNumberFromLocalTime(const LocalTime& t) {
  std::int64_t seconds = DaysFromCivil(t.year, t.month, t.day) * kSecondsPerDay +
                         t.hour * 3600 + t.minute * 60 + t.second;
  return static_cast<double>(seconds) / kSecondsPerDay;
}

bool LocalTimeFromDayNumber(double day_number, LocalTime& t) {
  // Years 1..9999 span about -719162 .. 2932896 days.
  if (!std::isfinite(day_number) || day_number < -719163.0 || day_number > 2932897.0) return false;
  const std::int64_t seconds = std::llround(day_number * kSecondsPerDay);
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  CivilFromDays(days, t.year, t.month, t.day);
  if (t.year < 1 || t.year > 9999) return false;
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return true;
}

bool ParseDateTime(std::string_view text, LocalTime& t) {
  LocalTime r;
  if (text.size() != 10 && text.size() != 19) return false;
  if (!ReadDigits(text, 0, 4, r.year) || text[4] != '-' || !ReadDigits(text, 5, 2, r.month) ||
      text[7] != '-' || !ReadDigits(text, 8, 2, r.day)) {
    return false;
  }
  if (text.size() == 19) {
    if (text[10] != ' ' || !ReadDigits(text, 11, 2, r.hour) || text[13] != ':' ||
        !ReadDigits(text, 14, 2, r.minute) || text[16] != ':' || !ReadDigits(text, 17, 2, r.second)) {
      return false;
    }
  }
  if (r.year < 1 || r.month < 1 || r.month > 12 || r.day < 1 || r.day > DaysInMonth(r.year, r.month) ||
      r.hour > 23 || r.minute > 59 || r.second > 59) {
    return false;
  }
  t = r;
  return true;
}

}  // namespace embedded
