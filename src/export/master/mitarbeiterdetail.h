// The employee detail file: for every client, the single days of its status
// entries of the last fifteen months on which the employee has a target
// time, one record per badge and day, with the status recoded to "2" or "3".
#ifndef SSTRXK_EXPORT_MASTER_MITARBEITERDETAIL_H_
#define SSTRXK_EXPORT_MASTER_MITARBEITERDETAIL_H_

#include "base/fixed_text.h"
#include "export/sql/mdt_sql.h"

// The client line of this job, worded differently from the other jobs'.
inline constexpr char kMdtClientLine[] = "Schema: %s  Lizenz: %s  Mandant: %s";

// The job for type code MDT: 0 done, 1 file not opened, 2 database error.
int Fill_MDT();

// The status as the file shows it. The whole number at the start of `status`
// (an empty text reads as 0) decides: 2 and 5 become "2", 3, 7, 9 and 10
// "3", every other status "0".
FixedText<2> RecodeMdtStatus(const char* status);

// Writes one detail record (105 characters and CR LF) to OutputFile.
void Write_MDT(const MdtRow& row);

#endif  // SSTRXK_EXPORT_MASTER_MITARBEITERDETAIL_H_
