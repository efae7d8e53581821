// The permission file MGSST35P: one record per terminal, permission class,
// reader, control area, time zone and booking flag. The full export (type
// code 35P) and the selective writer for one control area share one cursor
// loop and one record writer.
#ifndef SSTRXK_EXPORT_TERMINAL_MGSST35P_H_
#define SSTRXK_EXPORT_TERMINAL_MGSST35P_H_

#include "export/sql/s35p_sql.h"

// The job for type code 35P, writing OutputPath: 0 done, 1 file not
// opened, 2 database error.
int Fill_MGSST35P();

// Adds the records of control area `control_area` to OutputPath +
// "//mgsst35p_upd.imp" (replaced by the first call of a selective export,
// appended to afterwards): 0 done, 1 file not opened, 2 database error.
int Fill_MGSST35P_Upd(const char* control_area);

// Writes one record (281 characters, "x", CR LF) to OutputFile.
void Write_MGSST35P(const S35PRow& row);

#endif  // SSTRXK_EXPORT_TERMINAL_MGSST35P_H_
