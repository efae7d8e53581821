// The client master file MNDSTAMM (see mndstamm.h).
//
// Record, 130 characters:
//   1-5 licence number, 6-10 client number, 11-60 name, 61-65 status,
//   66-79 change time yyyymmddhhmmss, 80-129 changed by, 130 "x".
#include "export/master/mndstamm.h"

#include "runctl/job_frame.h"

namespace {

MndRow g_row;

long OpenClients() { return SQLOpen112Mnd(); }

long FetchAndWriteClient() {
  g_row = MndRow();
  long status = SQLFetch112Mnd(g_row);
  if (status == 0) Write_MNDSTAMM(g_row);
  return status;
}

void CloseClients() { SQLClose112Mnd(); }

}  // namespace

void Write_MNDSTAMM(const MndRow& row) {
  FixedText<1000> line;
  line.Format("%-5s%-5s%-50s%-5s%-14s%-50sx", row.licence.c_str(), row.number.c_str(),
              row.name.c_str(), row.status.c_str(), row.changed.c_str(), row.changed_by.c_str());
  WriteRecordLine(line.view());
}

int Fill_MNDSTAMM() {
  static const CursorSteps kSteps{OpenClients, "Fehler in Fkt. SQLOpen112Mnd(). RC: %ld", FetchAndWriteClient,
                                  "Fehler in Fkt. SQLFetch112Mnd(). RC: %ld", CloseClients};
  return RunOneCursorJob(kFilling, kSteps);
}
