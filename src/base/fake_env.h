// FakeEnv: an Env for tests. Its clock stands still unless a test moves it,
// sleeps are recorded instead of waited, console output is collected.
#ifndef SSTRXK_BASE_FAKE_ENV_H_
#define SSTRXK_BASE_FAKE_ENV_H_

#include <string>
#include <vector>

#include "base/env.h"

class FakeEnv : public Env {
 public:
  FakeEnv() : previous_(SetEnv(this)) {}
  ~FakeEnv() override { SetEnv(previous_); }

  LocalTime Now() override { return now; }
  void SleepMs(long milliseconds) override { sleeps.push_back(milliseconds); }
  void WriteConsole(std::string_view text) override { console.append(text); }

  LocalTime now{2024, 6, 15, 8, 30, 5};
  std::vector<long> sleeps;
  std::string console;

 private:
  Env* previous_;
};

#endif  // SSTRXK_BASE_FAKE_ENV_H_
