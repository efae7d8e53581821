// The Oracle functions registered on the embedded database's connection.
// Each function reads its arguments as Oracle would convert them, computes
// with day numbers and LocalTime (day_number.h), and reports a value Oracle
// would refuse (a text that is no number, a date outside the calendar, an
// unknown format element) as an error of the statement.
#include "db/embedded/oracle_functions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "base/env.h"
#include "db/embedded/day_number.h"

namespace embedded {
namespace {

// An argument read as a number.
struct Number {
  bool is_null = true;
  bool is_int = false;  // an INTEGER value: `i` holds it exactly
  std::int64_t i = 0;
  double d = 0.0;
};

// Reads `value` as Oracle's implicit conversion to a number would. False
// when it is a text (or blob) that does not read as a number.
bool ReadNumber(sqlite3_value* value, Number& n) {
  n = Number();
  int type = sqlite3_value_type(value);
  if (type == SQLITE_NULL) return true;
  if (type == SQLITE_TEXT && sqlite3_value_bytes(value) == 0) return true;  // '' is NULL in Oracle
  // Applies numeric affinity: a text such as "2024" or " 5.5" becomes a number.
  type = sqlite3_value_numeric_type(value);
  if (type == SQLITE_INTEGER) {
    n.is_null = false;
    n.is_int = true;
    n.i = sqlite3_value_int64(value);
    n.d = static_cast<double>(n.i);
    return true;
  }
  if (type == SQLITE_FLOAT) {
    n.is_null = false;
    n.d = sqlite3_value_double(value);
    return true;
  }
  return false;
}

// Reads the arguments into `numbers`; reports the error itself and returns
// false when one is no number. `any_null` tells whether one was NULL.
bool ReadNumbers(sqlite3_context* ctx, const char* function, int argc, sqlite3_value** argv,
                 Number* numbers, bool& any_null) {
  any_null = false;
  for (int k = 0; k < argc; ++k) {
    if (!ReadNumber(argv[k], numbers[k])) {
      std::string message = std::string(function) + ": invalid number";
      sqlite3_result_error(ctx, message.c_str(), -1);
      return false;
    }
    if (numbers[k].is_null) any_null = true;
  }
  return true;
}

// Results that are whole numbers go out as INTEGER, others as REAL, so that
// day numbers and counts keep their integer form where they have one.
void ResultNumber(sqlite3_context* ctx, double v) {
  if (v == std::trunc(v) && std::fabs(v) < 9.0e18) {
    sqlite3_result_int64(ctx, static_cast<std::int64_t>(v));
  } else {
    sqlite3_result_double(ctx, v);
  }
}

bool ReadLocalTime(sqlite3_context* ctx, const char* function, double day_number, LocalTime& t) {
  if (LocalTimeFromDayNumber(day_number, t)) return true;
  std::string message = std::string(function) + ": date out of range";
  sqlite3_result_error(ctx, message.c_str(), -1);
  return false;
}

// Cuts `x` to `digits` decimals (negative: to tens, hundreds, ...), toward
// zero. The value is first taken to 15 significant digits, the precision a
// double holds for sure, so that a result of binary arithmetic such as
// 2.9999999999999996 counts as the decimal 3 it stands for, as Oracle's
// decimal numbers would have it.
double TruncateDecimal(double x, int digits) {
  if (!std::isfinite(x) || x == 0.0) return x;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", x);  // [-]d.dddddddddddddde[+-]XX
  std::string text = buf;
  std::size_t e = text.find('e');
  int exponent = std::atoi(text.c_str() + e + 1);
  std::size_t first_digit = text[0] == '-' ? 1 : 0;
  // Digit k of the 15 has the weight 10^(exponent - k); keep those with a
  // weight of at least 10^-digits.
  int keep = exponent + digits + 1;
  if (keep <= 0) return 0.0;
  int k = 0;
  for (std::size_t p = first_digit; p < e; ++p) {
    if (text[p] == '.') continue;
    if (k >= keep) text[p] = '0';
    ++k;
  }
  return std::strtod(text.c_str(), nullptr);
}

std::string ToUpperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// to_char(date, format) for YYYY, MM, DD, HH24, MI, SS in either case;
// other characters except letters and digits are copied, and so is text in
// double quotes. False for any other format element.
bool FormatDatePicture(const LocalTime& t, std::string_view format, std::string& out) {
  std::string upper = ToUpperAscii(format);
  std::string_view f = upper;
  char buf[16];
  std::size_t i = 0;
  while (i < f.size()) {
    std::string_view rest = f.substr(i);
    if (rest.substr(0, 4) == "YYYY") {
      std::snprintf(buf, sizeof buf, "%04d", t.year);
      i += 4;
    } else if (rest.substr(0, 4) == "HH24") {
      std::snprintf(buf, sizeof buf, "%02d", t.hour);
      i += 4;
    } else if (rest.substr(0, 2) == "MM") {
      std::snprintf(buf, sizeof buf, "%02d", t.month);
      i += 2;
    } else if (rest.substr(0, 2) == "MI") {
      std::snprintf(buf, sizeof buf, "%02d", t.minute);
      i += 2;
    } else if (rest.substr(0, 2) == "DD") {
      std::snprintf(buf, sizeof buf, "%02d", t.day);
      i += 2;
    } else if (rest.substr(0, 2) == "SS") {
      std::snprintf(buf, sizeof buf, "%02d", t.second);
      i += 2;
    } else if (rest[0] == '"') {
      std::size_t close = format.find('"', i + 1);
      if (close == std::string_view::npos) return false;
      out.append(format.substr(i + 1, close - i - 1));
      i = close + 1;
      continue;
    } else {
      char c = rest[0];
      bool alnum = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
      if (alnum) return false;
      out += format[i];
      ++i;
      continue;
    }
    out += buf;
  }
  return true;
}

void ToCharFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc == 1) {
    // to_char(x): a number as Oracle prints it; a text stays as it is.
    int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
      std::string text = type == SQLITE_INTEGER ? std::to_string(sqlite3_value_int64(argv[0]))
                                                : OracleNumberText(sqlite3_value_double(argv[0]));
      sqlite3_result_text(ctx, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    } else {
      sqlite3_result_value(ctx, argv[0]);
    }
    return;
  }
  if (sqlite3_value_type(argv[1]) == SQLITE_NULL) return;
  std::string_view format(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])),
                          static_cast<std::size_t>(sqlite3_value_bytes(argv[1])));
  if (format.empty()) return;  // '' is NULL in Oracle
  Number value;
  bool any_null = false;
  if (!ReadNumbers(ctx, "to_char", 1, argv, &value, any_null) || any_null) return;
  std::string out;
  if (IsNumberPicture(format)) {
    out = FormatNumberPicture(value.d, format);
  } else {
    LocalTime t;
    if (!ReadLocalTime(ctx, "to_char", value.d, t)) return;
    if (!FormatDatePicture(t, format, out)) {
      sqlite3_result_error(ctx, "to_char: unsupported format", -1);
      return;
    }
  }
  sqlite3_result_text(ctx, out.c_str(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

// to_date(date): Oracle turns the date into a text of its default date
// format (day, month, year) and back, which drops the time of day.
void ToDateFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Number d;
  bool any_null = false;
  if (!ReadNumbers(ctx, "to_date", 1, argv, &d, any_null) || any_null) return;
  LocalTime t;
  if (!ReadLocalTime(ctx, "to_date", d.d, t)) return;
  t.hour = t.minute = t.second = 0;
  ResultNumber(ctx, DayNumberFromLocalTime(t));
}

// trunc(x) and trunc(x, digits): toward zero. A date (a day number after
// 1970) thereby loses its time of day.
void TruncFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  Number n[2];
  bool any_null = false;
  if (!ReadNumbers(ctx, "trunc", argc, argv, n, any_null) || any_null) return;
  int digits = 0;
  if (argc == 2) digits = static_cast<int>(std::clamp(std::trunc(n[1].d), -40.0, 40.0));
  if (n[0].is_int) {
    if (digits >= 0) {
      sqlite3_result_int64(ctx, n[0].i);
      return;
    }
    if (digits < -18) {
      sqlite3_result_int64(ctx, 0);
      return;
    }
    std::int64_t scale = 1;
    for (int k = 0; k < -digits; ++k) scale *= 10;
    sqlite3_result_int64(ctx, n[0].i / scale * scale);
    return;
  }
  ResultNumber(ctx, TruncateDecimal(n[0].d, digits));
}

