// SSTRxkSQL, balance file: the badge cursor of a client and the five value
// sources of a badge's person (vacation carry-over, vacation days, shift
// time-off, balance values, traffic-light account). Every statement names the
// current client's schema (CurrentSchema); client and person numbers are bound.
#ifndef SSTRXK_EXPORT_SQL_SALDO_SQL_H_
#define SSTRXK_EXPORT_SQL_SALDO_SQL_H_

#include "base/fixed_text.h"
#include "export/balance/saldo_record.h"

// The person number of a badge: at most 8 characters.
using SaldoPerson = FixedText<9>;

// Opens the badge cursor: the badges of client `client_number` valid today.
// The OPEN's status (-903 when CurrentSchema is no schema name).
long SQLOpenSald(const char* client_number);

// Fetches the next badge into Idn, Sto, Liz, Mnd of `record` and its person
// number into `person`. 0 row delivered (also when a column was NULL), 1403
// no more badges (also for -1002); any other status is returned as it is and
// nothing is copied.
long SQLFetchSald(SaldoRecord& record, SaldoPerson& person);

// Closes the badge cursor; the status is of no interest to callers.
long SQLCloseSald();

// The value sources. Each reads the first row of its query for `person`;
// with a row (status 0 or -1405) it stores the values in `values` and writes
// its fields of `record` and returns 0; otherwise both stay as they were and
// the fetch status is returned (1403 no row, anything else an error). A NULL
// column leaves its value as it was.

// Vacation carry-over of the current year: UVJ, UAN, ULJ; W03, W08, W04.
long SQLGetUrlaubsvortraege(const char* person, SaldoRecord& record, SaldoValues& values);
// Vacation days of the latest row before now: UGE, UVP, URS; W05, W06, W07.
long SQLGetUrlaubstage(const char* person, SaldoRecord& record, SaldoValues& values);
// Shift time-off of yesterday (SAN, SGE, SRS, SVP, SAT), then, only with that
// row, the yearly value SVJ; the status of the yearly query is returned.
// Writes no field.
long SQLGetSchichtfreizeit(const char* person, SaldoRecord& record, SaldoValues& values);
// Balance sums of the latest balance day before today: BalanceDate, SA1 ...
// SA7; W01, W02, W09 ... W16.
long SQLGetSaldenwerte(const char* person, SaldoRecord& record, SaldoValues& values);
// Traffic-light value of the latest day before today: AmpValue; Amp.
long SQLGetAmpelkonto(const char* person, SaldoRecord& record, SaldoValues& values);

#endif  // SSTRXK_EXPORT_SQL_SALDO_SQL_H_
