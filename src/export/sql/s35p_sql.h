// SSTRxkSQL, permission file MGSST35P: the permission rows of every reader
// (terminal, class, reader, control area, time zone, booking flag), for all
// readers or for those of one control area.
#ifndef SSTRXK_EXPORT_SQL_S35P_SQL_H_
#define SSTRXK_EXPORT_SQL_S35P_SQL_H_

#include "base/fixed_text.h"

struct S35PRow {
  FixedText<256> Terminalname;        // ZLSTRM
  FixedText<4> Firma;                 // always "001"
  FixedText<6> Berechtigungsklasse;   // ZBRZBK
  FixedText<3> Leser;                 // ZLSLES as two digits
  FixedText<3> WocheLeser;            // ZLSLES as two digits again
  FixedText<4> Wochenplan;            // ZBRZBK cut to its first three characters
  FixedText<6> Kontrollbereich;       // ZLSZKO
  FixedText<6> Zeitzone;              // ZBRZZZ
  FixedText<4> Zeitbuchung_erlaubt;   // booking flag as one digit, "0" to "9"
};

// Folded statuses: 0 row, 1403 no more rows, else an error. The fetch turns
// the booking flag into one decimal digit; values below 0 or above 9 give "0".
long SQLOpenS35P();
long SQLFetchS35P(S35PRow& row);
long SQLCloseS35P();

long SQLOpenS35P_Sel(const char* control_area);
long SQLFetchS35P_Sel(S35PRow& row);
long SQLCloseS35P_Sel();

#endif  // SSTRXK_EXPORT_SQL_S35P_SQL_H_
