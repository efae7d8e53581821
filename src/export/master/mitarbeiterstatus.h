// The employee status file: for every client, its status entries (absences
// and the like) of the last fifteen months, one record per entry and badge,
// with the entry's status recoded for the terminals.
#ifndef SSTRXK_EXPORT_MASTER_MITARBEITERSTATUS_H_
#define SSTRXK_EXPORT_MASTER_MITARBEITERSTATUS_H_

#include "base/fixed_text.h"
#include "export/sql/mst_sql.h"

// The job for type code MST: 0 done, 1 file not opened, 2 database error.
int Fill_MST();

// The status as the file shows it. The whole number at the start of `status`
// (an empty text reads as 0) decides: 8, 11 and 12 become "4", 9, 14 and 15
// "7", 10 "3", 13 "6"; every other status keeps its text, cut to the
// record's one column (only a negative status is longer).
FixedText<2> RecodeMstStatus(const char* status);

// Writes one status record (210 characters and CR LF) to OutputFile.
void Write_MST(const MstRow& row);

#endif  // SSTRXK_EXPORT_MASTER_MITARBEITERSTATUS_H_
