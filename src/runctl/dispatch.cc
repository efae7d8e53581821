// The file types of the program and their jobs. A code listed without a job
// is a file type not built yet: it is matched first, so it never falls
// through to the selective export, and then ends like an invalid type.
#include "runctl/dispatch.h"

#include <cstring>

#include "export/master/mndstamm.h"

namespace {

constexpr JobEntry kJobs[] = {
    {"20P", nullptr},        // time-zone plan file MGSST20P
    {"35P", nullptr},        // permission file MGSST35P
    {"41P", nullptr},        // weekly plan file MGSST41P
    {"MND", Fill_MNDSTAMM},  // client master file MNDSTAMM
    {"IDN", nullptr},        // badge master file IDStamm
    {"SLD", nullptr},        // balance file SALDO
    {"KST", nullptr},        // cost-centre file Kostenst
    {"BKL", nullptr},        // badge permission classes
    {"FTG", nullptr},        // holidays
    {"MST", nullptr},        // employee status
    {"MDT", nullptr},        // employee detail
    {"FCD", nullptr},        // function codes
};

constexpr std::size_t kDownloadKeyLength = 14;

}  // namespace

const DispatchTable& ProductionDispatch() {
  static const DispatchTable table{kJobs, nullptr};
  return table;
}

bool Dispatch(const char* type_code, const DispatchTable& table, ExportJob& job, SelectiveJob& selective) {
  job = nullptr;
  selective = nullptr;
  for (const JobEntry& entry : table.jobs) {
    if (std::strncmp(type_code, entry.code, 3) == 0) {
      job = entry.job;
      return job != nullptr;
    }
  }
  if (std::strlen(type_code) == kDownloadKeyLength) {
    selective = table.selective;
    return selective != nullptr;
  }
  return false;
}
