// The two records the balance export fills for every badge: the balance
// record SaldoRecord, one text per field of the SALDO line, and the value
// record SaldoValues, the numbers the value sources read and the balance
// mapping sums up. Each text field holds at most its field width.
#ifndef SSTRXK_EXPORT_BALANCE_SALDO_RECORD_H_
#define SSTRXK_EXPORT_BALANCE_SALDO_RECORD_H_

#include <cstdint>

#include "base/fixed_text.h"

// Number of summary fields F01 ... F10.
inline constexpr int kSaldoSummaryFields = 10;

// One SALDO line in fields; the layout is documented beside WriteSaldoRecord.
struct SaldoRecord {
  FixedText<51> Idn;  // badge number
  FixedText<9> Sto;   // the badge's site number
  FixedText<6> Liz;   // licence number of the badge's client
  FixedText<6> Mnd;   // client number of the badge
  FixedText<9> W01;   // date of the last daily balance, yyyymmdd
  FixedText<11> W02;  // SA1 in hours and minutes
  FixedText<11> W03;  // UVJ
  FixedText<11> W04;  // ULJ
  FixedText<11> W05;  // UGE
  FixedText<11> W06;  // UVP
  FixedText<11> W07;  // URS
  FixedText<11> W08;  // UAN
  FixedText<11> W09;  // SA2 ... W14 SA7, in hours and minutes
  FixedText<11> W10;
  FixedText<11> W11;
  FixedText<11> W12;
  FixedText<11> W13;
  FixedText<11> W14;
  FixedText<11> W15;  // SA1 + SA2
  FixedText<11> W16;  // SA2 + SA3
  FixedText<21> F01;  // summary fields of the balance mapping; F10 also premium data
  FixedText<21> F02;
  FixedText<21> F03;
  FixedText<21> F04;
  FixedText<21> F05;
  FixedText<21> F06;
  FixedText<21> F07;
  FixedText<21> F08;
  FixedText<21> F09;
  FixedText<21> F10;
  FixedText<6> Amp;  // traffic-light account value
};

// Summary field number p (1 ... 10) of `record`.
inline FixedText<21>& SummaryField(SaldoRecord& record, int p) {
  FixedText<21>* fields[kSaldoSummaryFields] = {&record.F01, &record.F02, &record.F03, &record.F04, &record.F05,
                                                &record.F06, &record.F07, &record.F08, &record.F09, &record.F10};
  return *fields[p - 1];
}

// The values of one badge's person, cleared before the first source runs.
struct SaldoValues {
  FixedText<9> BalanceDate;  // yyyymmdd of the balance row read
  std::int32_t SA1 = 0;      // balance sums of that day in minutes
  std::int32_t SA2 = 0;
  std::int32_t SA3 = 0;
  std::int32_t SA4 = 0;
  std::int32_t SA5 = 0;
  std::int32_t SA6 = 0;
  std::int32_t SA7 = 0;
  double UVJ = 0.0;  // vacation carry-over
  double ULJ = 0.0;
  double UGE = 0.0;  // vacation days
  double UVP = 0.0;
  double URS = 0.0;
  double UAN = 0.0;  // vacation entitlement
  double SVJ = 0.0;  // shift time-off, yearly value
  double SGE = 0.0;  // shift time-off of yesterday
  double SVP = 0.0;
  double SRS = 0.0;
  double SAN = 0.0;
  double SAT = 0.0;
  double FieldSum[kSaldoSummaryFields] = {};  // running sums of F01 ... F10
  std::int32_t AmpValue = -1;                 // -1 when no value was read
};

#endif  // SSTRXK_EXPORT_BALANCE_SALDO_RECORD_H_
