// Test support: sets or clears the fixed-date variable that the embedded
// database's SYSDATE reads, and restores the previous value at the end of
// the scope.
#ifndef SSTRXK_DB_EMBEDDED_FIXED_DATE_FOR_TEST_H_
#define SSTRXK_DB_EMBEDDED_FIXED_DATE_FOR_TEST_H_

#include <cstdlib>
#include <optional>
#include <string>

#include "db/embedded/oracle_functions.h"

namespace embedded {

class ScopedFixedDate {
 public:
  // `value` nullptr clears the variable.
  explicit ScopedFixedDate(const char* value) {
    if (const char* old = std::getenv(kFixedDateVariable)) previous_ = old;
    Set(value);
  }
  ~ScopedFixedDate() { Set(previous_ ? previous_->c_str() : nullptr); }
  ScopedFixedDate(const ScopedFixedDate&) = delete;
  ScopedFixedDate& operator=(const ScopedFixedDate&) = delete;

 private:
  static void Set(const char* value) {
#ifdef _WIN32
    _putenv_s(kFixedDateVariable, value != nullptr ? value : "");
#else
    if (value != nullptr) {
      setenv(kFixedDateVariable, value, 1);
    } else {
      unsetenv(kFixedDateVariable);
    }
#endif
  }

  std::optional<std::string> previous_;
};

}  // namespace embedded

#endif  // SSTRXK_DB_EMBEDDED_FIXED_DATE_FOR_TEST_H_
