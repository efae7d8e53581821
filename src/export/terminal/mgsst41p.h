// The weekly plan file MGSST41P: the weekly time plans of the terminals for
// the coming seven days, one record per interval. The full export (type
// code 41P) and the selective writer for one control area share one cursor
// loop and one record writer.
#ifndef SSTRXK_EXPORT_TERMINAL_MGSST41P_H_
#define SSTRXK_EXPORT_TERMINAL_MGSST41P_H_

#include "export/sql/s41p_sql.h"

// The job for type code 41P, writing OutputPath: 0 done, 1 file not
// opened, 2 database error.
int Fill_MGSST41P();

// Adds the records of control area `control_area` to OutputPath +
// "//mgsst41p_upd.imp" (replaced by the first call of a selective export,
// appended to afterwards): 0 done, 1 file not opened, 2 database error.
int Fill_MGSST41P_Upd(const char* control_area);

// Writes one record (277 characters, "x", CR LF) to OutputFile.
void Write_MGSST41P(const S41PRow& row);

#endif  // SSTRXK_EXPORT_TERMINAL_MGSST41P_H_
