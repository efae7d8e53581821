// The banner and usage text printed when the command line is incomplete.
#ifndef SSTRXK_RUNCTL_USAGE_H_
#define SSTRXK_RUNCTL_USAGE_H_

#include <string>

// Banner and usage text as printed, Windows-1252 bytes, each line ending in
// a line feed.
std::string UsageText();

#endif  // SSTRXK_RUNCTL_USAGE_H_
