// The weekly plan file MGSST41P (see mgsst41p.h).
//
// Record, 278 characters:
//   1-255 terminal, 256-258 company "001", 259-261 time plan (the
//   permission class cut to three characters), 262-263 week number (the
//   reader), 264-268 time zone, 269 weekday number, 270-273 interval start
//   HHMM, 274-277 interval end HHMM, 278 "x".
#include "export/terminal/mgsst41p.h"

#include "export/terminal/selective_file.h"
#include "runctl/job_frame.h"
#include "runctl/run_log.h"
#include "runctl/run_state.h"

namespace {

S41PRow g_row;
const char* g_control_area = "";

long FetchAndWrite(long (*fetch)(S41PRow&)) {
  g_row = S41PRow();
  long status = fetch(g_row);
  if (status == 0) Write_MGSST41P(g_row);
  return status;
}

long OpenAll() { return SQLOpenS41P(); }
long FetchAndWriteAll() { return FetchAndWrite(SQLFetchS41P); }
void CloseAll() { SQLCloseS41P(); }

long OpenArea() { return SQLOpenS41P_Sel(g_control_area); }
long FetchAndWriteArea() { return FetchAndWrite(SQLFetchS41P_Sel); }
void CloseArea() { SQLCloseS41P_Sel(); }

}  // namespace

void Write_MGSST41P(const S41PRow& row) {
  FixedText<1000> line;
  line.Format("%-255s%-3s%-3s%-2s%-5s%-1s%-4s%-4sx", row.Terminalname.c_str(), row.Firma.c_str(),
              row.Zeitplan.c_str(), row.Wochennummer.c_str(), row.Zeitzone.c_str(), row.Tagnr.c_str(),
              row.Uhrzeit_Von.c_str(), row.Uhrzeit_Bis.c_str());
  WriteRecordLine(line.view());
}

int Fill_MGSST41P() {
  static const CursorSteps kSteps{OpenAll, "Fehler in Fkt. SQLOpenS41P(). RC: %ld", FetchAndWriteAll,
                                  "Fehler in Fkt. SQLFetchS41P(). RC: %ld", CloseAll};
  return RunOneCursorJob(kFilling, kSteps);
}

int Fill_MGSST41P_Upd(const char* control_area) {
  FixedText<300> path = SelectivePath("mgsst41p_upd.imp");
  if (!OpenSelectiveFile(path.c_str(), FirstWrite.mgsst41p, kOpenFailed)) return kJobFileNotOpened;
  if (DebugFlag == 1) {
    LogMessage("Importdatei: %s fuellen: Kontrollbereich: %s", path.c_str(), control_area);
  }
  g_control_area = control_area;
  static const CursorSteps kSteps{OpenArea, "Fehler in Fkt. SQLOpenS41P_Sel(). RC: %ld", FetchAndWriteArea,
                                  "Fehler in Fkt. SQLFetchS41P_Sel(). RC: %ld", CloseArea};
  return RunSelectiveCursor(path.c_str(), kSteps);
}
