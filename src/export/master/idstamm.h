// The badge master file IDSTAMM: the full export (type code IDN) over every
// client schema, and the selective writer that the badge-change export calls
// with one badge number to append that badge's record to idstamm_upd.imp.
#ifndef SSTRXK_EXPORT_MASTER_IDSTAMM_H_
#define SSTRXK_EXPORT_MASTER_IDSTAMM_H_

#include "export/sql/idn_sql.h"

// The job for type code IDN: 0 done, 1 file not opened, 2 database error.
int Fill_IDSTAMM();

// Writes the records of badge `badge` of the current client (the caller has
// switched the session schema and set CurrentSchema and
// CurrentClient.number) to OutputPath + "//idstamm_upd.imp"; the first call
// of a run replaces the file, later calls append. 0 done, 1 file not opened,
// 2 database error.
int Fill_IDSTAMM_Upd(const char* badge);

// Writes one badge record (367 characters and CR LF) to OutputFile.
void Write_IDSTAMM(const IdsRow& row);

#endif  // SSTRXK_EXPORT_MASTER_IDSTAMM_H_
