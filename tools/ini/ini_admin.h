// The administrator's side of the configuration file: sets, lists and reads
// back enciphered values, so that a site can write its database credentials
// without knowing the cipher. The exporter itself only reads the file
// (db/config/ini_file.h); this tool writes records the reader finds.
#ifndef SSTRXK_TOOLS_INI_INI_ADMIN_H_
#define SSTRXK_TOOLS_INI_INI_ADMIN_H_

#include <ostream>
#include <string>
#include <vector>

// Exit codes of sstrxk-ini.
enum IniAdminExit {
  kIniAdminOk = 0,
  kIniAdminFileError = 1,  // the file cannot be read or written, or is malformed
  kIniAdminUsage = 2,      // bad arguments, or a value the file cannot hold
};

// Runs one command of the tool; `args` are the arguments after the program
// name. Results go to `out`, usage text, errors and warnings to `err`.
// Returns an IniAdminExit code.
//   set <file> <key> <value> [--section <name>] [--id <n>]
//   list <file>
//   get <file> <key>
int RunIniAdmin(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

#endif  // SSTRXK_TOOLS_INI_INI_ADMIN_H_
