// The run log (see run_log.h). Lines end in CR LF on every platform, so a log
// written here reads the same as one written on the product's Windows hosts.
#include "runctl/run_log.h"

#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "base/env.h"
#include "runctl/run_state.h"

namespace fs = std::filesystem;

void SetLogFileNames() {
  fs::path dir = fs::path("..") / ".." / "Velorium_php" / "log";
  LogFileName.Assign((dir / "sstrxk.log").string());
  PreviousLogFileName.Assign((dir / "sstrxk.old").string());
}

namespace {

// Moves the full log aside; failures go unreported, so a log whose rename
// failed keeps growing and is rotated again with the next message.
void RotateLog() {
  std::error_code ec;
  fs::remove(fs::path(PreviousLogFileName.str()), ec);
  fs::rename(fs::path(LogFileName.str()), fs::path(PreviousLogFileName.str()), ec);
}

}  // namespace

void WriteLog(const char* text) {
  if (DebugFlag == 1) {
    CurrentEnv().WriteConsole(std::string(text) + "\n");
    return;
  }
  std::FILE* log = std::fopen(LogFileName.c_str(), "ab");
  if (log == nullptr) return;
  LocalTime t = CurrentEnv().Now();
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  std::fprintf(log, "%s %s\r\n", stamp, text);
  std::fflush(log);
  std::fseek(log, 0, SEEK_END);
  long size = std::ftell(log);
  std::fclose(log);
  if (size > kLogRotateBytes) {
    RotateLog();
    log = std::fopen(LogFileName.c_str(), "ab");
    if (log != nullptr) std::fclose(log);
  }
}

void LogMessage(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vsnprintf(MessageBuffer.data(), MessageBuffer.kCapacity, format, args);
  va_end(args);
  WriteLog(MessageBuffer.c_str());
}
