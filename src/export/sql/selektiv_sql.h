// SSTRxkSQL, selective export by download key: the download queue of one
// key, the schema of a queued badge's client and the control areas that a
// permission class reaches. Every key, number and class is bound.
#ifndef SSTRXK_EXPORT_SQL_SELEKTIV_SQL_H_
#define SSTRXK_EXPORT_SQL_SELEKTIV_SQL_H_

#include <cstdint>

#include "base/fixed_text.h"
#include "db/sql_backend.h"

// One row of the download queue VlsAswDnl. Only the client, licence and
// badge numbers steer the export; the rest is fetched and not used.
struct AswDnlRow {
  FixedText<15> DnlKey;      // download key, 14 characters
  std::int32_t DnlLfd = 0;   // sequence number, the queue's order
  FixedText<6> DnlMnd;       // client number
  FixedText<6> DnlLiz;       // licence number
  FixedText<50> DnlAsw;      // badge number
  std::int32_t DnlKze = 0;
  FixedText<2> DnlKzu;       // one character
  FixedText<2> DnlKmp;       // one character
  FixedText<6> DnlBkl;
  std::int32_t DnlSta = 0;
  FixedText<50> DnlErf;
};

// Status of a value longer than its field where the value steers the
// export (client, licence and badge number of a queue row, schema name,
// control area): a cut value would name another client, badge or area.
inline constexpr long kSteeringValueTooLong = sql::kValueTooLong;

// Queue rows of `key` in sequence order. Folded fetch status: 0 row, 1403
// no more rows, else an error (the row is then not to be used).
long SQLOpenVlsAswDnl(const char* key);
long SQLFetchVlsAswDnl(AswDnlRow& row);
long SQLCloseVlsAswDnl();

// The schema of the client `client` with licence `licence`: 0 with the
// name in `schema`, 1403 when there is no such client, -2112 when there are
// several, -1406 when the name is longer than 20 characters (then
// `schema` is left alone), another status on an error.
long SQLGetSchema(const char* client, const char* licence, FixedText<21>& schema);

// The control areas of the rules of permission class `klasse`. Folded fetch
// status; the area in `area` on 0 (empty for a rule without area).
long SQLOpenZKOzurBKL(const char* klasse);
long SQLFetchZKOzurBKL(FixedText<6>& area);
long SQLCloseZKOzurBKL();

#endif  // SSTRXK_EXPORT_SQL_SELEKTIV_SQL_H_
