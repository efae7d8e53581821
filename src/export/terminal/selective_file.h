// What the selective writers of the plan and class files share: the name of
// their update file in the directory OutputPath, and the cursor part of a
// writer whose update file is already open.
#ifndef SSTRXK_EXPORT_TERMINAL_SELECTIVE_FILE_H_
#define SSTRXK_EXPORT_TERMINAL_SELECTIVE_FILE_H_

#include "base/fixed_text.h"
#include "runctl/job_frame.h"

// OutputPath, "//" and `name` ("mgsst20p_upd.imp", ...). OutputPath holds
// at most 199 characters, so the name always fits.
FixedText<300> SelectivePath(const char* name);

// With the update file `path` open as OutputFile: opens the cursor (on
// failure: logged, file closed, 2 at once without a final message), writes
// rows until 1403 or an error (logged), closes cursor and file and logs the
// final message with `path`. Returns 0 or 2.
int RunSelectiveCursor(const char* path, const CursorSteps& steps);

#endif  // SSTRXK_EXPORT_TERMINAL_SELECTIVE_FILE_H_
