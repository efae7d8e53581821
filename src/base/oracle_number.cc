// Oracle's number-to-text form (see oracle_number.h).
#include "base/oracle_number.h"

#include <cmath>
#include <cstdio>

std::string OracleNumberText(double value) {
  char buf[64];
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e18) {
    std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(value));
    return buf;
  }
  std::snprintf(buf, sizeof buf, "%.15g", value);
  std::string s = buf;
  if (s.rfind("0.", 0) == 0) s.erase(0, 1);
  if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
  return s;
}
