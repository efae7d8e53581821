// The badge permission-class file: one record per badge and permission
// class valid today. The full export (type code BKL) writes every badge; the
// selective writer writes one badge's classes and collects them in
// AswBklList for the selective export.
#ifndef SSTRXK_EXPORT_TERMINAL_ASWBKL_H_
#define SSTRXK_EXPORT_TERMINAL_ASWBKL_H_

#include "export/sql/aswbkl_sql.h"

// Result of the selective writer when the class list could not grow.
inline constexpr int kJobNoMemory = 3;

// The job for type code BKL, writing OutputPath: 0 done, 1 file not
// opened, 2 database error.
int Fill_AswBkl();

// Adds the classes of `badge` to OutputPath + "//aswbkl_upd.imp" (replaced
// by the first call of a selective export, appended to afterwards) and puts
// them, in file order, into AswBklList (emptied first). 0 done, 1 file not
// opened, 2 database error, 3 no memory for the list (the list is then
// empty). On 0 and 2 the list holds the rows written.
int Fill_AswBklUpd(const char* badge);

// Writes one record (66 characters, "x", CR LF) to OutputFile.
void Write_AswBkl(const AswBklRow& row);

#endif  // SSTRXK_EXPORT_TERMINAL_ASWBKL_H_
