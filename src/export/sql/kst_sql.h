// SSTRxkSQL, cost-centre file: the cursor over the cost centres of the
// current client's schema that are not retired (status 4 or 8).
#ifndef SSTRXK_EXPORT_SQL_KST_SQL_H_
#define SSTRXK_EXPORT_SQL_KST_SQL_H_

#include "base/fixed_text.h"
#include "db/sql_backend.h"

// One cost-centre row, cleared before every fetch.
struct KstRow {
  FixedText<31> number;   // KstNum, right-trimmed
  FixedText<6> client;    // the current client's number, copied in by the job
  FixedText<6> licence;   // the current client's licence number, copied in by the job
  FixedText<8> apz;       // KstApz as signed decimal; empty when NULL
  FixedText<8> empty;     // never filled
  FixedText<31> text;     // KstTxt, right-trimmed
  FixedText<51> erf;      // KstErf, right-trimmed
};

// Status of a KstApz that needs more than the 7 characters of its field: the
// fetch reports it instead of writing a cut number.
inline constexpr long kKstApzTooWide = sql::kValueTooLong;

// Builds the cursor text with CurrentSchema and opens it; the OPEN's status
// (-903 for a schema name that is no identifier).
long SQL_Open_Kst();
// The raw status of the fetch, not folded: 0 row delivered, 1403 no more
// rows, anything else an error (-1405 for a NULL KstNum, which is fetched
// without indicator; kKstApzTooWide for a KstApz beyond -999999..9999999).
long SQL_Fetch_Kst(KstRow& row);
long SQL_Close_Kst();

#endif  // SSTRXK_EXPORT_SQL_KST_SQL_H_
