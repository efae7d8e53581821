// The client master file MNDSTAMM: one record per client of the product's
// client table, from the system schema.
#ifndef SSTRXK_EXPORT_MASTER_MNDSTAMM_H_
#define SSTRXK_EXPORT_MASTER_MNDSTAMM_H_

#include "export/sql/mnd_sql.h"

// The job for type code MND: 0 done, 1 file not opened, 2 database error.
int Fill_MNDSTAMM();

// Writes one client record (130 characters and CR LF) to OutputFile.
void Write_MNDSTAMM(const MndRow& row);

#endif  // SSTRXK_EXPORT_MASTER_MNDSTAMM_H_
