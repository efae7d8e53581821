// The number formats of the balance file. The SALDO line shows numbers with
// a decimal comma and a sign in front (vacation values, balance sums in
// hours and minutes) or, in the summary fields, with the sign behind. Each
// format is a small text operation; the fields are built by chaining them
// onto a number printed with "%0.2f" in the "C" locale.
#ifndef SSTRXK_EXPORT_BALANCE_NUMBER_FORMAT_H_
#define SSTRXK_EXPORT_BALANCE_NUMBER_FORMAT_H_

#include <cstdint>
#include <string>
#include <string_view>

// ".00" becomes "0,00"; otherwise the first "." or "," among the first ten
// characters becomes ","; without one ",00" is appended.
std::string FormatComma(std::string_view text);

// Reads the text as a decimal number (a "," read as ".") and prints it as a
// sign ("+" for zero and above, "-" below) and the magnitude with two
// decimals, right-aligned: ten characters. A magnitude that needs more than
// nine characters (999999.995 and above) is written as 999999.99, so the
// field keeps its width.
std::string FormatSigned(std::string_view text);

// Turns decimal hours into hours and minutes: "1.50" becomes "1,30". The
// part before the first "." or "," (among the first ten characters) stays as
// it is; the fraction, up to three digits, times 60 gives the minutes. An
// empty text becomes "0,00", a text without separator gets ",00".
std::string FormatHoursMinutes(std::string_view text);

// Reads the text as a decimal number (the first "," read as ".") and prints
// its magnitude with "%6.2f" and the sign behind ("-" or a blank), with a
// decimal comma; only the last eight characters remain. Negative zero reads
// as zero here and in FormatSigned: no minus sign is ever printed for it.
std::string FormatTrailingSign(std::string_view text);

// Reads a decimal number from the start of `text` as the C library would
// for these texts: leading white space, an optional sign, digits with an
// optional "." and more digits; reading stops at the first character that
// cannot continue the number. No number reads as 0.
double ReadDecimal(std::string_view text);

// `value` printed with "%0.2f".
std::string PrintTwoDecimals(double value);

// The signed decimal format of the vacation fields W03 ... W08: zero is
// "      0,00", anything else "%0.2f", FormatSigned, FormatComma.
std::string SignedDecimalField(double value);

// The signed hours-and-minutes format of the balance fields W02, W09 ...
// W16: minutes / 60 printed with "%0.2f", FormatSigned, FormatHoursMinutes.
std::string SignedHoursMinutesField(std::int64_t minutes);

// The traffic-light field: the value right-aligned in five characters. A
// value outside -9999 ... 99999 does not fit and is written as the nearest
// end of that range.
std::string TrafficLightField(std::int32_t value);

#endif  // SSTRXK_EXPORT_BALANCE_NUMBER_FORMAT_H_
