// The file types of the program and their jobs. A code listed without a job
// is a file type not built yet: it is matched first, so it never falls
// through to the selective export, and then ends like an invalid type.
#include "runctl/dispatch.h"

#include <cstring>

#include "export/balance/saldo.h"
#include "export/master/feiertage.h"
#include "export/master/funktionscodes.h"
#include "export/master/idstamm.h"
#include "export/master/kostenst.h"
#include "export/master/mitarbeiterdetail.h"
#include "export/master/mitarbeiterstatus.h"
#include "export/master/mndstamm.h"
#include "export/terminal/aswbkl.h"
#include "export/terminal/mgsst20p.h"
#include "export/terminal/mgsst35p.h"
#include "export/terminal/mgsst41p.h"
#include "export/terminal/selektiv.h"

namespace {

constexpr JobEntry kJobs[] = {
    {"20P", Fill_MGSST20P},  // time-zone plan file MGSST20P
    {"35P", Fill_MGSST35P},  // permission file MGSST35P
    {"41P", Fill_MGSST41P},  // weekly plan file MGSST41P
    {"MND", Fill_MNDSTAMM},  // client master file MNDSTAMM
    {"IDN", Fill_IDSTAMM},   // badge master file IDStamm
    {"SLD", Fill_SALDO},     // balance file SALDO
    {"KST", Fill_KST},       // cost-centre file Kostenst
    {"BKL", Fill_AswBkl},    // badge permission classes
    {"FTG", Fill_FTG},       // holidays
    {"MST", Fill_MST},       // employee status
    {"MDT", Fill_MDT},       // employee detail
    {"FCD", Fill_FCD},       // function codes
};

constexpr std::size_t kDownloadKeyLength = 14;

}  // namespace

const DispatchTable& ProductionDispatch() {
  static const DispatchTable table{kJobs, Fill_Selektiv};
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
