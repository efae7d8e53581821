// The selective export by download key: for the badges queued under one
// key in the download queue, the badge master records, the permission
// classes and the 20P, 35P and 41P records of every control area those
// classes reach, added to five update files in the directory OutputPath.
#ifndef SSTRXK_EXPORT_TERMINAL_SELEKTIV_H_
#define SSTRXK_EXPORT_TERMINAL_SELEKTIV_H_

#include <vector>

#include "export/sql/selektiv_sql.h"

// The job for a 14-character type code that is no file type: the download
// key. 0 done (also when a queue row's client is not found: the rows from
// there on are not exported); 2 database error; 3 no memory for the queue;
// after a failing writer, that writer's result.
//
// Every call starts with all five update files due to be replaced, so a
// repeated attempt rewrites the files it touches instead of adding to what
// a failed attempt left in them.
int Fill_Selektiv(const char* key);

// Reads every queue row of `key` into `SelAswDnlList`, in sequence order,
// opening and closing the queue cursor. 0 read, or the fetch failed (then
// logged and `failed` set; the list is to be left unexported); 2 the cursor
// did not open (logged); 3 no memory for the list (logged, list emptied).
int Fill_SelAswDnl(const char* key, std::vector<AswDnlRow>& SelAswDnlList, bool& failed);

#endif  // SSTRXK_EXPORT_TERMINAL_SELEKTIV_H_
