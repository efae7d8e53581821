// The permission file MGSST35P (see mgsst35p.h).
//
// Record, 282 characters:
//   1-255 terminal, 256-258 company "001", 259-263 permission class,
//   264-265 reader, 266-267 reader again (week), 268-270 weekly plan (the
//   class cut to three characters), 271-275 control area, 276-280 time
//   zone, 281 booking allowed "1" or "0", 282 "x".
#include "export/terminal/mgsst35p.h"

#include <cstdlib>

#include "export/terminal/selective_file.h"
#include "runctl/job_frame.h"
#include "runctl/run_log.h"
#include "runctl/run_state.h"

namespace {

S35PRow g_row;
const char* g_control_area = "";

// The booking flag as the terminals take it: "1" when the fetched digit is
// 1, "0" for every other value.
void ApplyBookingFlag(S35PRow& row) {
  row.Zeitbuchung_erlaubt.Assign(std::atoi(row.Zeitbuchung_erlaubt.c_str()) == 1 ? "1" : "0");
}

long FetchAndWrite(long (*fetch)(S35PRow&)) {
  g_row = S35PRow();
  long status = fetch(g_row);
  if (status == 0) {
    ApplyBookingFlag(g_row);
    Write_MGSST35P(g_row);
  }
  return status;
}

long OpenAll() { return SQLOpenS35P(); }
long FetchAndWriteAll() { return FetchAndWrite(SQLFetchS35P); }
void CloseAll() { SQLCloseS35P(); }

long OpenArea() { return SQLOpenS35P_Sel(g_control_area); }
long FetchAndWriteArea() { return FetchAndWrite(SQLFetchS35P_Sel); }
void CloseArea() { SQLCloseS35P_Sel(); }

}  // namespace

void Write_MGSST35P(const S35PRow& row) {
  FixedText<1000> line;
  line.Format("%-255s%-3s%-5s%-2s%-2s%-3s%-5s%-5s%-1sx", row.Terminalname.c_str(), row.Firma.c_str(),
              row.Berechtigungsklasse.c_str(), row.Leser.c_str(), row.WocheLeser.c_str(), row.Wochenplan.c_str(),
              row.Kontrollbereich.c_str(), row.Zeitzone.c_str(), row.Zeitbuchung_erlaubt.c_str());
  WriteRecordLine(line.view());
}

int Fill_MGSST35P() {
  static const CursorSteps kSteps{OpenAll, "Fehler in Fkt. SQLOpenS35P(). RC: %ld", FetchAndWriteAll,
                                  "Fehler in Fkt. SQLFetchS35P(). RC: %ld", CloseAll};
  return RunOneCursorJob(kFilling, kSteps);
}

int Fill_MGSST35P_Upd(const char* control_area) {
  FixedText<300> path = SelectivePath("mgsst35p_upd.imp");
  if (!OpenSelectiveFile(path.c_str(), FirstWrite.mgsst35p, kOpenFailed)) return kJobFileNotOpened;
  LogMessage("Importdatei: %s fuellen: Kontrollbereich: %s", path.c_str(), control_area);
  g_control_area = control_area;
  static const CursorSteps kSteps{OpenArea, "Fehler in Fkt. SQLOpenS35P_Sel(). RC: %ld", FetchAndWriteArea,
                                  "Fehler in Fkt. SQLFetchS35P_Sel(). RC: %ld", CloseArea};
  return RunSelectiveCursor(path.c_str(), kSteps);
}
