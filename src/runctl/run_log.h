// The run log. Every message of a run goes through WriteLog: appended with a
// time stamp to the log file (opened and closed for each message, rotated
// past 10 MiB), or printed on the console when DebugFlag is set.
#ifndef SSTRXK_RUNCTL_RUN_LOG_H_
#define SSTRXK_RUNCTL_RUN_LOG_H_

#include "base/fixed_text.h"

// Rotation threshold: a log larger than this after a write is rotated.
inline constexpr long kLogRotateBytes = 10485760;

// Sets LogFileName and PreviousLogFileName to the product's log directory
// two levels above the working directory.
void SetLogFileNames();

// Logs `text`. Never fails: a log that cannot be opened loses the message.
void WriteLog(const char* text);

// Formats a message into MessageBuffer and logs it.
SSTRXK_PRINTF_FORMAT(1, 2) void LogMessage(const char* format, ...);

#endif  // SSTRXK_RUNCTL_RUN_LOG_H_
