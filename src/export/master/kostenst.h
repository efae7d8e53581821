// The cost-centre file Kostenst (type code KST): for every client, one record
// per cost centre of the client's schema that is not retired.
#ifndef SSTRXK_EXPORT_MASTER_KOSTENST_H_
#define SSTRXK_EXPORT_MASTER_KOSTENST_H_

#include "export/sql/kst_sql.h"

// The job for type code KST: 0 done, 1 file not opened, 2 database error.
int Fill_KST();

// Writes one cost-centre record (135 characters and CR LF) to OutputFile.
void Write_KST(const KstRow& row);

// Removes trailing blanks and tabs from the zero-terminated `text` in place;
// a text of blanks and tabs only becomes empty.
void RightTrim(char* text);

#endif  // SSTRXK_EXPORT_MASTER_KOSTENST_H_
