// The time-zone plan file MGSST20P: for every terminal, reader and weekday
// of the coming seven days, the time zones of that reader on that weekday
// with their opening intervals. The full export (type code 20P) and the
// selective writer for one control area share one nested cursor walk.
#ifndef SSTRXK_EXPORT_TERMINAL_MGSST20P_H_
#define SSTRXK_EXPORT_TERMINAL_MGSST20P_H_

#include "export/sql/s20p_sql.h"

// The job for type code 20P, writing OutputPath: 0 done, 1 file not
// opened, 2 database error.
int Fill_MGSST20P();

// Adds the records of control area `control_area` to OutputPath +
// "//mgsst20p_upd.imp" (replaced by the first call of a selective export,
// appended to afterwards): 0 done, 1 file not opened, 2 database error.
int Fill_MGSST20P_Upd(const char* control_area);

// Writes one record (271 characters, "x", CR LF) to OutputFile.
void Write_MGSST20P(const S20PRow& row);

#endif  // SSTRXK_EXPORT_TERMINAL_MGSST20P_H_
