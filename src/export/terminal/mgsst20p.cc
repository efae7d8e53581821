// The time-zone plan file MGSST20P (see mgsst20p.h).
//
// Record, 272 characters:
//   1-255 terminal, 256-257 reader, 258 weekday number, 259-263 time zone,
//   264-267 interval start HHMM, 268-271 interval end HHMM, 272 "x".
//
// The walk nests three cursors: for each terminal/reader/weekday of the
// outer cursor, the time zones of the day-plan cursor, and for each zone
// the intervals of the time cursor. The day-plan cursor is run one pass
// beyond its last zone, with an empty zone: that pass writes the one blank
// record of a terminal/reader/weekday whose day-plan cursor delivered no
// zone at all (the time cursor was never fetched for it).
#include "export/terminal/mgsst20p.h"

#include "db/sql_backend.h"
#include "export/terminal/selective_file.h"
#include "runctl/job_frame.h"
#include "runctl/run_log.h"
#include "runctl/run_state.h"

namespace {

S20PRow g_row;

// The outer cursor of one entry point.
struct OuterCursor {
  long (*fetch)(S20PRow&);
  long (*close)();
  const char* fetch_message;
};

// Writes the records of the row's time zones; false when a cursor failed
// (logged).
bool WalkTimeZones(S20PRow& row) {
  bool interval_seen = false;
  long status = SQLOpenS20PTagesPlan(row);
  if (status != sql::kOk) {
    LogMessage("Fehler in Fkt. SQLOpenS20PTagesPlan(). RC: %ld", status);
    return false;
  }
  bool failed = false;
  for (;;) {
    status = SQLFetchS20PTagesPlan(row);
    if (status != sql::kOk && status != sql::kNoData) {
      LogMessage("Fehler in Fkt. SQLFetchS20PTagesPlan(). RC: %ld", status);
      failed = true;
      break;
    }
    // On 1403 the zone is empty and the pass goes on: see the file comment.
    status = SQLOpenS20PUhrZeit(row);
    if (status != sql::kOk) {
      LogMessage("Fehler in Fkt. SQLOpenS20PUhrZeit(). RC: %ld", status);
      failed = true;
      break;
    }
    for (;;) {
      status = SQLFetchS20PUhrZeit(row);
      if (status != sql::kOk && status != sql::kNoData) {
        LogMessage("Fehler in Fkt. SQLFetchS20PUhrZeit(). RC: %ld", status);
        failed = true;
        break;
      }
      bool blank_record = row.Offen_Von.empty() && row.Zeitzone.empty() && !interval_seen;
      if (!row.Offen_Von.empty() || blank_record) Write_MGSST20P(row);
      interval_seen = true;
      if (status == sql::kNoData) break;
    }
    SQLCloseS20PUhrZeit();
    if (failed) break;
    if (row.Offen_Von.empty() && row.Zeitzone.empty()) break;  // day plan exhausted
  }
  SQLCloseS20PTagesPlan();
  return !failed;
}

// The walk after the outer cursor was opened: rows until 1403 or a
// failure, then the outer cursor and the file closed and the final message.
int Walk(const OuterCursor& outer, const char* path) {
  bool failed = false;
  for (;;) {
    g_row = S20PRow();
    long status = outer.fetch(g_row);
    if (status == sql::kNoData) break;
    if (status != sql::kOk) {
      LogMessage(outer.fetch_message, status);
      failed = true;
      break;
    }
    if (!WalkTimeZones(g_row)) {
      failed = true;
      break;
    }
  }
  outer.close();
  CloseOutputFile();
  return FinishImport(failed, path);
}

}  // namespace

void Write_MGSST20P(const S20PRow& row) {
  FixedText<1000> line;
  line.Format("%-255s%-2s%-1s%-5s%-4s%-4sx", row.Terminal.c_str(), row.Leser.c_str(), row.TagNr.c_str(),
              row.Zeitzone.c_str(), row.Offen_Von.c_str(), row.Offen_Bis.c_str());
  WriteRecordLine(line.view());
}

int Fill_MGSST20P() {
  if (!OpenOutputFile(kOpenFailed)) return kJobFileNotOpened;
  LogMessage(kFillingNoBlank, OutputPath.c_str());
  long status = SQLOpenS20P();
  if (status != sql::kOk) {
    LogMessage("Fehler in Fkt. SQLOpenS20P(). RC: %ld", status);
    CloseOutputFile();
    return kJobDatabaseError;
  }
  static const OuterCursor kOuter{SQLFetchS20P, SQLCloseS20P, "Fehler in Fkt. SQLFetchS20P(). RC: %ld"};
  return Walk(kOuter, OutputPath.c_str());
}

int Fill_MGSST20P_Upd(const char* control_area) {
  FixedText<300> path = SelectivePath("mgsst20p_upd.imp");
  if (!OpenSelectiveFile(path.c_str(), FirstWrite.mgsst20p, kOpenFailedStop)) return kJobFileNotOpened;
  if (DebugFlag == 1) {
    LogMessage("Importdatei: %s fuellen: Kontrollbereich: %s", path.c_str(), control_area);
  }
  long status = SQLOpenS20P_Sel(control_area);
  if (status != sql::kOk) {
    LogMessage("Fehler in Fkt. SQLOpenS20P_Sel(). RC: %ld", status);
    CloseOutputFile();
    return kJobDatabaseError;
  }
  static const OuterCursor kOuter{SQLFetchS20P_Sel, SQLCloseS20P_Sel,
                                  "Fehler in Fkt. SQLFetchS20P_Sel(). RC: %ld"};
  return Walk(kOuter, path.c_str());
}
