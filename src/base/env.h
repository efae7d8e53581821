// Env: the few things the system needs from the operating system besides
// files: the local clock, sleeping and the console. Production code reaches
// them only through CurrentEnv(), so tests install a fake that records sleeps
// and console lines instead of waiting or printing.
#ifndef SSTRXK_BASE_ENV_H_
#define SSTRXK_BASE_ENV_H_

#include <string_view>

struct LocalTime {
  int year = 1970;  // four digits
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int hour = 0;     // 0..23
  int minute = 0;
  int second = 0;
};

class Env {
 public:
  virtual ~Env() = default;
  // The current local date and time.
  virtual LocalTime Now() = 0;
  // Blocks for `milliseconds`.
  virtual void SleepMs(long milliseconds) = 0;
  // Writes `text` to standard output as it is (no line end is added).
  virtual void WriteConsole(std::string_view text) = 0;
};

// The process-wide environment: the real one unless a test installed another.
Env& CurrentEnv();
// Installs `env` (not owned) as the process-wide environment; nullptr restores
// the real one. Returns the previous one.
Env* SetEnv(Env* env);

// The real environment of this platform.
Env& SystemEnv();

#endif  // SSTRXK_BASE_ENV_H_