// last_day(date): the last day of the date's month, same time of day.
void LastDayFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Number d;
  bool any_null = false;
  if (!ReadNumbers(ctx, "last_day", 1, argv, &d, any_null) || any_null) return;
  LocalTime t;
  if (!ReadLocalTime(ctx, "last_day", d.d, t)) return;
  t.day = DaysInMonth(t.year, t.month);
  ResultNumber(ctx, DayNumberFromLocalTime(t));
}

// add_months(date, n): the same day n months later (n cut to a whole
// number). When the date is the last day of its month, or the target month
// is shorter, the result is the target month's last day. Time of day kept.
void AddMonthsFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Number n[2];
  bool any_null = false;
  if (!ReadNumbers(ctx, "add_months", 2, argv, n, any_null) || any_null) return;
  LocalTime t;
  if (!ReadLocalTime(ctx, "add_months", n[0].d, t)) return;
  double months = std::trunc(n[1].d);
  if (std::fabs(months) > 12.0 * 10000) {
    sqlite3_result_error(ctx, "add_months: date out of range", -1);
    return;
  }
  int index = t.year * 12 + (t.month - 1) + static_cast<int>(months);
  int year = index / 12;
  int month = index % 12 + 1;
  if (index < 0 || year < 1 || year > 9999) {
    sqlite3_result_error(ctx, "add_months: date out of range", -1);
    return;
  }
  int last = DaysInMonth(year, month);
  if (t.day == DaysInMonth(t.year, t.month) || t.day > last) t.day = last;
  t.year = year;
  t.month = month;
  ResultNumber(ctx, DayNumberFromLocalTime(t));
}

