// SSTRxkSQL, badge permission-class file (see aswbkl_sql.h).
#include "export/sql/aswbkl_sql.h"

#include "db/sql_runtime.h"
#include "export/sql/terminal_statements.h"

namespace {

sql::Cursor g_aswbkl;
sql::Cursor g_aswbkl_sel;

// 1403 and -1002 end the rows; -1405 is no row here, unlike most fetches.
long FoldEnd(long status) {
  return status == sql::kFetchOutOfSequence ? sql::kNoData : status;
}

}  // namespace

long SQLOpenAswBkl() { return sql::Open(g_aswbkl, stmt::kAswBkl); }

long SQLFetchAswBkl(AswBklRow& row) {
  AswBklRow host;
  long status = FoldEnd(sql::Fetch(g_aswbkl, {sql::Text(host.BKLASW), sql::Text(host.BKLBKL),
                                              sql::Text(host.BKLLIZ), sql::Text(host.BKLMND),
                                              sql::Text(host.BKLSTM)}));
  if (status == sql::kOk) row = host;
  return status;
}

long SQLCloseAswBkl() { return sql::Close(g_aswbkl); }

long SQLOpenAswBkl_Sel(const char* badge) {
  return sql::Open(g_aswbkl_sel, stmt::kAswBkl_Sel, {sql::In(badge)});
}

long SQLFetchAswBkl_Sel(AswBklRow& row) {
  AswBklRow host;
  FixedText<31> klasse;  // wider than the field, so that a class too long is seen
  long status = FoldEnd(sql::Fetch(g_aswbkl_sel, {sql::Text(host.BKLASW), sql::Text(klasse),
                                                  sql::Text(host.BKLLIZ), sql::Text(host.BKLMND),
                                                  sql::Text(host.BKLSTM)}));
  if (status != sql::kOk) return status;
  if (!host.BKLBKL.AssignIfFits(klasse.view())) return kClassTooLong;
  row = host;
  return status;
}

long SQLCloseAswBkl_Sel() { return sql::Close(g_aswbkl_sel); }
