// The function-code file Funktionscodes (see funktionscodes.h).
//
// Record, 76 characters:
//   1-5 licence number, 6-10 client number, 11-13 function-code number,
//   14-15 FcdKrt, 16-65 function-code text, 66-70 FcdTyp, 71-75 FcdFcd, or
//   "-9" and three blanks when it is empty or NULL, 76 "x".
#include "export/master/funktionscodes.h"

#include "db/sql_backend.h"
#include "runctl/job_frame.h"
#include "runctl/run_state.h"

namespace {

// The terminal code of a function code that has none.
constexpr char kNoTerminalCode[] = "-9";

FcdRow g_row;

long OpenFunctionCodes() { return SQLOpenFcd(); }

long FetchAndWriteFunctionCode() {
  g_row = FcdRow();
  long status = SQLFetchFcd(g_row);
  if (status != sql::kOk) return status;
  g_row.client.Assign(CurrentClient.number.view());
  g_row.licence.Assign(CurrentClient.licence.view());
  if (g_row.fcd.empty()) g_row.fcd.Assign(kNoTerminalCode);
  Write_FCD(g_row);
  return status;
}

void CloseFunctionCodes() { SQLCloseFcd(); }

bool FunctionCodesOfClient() {
  static const CursorSteps kSteps{OpenFunctionCodes, "Fehler in Fkt. SQLOpenFcd(). RC: %ld", FetchAndWriteFunctionCode,
                                  "Fehler in Fkt. SQLFetchFcd(). RC: %ld", CloseFunctionCodes};
  return RunClientCursor(kSteps);
}

}  // namespace

void Write_FCD(const FcdRow& row) {
  FixedText<1000> line;
  line.Format("%-5s%-5s%-3s%-2s%-50s%-5s%-5sx", row.licence.c_str(), row.client.c_str(), row.number.c_str(),
              row.krt.c_str(), row.text.c_str(), row.typ.c_str(), row.fcd.c_str());
  WriteRecordLine(line.view());
}

int Fill_FCD() {
  static const PerClientJob kJob{kOpenFailed, kFilling, nullptr, kClientLine, FunctionCodesOfClient};
  return RunPerClientJob(kJob);
}
