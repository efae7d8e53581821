// The number formats of the balance file (see number_format.h). Every
// operation works on texts of any length and returns a new text; the field
// widths are kept by the formats themselves, not by cutting afterwards.
#include "export/balance/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Formats one double with a printf format of one conversion.
std::string PrintDouble(const char* format, double value) {
  char small[64];
  int n = std::snprintf(small, sizeof small, format, value);
  if (n < 0) return std::string();
  if (static_cast<std::size_t>(n) < sizeof small) return std::string(small, static_cast<std::size_t>(n));
  std::string large(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(large.data(), large.size(), format, value);
  large.resize(static_cast<std::size_t>(n));
  return large;
}

// Position of the first "." or "," among the first ten characters, or npos.
std::size_t FindSeparator(std::string_view text) {
  std::size_t limit = std::min<std::size_t>(text.size(), 10);
  for (std::size_t i = 0; i < limit; ++i) {
    if (text[i] == '.' || text[i] == ',') return i;
  }
  return std::string_view::npos;
}

// The text with its first `from` replaced by `to`.
std::string ReplaceFirst(std::string_view text, char from, char to) {
  std::string result(text);
  std::size_t at = result.find(from);
  if (at != std::string::npos) result[at] = to;
  return result;
}

}  // namespace

double ReadDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::size_t start = i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  std::string_view whole = text.substr(start, i - start);
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  double magnitude = 0.0;
  auto [end, error] = std::from_chars(text.data() + start, text.data() + i, magnitude, std::chars_format::fixed);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // Beyond what a double holds: a whole part with a digit other than 0
    // is too large (as large as a double gets), else the value is too small.
    bool large = whole.find_first_of("123456789") != std::string_view::npos;
    magnitude = large ? std::numeric_limits<double>::max() : 0.0;
  }
  return negative ? -magnitude : magnitude;
}

std::string PrintTwoDecimals(double value) { return PrintDouble("%0.2f", value); }

std::string FormatComma(std::string_view text) {
  if (text == ".00") return "0,00";
  std::string result(text);
  std::size_t at = FindSeparator(result);
  if (at == std::string::npos) {
    result += ",00";
  } else {
    result[at] = ',';
  }
  return result;
}

std::string FormatSigned(std::string_view text) {
  double value = ReadDecimal(ReplaceFirst(text, ',', '.'));
  // Zero, negative zero included, is "+" and prints without a minus.
  char sign = value < 0 ? '-' : '+';
  std::string magnitude = PrintDouble("%.2f", std::fabs(value));
  if (!std::isfinite(value) || magnitude.size() > 9) magnitude = "999999.99";
  return sign + std::string(9 - magnitude.size(), ' ') + magnitude;
}

std::string FormatHoursMinutes(std::string_view text) {
  if (text.empty()) return "0,00";
  std::size_t at = FindSeparator(text);
  if (at == std::string_view::npos) return std::string(text) + ",00";
  std::string hours(text.substr(0, at));
  // "," is no decimal point here, so a fraction after a "," reads as zero.
  double minutes = ReadDecimal(text.substr(at, 4)) * 60.0;
  if (minutes == 0.0) return hours + ",00";
  return hours + "," + PrintDouble("%02.0f", minutes).substr(0, 2);
}

std::string FormatTrailingSign(std::string_view text) {
  double value = ReadDecimal(ReplaceFirst(text, ',', '.'));
  // Negative zero is zero: no "-0,00".
  std::string result = PrintDouble(value < 0 ? "%6.2f-" : "%6.2f ", std::fabs(value));
  result = ReplaceFirst(result, '.', ',');
  if (result.size() > 8) result.erase(0, result.size() - 8);
  return result;
}

std::string SignedDecimalField(double value) {
  if (value == 0.0) return "      0,00";
  return FormatComma(FormatSigned(PrintTwoDecimals(value)));
}

std::string SignedHoursMinutesField(std::int64_t minutes) {
  return FormatHoursMinutes(FormatSigned(PrintTwoDecimals(static_cast<double>(minutes) / 60.0)));
}

std::string TrafficLightField(std::int32_t value) {
  long shown = std::clamp<long>(value, -9999, 99999);
  char text[16];
  std::snprintf(text, sizeof text, "%5ld", shown);
  return text;
}
