// The employee detail file (see mitarbeiterdetail.h).
//
// Record, 105 characters:
//   1-5 licence number, 6-10 client number, 11-23 badge number, 24-33 day
//   dd.mm.yyyy, 34-66 function text, 67-99 blanks, 100 recoded status,
//   101 function short text, 102-104 function code, 105 "x".
#include "export/master/mitarbeiterdetail.h"

#include <cstdlib>

#include "runctl/job_frame.h"
#include "runctl/run_state.h"

namespace {

MdtRow g_row;

long OpenDetailDays() { return SQLOpenMdt(); }

long FetchAndWriteDetailDay() {
  g_row = MdtRow();
  long status = SQLFetchMdt(g_row);
  if (status != 0) return status;
  g_row.licence.Assign(CurrentClient.licence.view());
  g_row.number.Assign(CurrentClient.number.view());
  g_row.status.Assign(RecodeMdtStatus(g_row.status.c_str()).view());
  Write_MDT(g_row);
  return status;
}

void CloseDetailDays() { SQLCloseMdt(); }

bool DetailDaysOfClient() {
  static const CursorSteps kSteps{OpenDetailDays, "Fehler in Fkt. SQLOpenMdt(). RC: %ld", FetchAndWriteDetailDay,
                                  "Fehler in Fkt. SQLFetchMdt(). RC: %ld", CloseDetailDays};
  return RunClientCursor(kSteps);
}

}  // namespace

FixedText<2> RecodeMdtStatus(const char* status) {
  switch (std::strtol(status, nullptr, 10)) {
    case 2: case 5: return FixedText<2>("2");
    case 3: case 7: case 9: case 10: return FixedText<2>("3");
    default: return FixedText<2>("0");
  }
}

void Write_MDT(const MdtRow& row) {
  FixedText<200> line;
  line.Format("%-5s%-5s%-13s%-10s%-33s%-33s%-1s%-1s%-3sx", row.licence.c_str(), row.number.c_str(),
              row.badge.c_str(), row.day.c_str(), row.function_text.c_str(), row.blank.c_str(),
              row.status.c_str(), row.function_short.c_str(), row.function_code.c_str());
  WriteRecordLine(line.view());
}

int Fill_MDT() {
  static const PerClientJob kJob{kOpenFailed, kFilling, nullptr, kMdtClientLine, DetailDaysOfClient};
  return RunPerClientJob(kJob);
}