// mod(a, b) = a - b * trunc(a / b) (the sign of a, as fmod); mod(a, 0) = a.
// Integers stay integers.
void ModFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Number n[2];
  bool any_null = false;
  if (!ReadNumbers(ctx, "mod", 2, argv, n, any_null) || any_null) return;
  if (n[0].is_int && n[1].is_int) {
    if (n[1].i == 0) {
      sqlite3_result_int64(ctx, n[0].i);
    } else if (n[1].i == -1) {
      sqlite3_result_int64(ctx, 0);  // also keeps INT64_MIN % -1 from overflowing
    } else {
      sqlite3_result_int64(ctx, n[0].i % n[1].i);
    }
    return;
  }
  ResultNumber(ctx, n[1].d == 0.0 ? n[0].d : std::fmod(n[0].d, n[1].d));
}

void SysdateFunction(sqlite3_context* ctx, int, sqlite3_value**) {
  LocalTime t;
  const char* fixed = std::getenv(kFixedDateVariable);
  if (fixed != nullptr && *fixed != '\0') {
    if (!ParseDateTime(fixed, t)) {
      std::string message = std::string(kFixedDateVariable) + " is no date: " + fixed;
      sqlite3_result_error(ctx, message.c_str(), -1);
      return;
    }
  } else {
    t = CurrentEnv().Now();
  }
  ResultNumber(ctx, DayNumberFromLocalTime(t));
}

void ConcatFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  std::string out;
  bool any = false;
  for (int k = 0; k < argc; ++k) {
    switch (sqlite3_value_type(argv[k])) {
      case SQLITE_NULL:
        continue;
      case SQLITE_INTEGER:
        out += std::to_string(sqlite3_value_int64(argv[k]));
        break;
      case SQLITE_FLOAT:
        out += OracleNumberText(sqlite3_value_double(argv[k]));
        break;
      default: {
        const char* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[k]));
        if (text != nullptr) out.append(text, static_cast<std::size_t>(sqlite3_value_bytes(argv[k])));
        break;
      }
    }
    any = true;
  }
  if (!any) return;
  sqlite3_result_text(ctx, out.c_str(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

using Function = void (*)(sqlite3_context*, int, sqlite3_value**);

struct FunctionEntry {
  const char* name;
  int argc;  // -1: any number
  Function function;
};

constexpr FunctionEntry kFunctions[] = {
    {"to_char", 1, ToCharFunction},       {"to_char", 2, ToCharFunction},
    {"to_date", 1, ToDateFunction},       {"trunc", 1, TruncFunction},
    {"trunc", 2, TruncFunction},          {"last_day", 1, LastDayFunction},
    {"add_months", 2, AddMonthsFunction}, {"mod", 2, ModFunction},
    {kSysdateFunction, 0, SysdateFunction}, {kConcatFunction, -1, ConcatFunction},
};

}  // namespace

int RegisterOracleFunctions(sqlite3* db) {
  for (const FunctionEntry& f : kFunctions) {
    // Every function counts as deterministic, the clock included: SQLite then
    // evaluates a call with constant arguments once per run of a statement
    // instead of once per row, which gives SYSDATE Oracle's meaning (one
    // moment for the whole statement) and lets "KALDTM>=to_date(SYSDATE)" use
    // an index.
    int rc = sqlite3_create_function_v2(db, f.name, f.argc, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                        f.function, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return rc;
  }
  return SQLITE_OK;
}

bool IsNumberPicture(std::string_view format) {
  if (format.empty()) return false;
  for (char c : format) {
    if (c != '0' && c != '9') return false;
  }
  return true;
}

std::string FormatNumberPicture(double value, std::string_view format) {
  const std::size_t width = format.size();
  const double rounded = std::round(value);  // half away from zero
  if (!std::isfinite(rounded)) return std::string(width + 1, '#');
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.0f", std::fabs(rounded));
  std::string digits = buf;
  if (digits.size() > width) return std::string(width + 1, '#');
  std::size_t first_zero = format.find('0');
  std::size_t min_digits = first_zero == std::string_view::npos ? 1 : width - first_zero;
  if (digits.size() < min_digits) digits.insert(0, min_digits - digits.size(), '0');
  std::string body = (rounded < 0 ? "-" : "") + digits;
  return std::string(width + 1 - body.size(), ' ') + body;
}

}  // namespace embedded
