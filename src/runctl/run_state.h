// The process-wide run state: everything a run keeps from start to end,
// set by run control and the client enumeration, read by the export jobs.
// One thread, one job per process, so plain globals serve.
#ifndef SSTRXK_RUNCTL_RUN_STATE_H_
#define SSTRXK_RUNCTL_RUN_STATE_H_

#include <cstdio>
#include <vector>

#include "base/fixed_text.h"
#include "export/sql/aswbkl_sql.h"

// The current client as the client cursor delivers it. The selective export
// sets the client number itself.
struct ClientRow {
  FixedText<6> licence;  // MNDLIZ
  FixedText<6> number;   // MNDNUM
  FixedText<21> schema;  // MNDSCH
  FixedText<6> site;     // MNDSTO
};

// The first-write flags of the selective update files: set at start, each
// cleared by its writer's first successful open.
struct FirstWriteFlags {
  bool idstamm = true;
  bool aswbkl = true;
  bool mgsst20p = true;
  bool mgsst35p = true;
  bool mgsst41p = true;
};

extern int DebugFlag;                 // 1: messages go to the console
extern FixedText<200> OutputPath;     // first argument: the file a full export writes
extern FixedText<21> CurrentSchema;   // schema put into schema-qualified statements
extern ClientRow CurrentClient;
extern double ProductVersion;         // 0.0 when none is found
extern FixedText<512> MessageBuffer;  // every message is formatted here first
extern FixedText<256> LogFileName;
extern FixedText<256> PreviousLogFileName;
extern std::FILE* OutputFile;         // the interface file being written
extern FirstWriteFlags FirstWrite;
// The permission classes of one badge: filled by the selective BKL writer,
// read and released by the selective export after every queue row.
extern std::vector<AswBklRow> AswBklList;

// Puts every item back to its state at program start (tests run many
// "processes" in one).
void ResetRunState();

#endif  // SSTRXK_RUNCTL_RUN_STATE_H_
