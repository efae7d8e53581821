// The holiday file: for every client, every holiday of its calendars from
// the first day of last year on, once for every terminal of the system, with
// the holiday's text in the terminal's language where the client's
// dictionary has one.
#ifndef SSTRXK_EXPORT_MASTER_FEIERTAGE_H_
#define SSTRXK_EXPORT_MASTER_FEIERTAGE_H_

#include "export/sql/ftg_sql.h"

// The job for type code FTG: 0 done, 1 file not opened, 2 database error.
int Fill_FTG();

// Puts the dictionary's text for the row's day type in the terminal's
// language into the row's text; without a (non-empty) translation the day
// type's own text stays.
void TranslateHolidayText(FtgRow& row);

// Writes one holiday record (302 characters and CR LF) to OutputFile.
void Write_FTG(const FtgRow& row);

#endif  // SSTRXK_EXPORT_MASTER_FEIERTAGE_H_
