// Run control (see run_control.h).
#include "runctl/run_control.h"

#include <clocale>
#include <cstring>

#include "base/env.h"
#include "base/fixed_text.h"
#include "db/sql_hlp.h"
#include "runctl/run_log.h"
#include "runctl/run_state.h"
#include "runctl/usage.h"

namespace {

constexpr char kProductPattern[] = "7418-002%";
constexpr std::size_t kTypeCodeLength = 14;

// The type code: at most 14 characters of the argument, a to z upper-cased,
// every other byte as it is.
FixedText<kTypeCodeLength + 1> FormTypeCode(const char* argument) {
  FixedText<kTypeCodeLength + 1> code(argument);
  for (char* p = code.data(); *p != '\0'; ++p) {
    if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
  }
  return code;
}

bool IsDebugArgument(const char* argument) {
  return std::strcmp(argument, "/D") == 0 || std::strcmp(argument, "/d") == 0;
}

int RunJob(ExportJob job, SelectiveJob selective, const char* type_code) {
  return job != nullptr ? job() : selective(type_code);
}

int Finish(int exit_code) {
  dbDisconnect();
  return exit_code;
}

}  // namespace

int RunAttempts(const char* type_code, const DispatchTable& table) {
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    ExportJob job = nullptr;
    SelectiveJob selective = nullptr;
    if (!Dispatch(type_code, table, job, selective)) {
      LogMessage("Error: Dateityp '%s' ungueltig !", type_code);
      return Finish(kExitInvalid);
    }
    int result = RunJob(job, selective, type_code);
    if (result == 0) {
      LogMessage("Die Schnittstellendatei vom Dateityp '%s' wurde erstellt!", type_code);
      return Finish(kExitDone);
    }
    if (attempt == kAttempts) {
      LogMessage("Die Schnittstellendatei vom Dateityp '%s' konnte nicht erstellt werden!", type_code);
      return Finish(kExitNotWritten);
    }
    if (result == 2 && dbReconnect() != 1) {
      LogMessage(
          "Die Schnittstellendatei vom Dateityp '%s' konnte auf Grund von DB-Verbindungproblemen "
          "nicht erstellt werden.",
          type_code);
      return Finish(kExitNotWritten);
    }
    CurrentEnv().SleepMs(kAttemptWaitMs);
  }
  return Finish(kExitNotWritten);  // not reached: the last attempt returns above
}

int RunProgram(int argc, const char* const* argv, const DispatchTable& table) {
  DebugFlag = 0;
  std::setlocale(LC_NUMERIC, "C");
  if (argc < 3) {
    CurrentEnv().WriteConsole(UsageText());
    return kExitInvalid;
  }
  if (argc == 4 && IsDebugArgument(argv[3])) DebugFlag = 1;
  SetLogFileNames();
  if (std::strlen(argv[1]) >= OutputPath.kCapacity) {
    // A cut name would be another file: refuse rather than write elsewhere.
    LogMessage("Error: Dateiname zu lang (hoechstens %d Zeichen): '%.100s...'",
               static_cast<int>(OutputPath.kCapacity - 1), argv[1]);
    return kExitInvalid;
  }
  if (dbConnect() != 0 && dbReconnect() != 1) return kExitNotWritten;
  CurrentSchema.Assign("VELORIUM");
  FixedText<kTypeCodeLength + 1> type_code = FormTypeCode(argv[2]);
  OutputPath.Assign(argv[1]);
  SQLGetProductVersion(kProductPattern, ProductVersion);
  return RunAttempts(type_code.c_str(), table);
}
