// The badge permission-class file (see aswbkl.h).
//
// Record, 67 characters:
//   1-50 badge number, 51-55 permission class, 56-60 licence number,
//   61-65 client number, 66 the marker BKLSTM, 67 "x".
#include "export/terminal/aswbkl.h"

#include <new>
#include <vector>

#include "db/sql_backend.h"
#include "export/terminal/selective_file.h"
#include "runctl/job_frame.h"
#include "runctl/run_log.h"
#include "runctl/run_state.h"

namespace {

AswBklRow g_row;

long OpenAll() { return SQLOpenAswBkl(); }

long FetchAndWriteAll() {
  g_row = AswBklRow();
  long status = SQLFetchAswBkl(g_row);
  if (status == sql::kOk) Write_AswBkl(g_row);
  return status;
}

void CloseAll() { SQLCloseAswBkl(); }

void ReleaseClassList() { std::vector<AswBklRow>().swap(AswBklList); }

}  // namespace

void Write_AswBkl(const AswBklRow& row) {
  FixedText<1000> line;
  line.Format("%-50s%-5s%-5s%-5s%-1sx", row.BKLASW.c_str(), row.BKLBKL.c_str(), row.BKLLIZ.c_str(),
              row.BKLMND.c_str(), row.BKLSTM.c_str());
  WriteRecordLine(line.view());
}

int Fill_AswBkl() {
  static const CursorSteps kSteps{OpenAll, "Fehler in Fkt. SQLOpenAswBkl(). RC: %ld", FetchAndWriteAll,
                                  "Fehler in Fkt. SQLFetchAswBkl(). RC: %ld", CloseAll};
  return RunOneCursorJob(kFilling, kSteps);
}

int Fill_AswBklUpd(const char* badge) {
  FixedText<300> path = SelectivePath("aswbkl_upd.imp");
  if (!OpenSelectiveFile(path.c_str(), FirstWrite.aswbkl, kOpenFailed)) return kJobFileNotOpened;
  LogMessage(kFilling, path.c_str());
  ReleaseClassList();  // the list holds this badge's classes only
  long status = SQLOpenAswBkl_Sel(badge);
  if (status != sql::kOk) {
    LogMessage("Fehler in Fkt. SQLOpenAswBkl_Sel(). RC: %ld", status);
    CloseOutputFile();
    return kJobDatabaseError;
  }
  bool failed = false;
  for (;;) {
    // The list grows by one entry before each fetch; the entry is taken
    // back when the fetch delivers no row.
    try {
      AswBklList.emplace_back();
    } catch (const std::bad_alloc&) {
      ReleaseClassList();
      LogMessage("Fehler Speicherallokierung in Fill_AswBklUpd()!");
      SQLCloseAswBkl_Sel();
      CloseOutputFile();
      return kJobNoMemory;
    }
    g_row = AswBklRow();
    status = SQLFetchAswBkl_Sel(g_row);
    if (status != sql::kOk) {
      AswBklList.pop_back();
      if (status != sql::kNoData) {
        LogMessage("Fehler in Fkt. SQLFetchAswBkl_Sel(). RC: %ld", status);
        failed = true;
      }
      break;
    }
    AswBklList.back() = g_row;
    Write_AswBkl(g_row);
  }
  SQLCloseAswBkl_Sel();
  CloseOutputFile();
  return FinishImport(failed, path.c_str());
}
