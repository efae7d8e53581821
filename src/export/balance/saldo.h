// The balance file SALDO (type code SLD): one line for every badge valid
// today in every client, with the balance values of the badge's person, the
// summary fields of the balance mapping and, at the premium site, the
// premium percentages.
#ifndef SSTRXK_EXPORT_BALANCE_SALDO_H_
#define SSTRXK_EXPORT_BALANCE_SALDO_H_

#include <string>

#include "export/balance/saldo_record.h"

// The site whose clients get premium data.
inline constexpr char kPraemienSite[] = "42381";

// The job for type code SLD: 0 done, 1 file not opened, 2 database error.
int Fill_SALDO();

// Clears `record` and sets the defaults: "      0,00" in W02 ... W16,
// "   -1" in Amp, the other fields empty.
void InitSaldoRecord(SaldoRecord& record);

// The SALDO line of `record`, 432 characters, without line end.
std::string SaldoLine(const SaldoRecord& record);

// Writes the line of `record` and CR LF to OutputFile.
void WriteSaldoRecord(const SaldoRecord& record);

#endif  // SSTRXK_EXPORT_BALANCE_SALDO_H_
