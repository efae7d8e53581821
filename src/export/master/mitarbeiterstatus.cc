// The employee status file (see mitarbeiterstatus.h).
//
// Record, 210 characters:
//   1-5 licence number, 6-10 client number, 11-23 badge number (or client
//   number "_" person number), 24 recoded status, 25-47 period
//   DD.MM.YYYY - DD.MM.YYYY, 48-80 function text, 81-113 status description
//   (blanks), 114 function short text, 115-164 cost centre, 165-172 start
//   date yyyymmdd, 173-202 department, 203-206 time HH24MI, 207-209 function
//   code, 210 "x".
#include "export/master/mitarbeiterstatus.h"

#include <cstdlib>

#include "runctl/job_frame.h"
#include "runctl/run_state.h"

namespace {

MstRow g_row;

long OpenStatusEntries() { return SQLOpenMst(CurrentClient.number.c_str()); }

long FetchAndWriteStatusEntry() {
  g_row = MstRow();
  long status = SQLFetchMst(g_row);
  if (status != 0) return status;
  g_row.licence.Assign(CurrentClient.licence.view());
  g_row.number.Assign(CurrentClient.number.view());
  g_row.status.Assign(RecodeMstStatus(g_row.status.c_str()).view());
  Write_MST(g_row);
  return status;
}

void CloseStatusEntries() { SQLCloseMst(); }

bool StatusEntriesOfClient() {
  static const CursorSteps kSteps{OpenStatusEntries, "Fehler in Fkt. SQLOpenMst(). RC: %ld",
                                  FetchAndWriteStatusEntry, "Fehler in Fkt. SQLFetchMst(). RC: %ld",
                                  CloseStatusEntries};
  return RunClientCursor(kSteps);
}

}  // namespace

FixedText<2> RecodeMstStatus(const char* status) {
  switch (std::strtol(status, nullptr, 10)) {
    case 8: case 11: case 12: return FixedText<2>("4");
    case 9: case 14: case 15: return FixedText<2>("7");
    case 10: return FixedText<2>("3");
    case 13: return FixedText<2>("6");
    default: return FixedText<2>(status);
  }
}

void Write_MST(const MstRow& row) {
  FixedText<220> line;
  line.Format("%-5s%-5s%-13s%-1s%-23s%-33s%-33s%-1s%-50s%-8s%-30s%-4s%-3sx", row.licence.c_str(),
              row.number.c_str(), row.badge.c_str(), row.status.c_str(), row.period.c_str(),
              row.function_text.c_str(), row.description.c_str(), row.function_short.c_str(),
              row.cost_centre.c_str(), row.start.c_str(), row.department.c_str(), row.time.c_str(),
              row.function_code.c_str());
  WriteRecordLine(line.view());
}

int Fill_MST() {
  static const PerClientJob kJob{kOpenFailedStop, kFilling, nullptr, kClientLine, StatusEntriesOfClient};
  return RunPerClientJob(kJob);
}
