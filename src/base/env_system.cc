// The real environment. This file and the embedded database are the only
// places that talk to the operating system directly; the platform difference
// is the local-time conversion.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "base/env.h"

namespace {

class SystemEnvImpl : public Env {
 public:
  LocalTime Now() override {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &now);
#else
    localtime_r(&now, &tm);
#endif
    LocalTime t;
    t.year = tm.tm_year + 1900;
    t.month = tm.tm_mon + 1;
    t.day = tm.tm_mday;
    t.hour = tm.tm_hour;
    t.minute = tm.tm_min;
    t.second = tm.tm_sec;
    return t;
  }

  void SleepMs(long milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }

  void WriteConsole(std::string_view text) override {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
  }
};

}  // namespace

Env& SystemEnv() {
  static SystemEnvImpl env;
  return env;
}
