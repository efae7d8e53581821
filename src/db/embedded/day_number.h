// Dates of the embedded database. A date is stored as a day number: days
// since 1970-01-01 00:00:00 with the time of day as the fraction
// (2024-03-01 12:00:00 is 19783.5). No time zone is involved; the date and
// time are the local ones as written. Converting a day number back into a
// date and time rounds to the nearest second.
#ifndef SSTRXK_DB_EMBEDDED_DAY_NUMBER_H_
#define SSTRXK_DB_EMBEDDED_DAY_NUMBER_H_

#include <cstdint>
#include <string_view>

#include "base/env.h"

namespace embedded {

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar
// (negative before).
std::int64_t DaysFromCivil(int year, int month, int day);

// Number of days of `month` (1..12) in `year`.
int DaysInMonth(int year, int month);

// The day number of `t`. Fields are taken as they are (no range check).
double DayNumberFromLocalTime(const LocalTime& t);

// The date and time of `day_number`, rounded to the nearest second. False
// when the value is not finite or lies outside the years 1 to 9999.
bool LocalTimeFromDayNumber(double day_number, LocalTime& t);

// Reads "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS" into `t`. False when the text
// has another shape or names no valid date or time.
bool ParseDateTime(std::string_view text, LocalTime& t);

}  // namespace embedded

#endif  // SSTRXK_DB_EMBEDDED_DAY_NUMBER_H_
