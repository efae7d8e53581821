// SSTRxkSQL, time-zone plan file MGSST20P: the three nested cursors of the
// 20P walk. The outer cursor delivers terminal, reader and weekday of the
// coming seven days (all readers, or those of one control area); the
// day-plan cursor the time zones of one of these rows; the time cursor the
// opening intervals of one time zone as HHMM texts.
#ifndef SSTRXK_EXPORT_SQL_S20P_SQL_H_
#define SSTRXK_EXPORT_SQL_S20P_SQL_H_

#include "base/fixed_text.h"

// One row of the walk: the outer cursor fills terminal, reader and weekday,
// the day-plan cursor the time zone, the time cursor the interval.
struct S20PRow {
  FixedText<256> Terminal;  // ZLSTRM
  FixedText<3> Leser;       // ZLSLES as two digits
  FixedText<2> TagNr;       // BAKWTG
  FixedText<6> Zeitzone;    // ZBRZZZ
  FixedText<5> Offen_Von;   // start of the interval, HHMM
  FixedText<5> Offen_Bis;   // end of the interval, HHMM
};

// Outer cursor over all readers. The fetch hands over a whole new row (time
// zone and interval empty); folded status: 0 row, 1403 no more rows.
long SQLOpenS20P();
long SQLFetchS20P(S20PRow& row);
long SQLCloseS20P();

// Outer cursor over the readers of one control area (bound).
long SQLOpenS20P_Sel(const char* control_area);
long SQLFetchS20P_Sel(S20PRow& row);
long SQLCloseS20P_Sel();

// Day-plan cursor: the time zones of the row's terminal, reader and weekday
// whose rule's day type matches the calendar day. The fetch clears the
// row's time zone and fills it only on status 0; raw status.
long SQLOpenS20PTagesPlan(const S20PRow& row);
long SQLFetchS20PTagesPlan(S20PRow& row);
long SQLCloseS20PTagesPlan();

// Time cursor: the intervals of the row's time zone. The fetch clears
// Offen_Von and Offen_Bis and fills them only on status 0; raw status.
long SQLOpenS20PUhrZeit(const S20PRow& row);
long SQLFetchS20PUhrZeit(S20PRow& row);
long SQLCloseS20PUhrZeit();

#endif  // SSTRXK_EXPORT_SQL_S20P_SQL_H_
