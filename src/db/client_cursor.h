// The client cursor: the clients of the system schema that take part in
// per-client jobs (MNDKON 0, schema set), in the database's order.
#ifndef SSTRXK_DB_CLIENT_CURSOR_H_
#define SSTRXK_DB_CLIENT_CURSOR_H_

#include "runctl/run_state.h"

long SQLOpenVls112Mnd();

// Fetches the next client into `client`. Folded status: 0 row, 1403 no more
// clients, else an error. A value longer than its field (licence, client
// and site number 5, schema 20 characters) is reported as -1406 instead of
// being cut: a cut client number or schema would name another client.
long SQLFetchVls112Mnd(ClientRow& client);

long SQLCloseVls112Mnd();

#endif  // SSTRXK_DB_CLIENT_CURSOR_H_
