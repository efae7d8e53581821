// The selective export by download key (see selektiv.h).
//
// The queue is read completely, and its cursor closed, before the first
// row is exported. Per queue row: the client's schema is looked up and made
// current, the badge's master record and classes are written, and for each
// class every control area it reaches gets its 20P, 35P and 41P records.
// The first failure ends the export; a client that is not found ends it
// without failure.
#include "export/terminal/selektiv.h"

#include <new>

#include "db/sql_backend.h"
#include "db/sql_hlp.h"
#include "export/master/idstamm.h"
#include "export/terminal/aswbkl.h"
#include "export/terminal/mgsst20p.h"
#include "export/terminal/mgsst35p.h"
#include "export/terminal/mgsst41p.h"
#include "runctl/job_frame.h"
#include "runctl/run_log.h"
#include "runctl/run_state.h"

namespace {

// The outcome of one export so far.
struct Outcome {
  bool failed = false;
  int writer_result = 0;  // result of the writer that failed; 0 for other failures

  void Fail() { failed = true; }
  void WriterFailed(const char* message, int result) {
    LogMessage(message, static_cast<long>(result));
    failed = true;
    writer_result = result;
  }
};

void ReleaseClassList() { std::vector<AswBklRow>().swap(AswBklList); }

// The three plan writers for one control area, stopping at the first that
// fails. False when one failed.
bool WritePlans(const char* control_area, Outcome& outcome) {
  int result = Fill_MGSST20P_Upd(control_area);
  if (result != kJobDone) {
    outcome.WriterFailed("Fehler in Fill_MGSST20P_Upd(). RC: %ld", result);
    return false;
  }
  result = Fill_MGSST35P_Upd(control_area);
  if (result != kJobDone) {
    outcome.WriterFailed("Fehler in Fill_MGSST35P_Upd(). RC: %ld", result);
    return false;
  }
  result = Fill_MGSST41P_Upd(control_area);
  if (result != kJobDone) {
    outcome.WriterFailed("Fehler in Fill_MGSST41P_Upd(). RC: %ld", result);
    return false;
  }
  return true;
}

// The plans of every control area that permission class `klasse` reaches.
void WriteControlAreas(const char* klasse, Outcome& outcome) {
  long status = SQLOpenZKOzurBKL(klasse);
  if (status != sql::kOk) {
    LogMessage("Fehler in SQLOpenZKOzurBKL(). RC: %ld", status);
    outcome.Fail();
    return;
  }
  for (;;) {
    FixedText<6> control_area;
    status = SQLFetchZKOzurBKL(control_area);
    if (status == sql::kNoData) break;
    if (status != sql::kOk) {
      LogMessage("Fehler in SQLFetchZKOzurBKL(). RC: %ld", status);
      outcome.Fail();
      break;
    }
    if (control_area.empty()) continue;  // a rule without control area
    if (!WritePlans(control_area.c_str(), outcome)) break;
  }
  SQLCloseZKOzurBKL();
}

// Exports one queue row. False when the export ends here: a failure, or a
// client that is not found.
bool ExportQueueRow(const AswDnlRow& entry, Outcome& outcome) {
  FixedText<21> schema;
  long status = SQLGetSchema(entry.DnlMnd.c_str(), entry.DnlLiz.c_str(), schema);
  if (status != sql::kOk) {
    if (status != sql::kNoData) {
      LogMessage("Fehler bei der Funktion SQLGetSchema(). RC: %ld", status);
      outcome.Fail();
    }
    return false;
  }
  dbSetSchema(schema.c_str());  // its failure shows in the writers' statements
  CurrentSchema = schema;
  CurrentClient.number = entry.DnlMnd;

  if (!entry.DnlAsw.empty()) {
    int result = Fill_IDSTAMM_Upd(entry.DnlAsw.c_str());
    if (result != kJobDone) {
      outcome.WriterFailed("Fehler in Fill_IDSTAMM_Upd(). RC: %ld", result);
    } else {
      result = Fill_AswBklUpd(entry.DnlAsw.c_str());
      if (result != kJobDone) outcome.WriterFailed("Fehler in Fill_AswBkl_Upd(). RC: %ld", result);
    }
  }
  // The writers below do not touch the list; walk it by index all the same.
  for (std::size_t i = 0; !outcome.failed && i < AswBklList.size(); ++i) {
    FixedText<6> klasse = AswBklList[i].BKLBKL;
    WriteControlAreas(klasse.c_str(), outcome);
  }
  ReleaseClassList();
  return !outcome.failed;
}

}  // namespace

int Fill_SelAswDnl(const char* key, std::vector<AswDnlRow>& SelAswDnlList, bool& failed) {
  long status = SQLOpenVlsAswDnl(key);
  if (status != sql::kOk) {
    LogMessage("Fehler in Fkt. SQLOpenVlsAswDnl(). RC: %ld", status);
    return kJobDatabaseError;
  }
  for (;;) {
    // The list grows by one entry before each fetch; the entry is taken
    // back when the fetch delivers no row.
    try {
      SelAswDnlList.emplace_back();
    } catch (const std::bad_alloc&) {
      std::vector<AswDnlRow>().swap(SelAswDnlList);
      LogMessage("Fehler Speicherallokierung in Fill_SelAswDnl()!");
      SQLCloseVlsAswDnl();
      return kJobNoMemory;
    }
    status = SQLFetchVlsAswDnl(SelAswDnlList.back());
    if (status != sql::kOk) {
      SelAswDnlList.pop_back();
      if (status != sql::kNoData) {
        LogMessage("Fehler in Fkt. SQLFetchVlsAswDnl(). RC: %ld", status);
        failed = true;
      }
      break;
    }
  }
  SQLCloseVlsAswDnl();
  return kJobDone;
}

int Fill_Selektiv(const char* key) {
  // Each attempt replaces the update files it writes: a repeated attempt
  // must not add its records to those of a failed one.
  FirstWrite = FirstWriteFlags();
  std::vector<AswDnlRow> queue;
  bool queue_failed = false;
  int result = Fill_SelAswDnl(key, queue, queue_failed);
  if (result != kJobDone) return result;

  Outcome outcome;
  outcome.failed = queue_failed;
  for (std::size_t i = 0; !outcome.failed && i < queue.size(); ++i) {
    if (!ExportQueueRow(queue[i], outcome)) break;
  }
  ReleaseClassList();
  std::vector<AswDnlRow>().swap(queue);

  if (outcome.failed) {
    LogMessage("Selektiver Import fehlgeschlagen.");
    return outcome.writer_result != kJobDone ? outcome.writer_result : kJobDatabaseError;
  }
  LogMessage("Selektiver Import fertig.");
  return kJobDone;
}
