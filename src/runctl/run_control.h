// Run control: the program's entry. Checks the command line, opens the
// database session, runs the one export job the type code selects up to five
// times and turns the outcome into the final log line and the exit code.
#ifndef SSTRXK_RUNCTL_RUN_CONTROL_H_
#define SSTRXK_RUNCTL_RUN_CONTROL_H_

#include "runctl/dispatch.h"

// Exit codes of the process.
enum ExitCode {
  kExitDone = 0,        // the interface file was written
  kExitInvalid = 90,    // command line incomplete or type code invalid
  kExitNotWritten = 99  // file not written or database not reachable
};

inline constexpr int kAttempts = 5;
inline constexpr long kAttemptWaitMs = 10000;

// The whole run for the command line `argv` with the jobs of `table`.
int RunProgram(int argc, const char* const* argv, const DispatchTable& table);

// The attempts loop for an upper-cased type code (session already open).
int RunAttempts(const char* type_code, const DispatchTable& table);

#endif  // SSTRXK_RUNCTL_RUN_CONTROL_H_
