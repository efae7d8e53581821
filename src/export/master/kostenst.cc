// The cost-centre file Kostenst (see kostenst.h).
//
// Record, 135 characters:
//   1-30 cost-centre number, 31-35 client number, 36-40 licence number (the
//   client number comes first here, unlike MND and FCD), 41-47 KstApz as
//   signed decimal or blanks, 48-54 blanks, 55-84 cost-centre text, 85-134
//   KstErf, 135 "x".
#include "export/master/kostenst.h"

#include <cstring>

#include "db/sql_backend.h"
#include "runctl/job_frame.h"
#include "runctl/run_state.h"

namespace {

KstRow g_row;

long OpenCostCentres() { return SQL_Open_Kst(); }

long FetchAndWriteCostCentre() {
  g_row = KstRow();
  long status = SQL_Fetch_Kst(g_row);
  if (status != sql::kOk) return status;
  g_row.client.Assign(CurrentClient.number.view());
  g_row.licence.Assign(CurrentClient.licence.view());
  Write_KST(g_row);
  return status;
}

void CloseCostCentres() { SQL_Close_Kst(); }

bool CostCentresOfClient() {
  static const CursorSteps kSteps{OpenCostCentres, "Fehler in Fkt. SQL_Open_Kst(). RC: %ld",
                                  FetchAndWriteCostCentre, "Fehler in Fkt. SQL_Fetch_Kst(). RC: %ld",
                                  CloseCostCentres};
  return RunClientCursor(kSteps);
}

}  // namespace

void RightTrim(char* text) {
  std::size_t n = std::strlen(text);
  while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\t')) --n;
  text[n] = '\0';
}

void Write_KST(const KstRow& row) {
  FixedText<1000> line;
  line.Format("%-30s%-5s%-5s%-7s%-7s%-30s%-50sx", row.number.c_str(), row.client.c_str(), row.licence.c_str(),
              row.apz.c_str(), row.empty.c_str(), row.text.c_str(), row.erf.c_str());
  WriteRecordLine(line.view());
}

int Fill_KST() {
  static const PerClientJob kJob{kOpenFailed, kFilling, nullptr, kClientLine, CostCentresOfClient};
  return RunPerClientJob(kJob);
}
