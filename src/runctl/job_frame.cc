// The export job frame (see job_frame.h). Interface files are written in
// binary mode with explicit CR LF line ends, so every platform writes the
// bytes the product's Windows hosts write.
#include "runctl/job_frame.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "db/client_cursor.h"
#include "db/sql_hlp.h"
#include "db/sql_runtime.h"
#include "runctl/run_log.h"
#include "runctl/run_state.h"

namespace {

// Deletes the file at `path` (a missing one is no error). A directory of
// that name is left alone: the open that follows then fails and says so.
void RemoveFile(const char* path) {
  std::error_code ec;
  std::filesystem::path p(path);
  if (!std::filesystem::is_directory(p, ec)) std::filesystem::remove(p, ec);
}

}  // namespace

bool OpenOutputFile(const char* open_failed) {
  RemoveFile(OutputPath.c_str());
  OutputFile = std::fopen(OutputPath.c_str(), "wb");
  if (OutputFile == nullptr) {
    LogMessage(open_failed, OutputPath.c_str());
    return false;
  }
  return true;
}

bool OpenSelectiveFile(const char* path, bool& first_write, const char* open_failed) {
  if (first_write) RemoveFile(path);
  OutputFile = std::fopen(path, first_write ? "wb" : "ab");
  if (OutputFile == nullptr) {
    LogMessage(open_failed, path);
    return false;
  }
  first_write = false;
  return true;
}

void CloseOutputFile() {
  if (OutputFile != nullptr) std::fclose(OutputFile);
  OutputFile = nullptr;
}

void WriteRecordLine(std::string_view record) {
  if (OutputFile == nullptr) return;
  std::fwrite(record.data(), 1, record.size(), OutputFile);
  std::fwrite("\r\n", 1, 2, OutputFile);
}

int FinishImport(bool failed, const char* path) {
  if (failed) {
    LogMessage("Import %s fehlgeschlagen.", path);
    return kJobDatabaseError;
  }
  LogMessage("Import %s fertig.", path);
  return kJobDone;
}

namespace {

// Fetches and writes rows until 1403 (true) or an error (logged, false).
bool FetchAll(const CursorSteps& steps) {
  for (;;) {
    long status = steps.fetch_and_write();
    if (status == sql::kNoData) return true;
    if (status != sql::kOk) {
      if (steps.fetch_message != nullptr) LogMessage(steps.fetch_message, status);
      return false;
    }
  }
}

}  // namespace

int RunOneCursorJob(const char* filling_message, const CursorSteps& steps) {
  if (!OpenOutputFile()) return kJobFileNotOpened;
  LogMessage(filling_message, OutputPath.c_str());
  long status = steps.open();
  if (status != sql::kOk) {
    LogMessage(steps.open_message, status);
    CloseOutputFile();
    return kJobDatabaseError;
  }
  bool failed = !FetchAll(steps);
  steps.close();
  CloseOutputFile();
  return FinishImport(failed, OutputPath.c_str());
}

bool RunClientCursor(const CursorSteps& steps) {
  long status = steps.open();
  if (status != sql::kOk) {
    LogMessage(steps.open_message, status);
    return false;
  }
  bool ok = FetchAll(steps);
  steps.close();
  return ok;
}

int RunPerClientJob(const PerClientJob& job) {
  if (!OpenOutputFile(job.open_failed)) return kJobFileNotOpened;
  LogMessage(job.filling_message, OutputPath.c_str());
  if (job.before_clients != nullptr) job.before_clients();
  long status = SQLOpenVls112Mnd();
  if (status != sql::kOk) {
    LogMessage("Fehler in Fkt. SQLOpenVls112Mnd(). RC: %ld", status);
    CloseOutputFile();
    return kJobDatabaseError;
  }
  bool failed = false;
  for (;;) {
    CurrentClient = ClientRow();
    status = SQLFetchVls112Mnd(CurrentClient);
    if (status == sql::kNoData) break;
    if (status != sql::kOk) {
      LogMessage("Fehler in Fkt. SQLFetchVls112Mnd(). RC: %ld", status);
      failed = true;
      break;
    }
    dbSetSchema(CurrentClient.schema.c_str());  // queries name the schema themselves
    CurrentSchema.Assign(CurrentClient.schema.view());
    LogMessage(job.client_line, CurrentSchema.c_str(), CurrentClient.licence.c_str(),
               CurrentClient.number.c_str());
    if (!job.client_step()) {
      failed = true;
      break;
    }
  }
  SQLCloseVls112Mnd();
  CloseOutputFile();
  return FinishImport(failed, OutputPath.c_str());
}
