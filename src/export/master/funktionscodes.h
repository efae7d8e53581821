// The function-code file Funktionscodes (type code FCD): for every client,
// one record per function code of the client's schema that is marked for the
// terminals.
#ifndef SSTRXK_EXPORT_MASTER_FUNKTIONSCODES_H_
#define SSTRXK_EXPORT_MASTER_FUNKTIONSCODES_H_

#include "export/sql/fcd_sql.h"

// The job for type code FCD: 0 done, 1 file not opened, 2 database error.
int Fill_FCD();

// Writes one function-code record (76 characters and CR LF) to OutputFile.
void Write_FCD(const FcdRow& row);

#endif  // SSTRXK_EXPORT_MASTER_FUNKTIONSCODES_H_
