// The frame every full export job shares: replace the interface file at
// OutputPath, read rows, write one fixed-width record per row, log progress
// and outcome, return 0 (done), 1 (file not opened) or 2 (database error).
#ifndef SSTRXK_RUNCTL_JOB_FRAME_H_
#define SSTRXK_RUNCTL_JOB_FRAME_H_

#include <string_view>

// Job results.
inline constexpr int kJobDone = 0;
inline constexpr int kJobFileNotOpened = 1;
inline constexpr int kJobDatabaseError = 2;

// The open-failure messages; one job ends its message with a full stop.
inline constexpr char kOpenFailed[] = "Oeffnen der Datei %s fehlgeschlagen";
inline constexpr char kOpenFailedStop[] = "Oeffnen der Datei %s fehlgeschlagen.";
// The progress messages; some jobs write no blank before the colon.
inline constexpr char kFilling[] = "Importdatei : %s fuellen...";
inline constexpr char kFillingNoBlank[] = "Importdatei: %s fuellen...";

// Deletes the file at OutputPath and creates it anew as OutputFile. On
// failure logs `open_failed` with the path and returns false.
bool OpenOutputFile(const char* open_failed = kOpenFailed);

// Opens a selective update file `path`: replaced while `first_write` is set
// (which is then cleared), appended to afterwards. On failure logs
// `open_failed` with the path, leaves the flag and returns false.
bool OpenSelectiveFile(const char* path, bool& first_write, const char* open_failed);

// Closes OutputFile when it is open.
void CloseOutputFile();

// Writes one interface-file line: the record text, then CR LF.
void WriteRecordLine(std::string_view record);

// Logs "Import %s fehlgeschlagen." or "Import %s fertig." with `path` and
// returns the job result that goes with it.
int FinishImport(bool failed, const char* path);

// The steps of one cursor of a job.
struct CursorSteps {
  long (*open)();             // opens the cursor; the OPEN's status
  const char* open_message;   // "Fehler in Fkt. SQLOpen...(). RC: %ld"
  long (*fetch_and_write)();  // clears the row, fetches; on 0 writes the record
  const char* fetch_message;  // "Fehler in Fkt. SQLFetch...(). RC: %ld"; nullptr when
                              // fetch_and_write logs its failures itself
  void (*close)();            // closes the cursor
};

// The one-cursor frame: file replaced, `filling_message` logged, cursor
// opened (on failure the file is closed empty and 2 returned at once), rows
// written until 1403 or an error, cursor and file closed, final message.
int RunOneCursorJob(const char* filling_message, const CursorSteps& steps);

// The "Schema:%s Lizenz:%s Mandant:%s" line logged for every client.
inline constexpr char kClientLine[] = "Schema:%s Lizenz:%s Mandant:%s";

// A job that runs once per client.
struct PerClientJob {
  const char* open_failed;      // kOpenFailed or kOpenFailedStop
  const char* filling_message;  // kFilling or kFillingNoBlank
  void (*before_clients)();     // after the progress message; may be nullptr
  const char* client_line;      // kClientLine, or a job's own wording
  bool (*client_step)();        // the work for CurrentClient; false marks the job failed
};

// The per-client frame: file replaced, progress logged, client cursor
// opened (on failure: logged, file closed, 2 at once); for each client the
// session schema and CurrentSchema switched, the client line logged and the
// step run, until the clients end or the job is marked failed; client cursor
// and file closed; final message; result.
int RunPerClientJob(const PerClientJob& job);

// The usual per-client step over one cursor: open (a failure is logged and
// marks the job failed), rows until 1403 or an error, close. False when the
// job is marked failed.
bool RunClientCursor(const CursorSteps& steps);

#endif  // SSTRXK_RUNCTL_JOB_FRAME_H_
