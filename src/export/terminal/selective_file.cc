// Update files of the selective writers (see selective_file.h).
#include "export/terminal/selective_file.h"

#include "db/sql_backend.h"
#include "runctl/run_log.h"
#include "runctl/run_state.h"

FixedText<300> SelectivePath(const char* name) {
  FixedText<300> path;
  path.Format("%s//%s", OutputPath.c_str(), name);
  return path;
}

int RunSelectiveCursor(const char* path, const CursorSteps& steps) {
  long status = steps.open();
  if (status != sql::kOk) {
    LogMessage(steps.open_message, status);
    CloseOutputFile();
    return kJobDatabaseError;
  }
  bool failed = false;
  for (;;) {
    status = steps.fetch_and_write();
    if (status == sql::kNoData) break;
    if (status != sql::kOk) {
      LogMessage(steps.fetch_message, status);
      failed = true;
      break;
    }
  }
  steps.close();
  CloseOutputFile();
  return FinishImport(failed, path);
}
