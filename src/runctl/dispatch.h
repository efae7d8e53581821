// The table that maps a file type code to its export job.
#ifndef SSTRXK_RUNCTL_DISPATCH_H_
#define SSTRXK_RUNCTL_DISPATCH_H_

#include <span>

// An export job: no arguments, result 0 done, 1 output file not opened,
// 2 database error (any other non-zero result counts like 1).
using ExportJob = int (*)();
// The selective export: the download key in, a job result out.
using SelectiveJob = int (*)(const char* key);

struct JobEntry {
  const char* code;  // three characters, upper case
  ExportJob job;     // nullptr while the file type is not built yet
};

struct DispatchTable {
  std::span<const JobEntry> jobs;
  SelectiveJob selective;  // nullptr while not built yet
};

// The jobs of the program.
const DispatchTable& ProductionDispatch();

// What the type code selects: the entry whose code matches the first three
// characters (in table order); otherwise, for a code of exactly 14
// characters, the selective export. `job` / `selective` are set accordingly;
// false when the type code selects nothing that exists.
bool Dispatch(const char* type_code, const DispatchTable& table, ExportJob& job, SelectiveJob& selective);

#endif  // SSTRXK_RUNCTL_DISPATCH_H_
