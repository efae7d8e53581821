// SSTRxkSQL, client master file: the cursor over the product's client table.
#ifndef SSTRXK_EXPORT_SQL_MND_SQL_H_
#define SSTRXK_EXPORT_SQL_MND_SQL_H_

#include "base/fixed_text.h"

// One client row of the client master file, cleared before every fetch.
struct MndRow {
  FixedText<6> licence;     // MNDLIZ
  FixedText<6> number;      // MNDNUM
  FixedText<51> name;       // MNDNA1
  FixedText<6> status;      // MNDSTA
  FixedText<15> changed;    // MNDDAT as yyyymmddhh24miss
  FixedText<51> changed_by; // MNDERF
};

long SQLOpen112Mnd();
// Folded status: 0 row delivered, 1403 no more rows, else an error.
long SQLFetch112Mnd(MndRow& row);
long SQLClose112Mnd();

#endif  // SSTRXK_EXPORT_SQL_MND_SQL_H_
