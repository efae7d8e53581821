// SSTRxkSQL, holiday file: the holiday cursor over the client's calendars and
// day types and the system schema's terminals, and the lookup of a text in
// the client's text dictionary.
#ifndef SSTRXK_EXPORT_SQL_FTG_SQL_H_
#define SSTRXK_EXPORT_SQL_FTG_SQL_H_

#include <cstdint>

#include "base/fixed_text.h"

// One holiday row, cleared before every fetch. Licence and client number are
// not fetched: the job sets them from the current client.
struct FtgRow {
  FixedText<256> terminal;   // ZLSTRM
  FixedText<6> licence;      // current client's licence number
  FixedText<6> number;       // current client's number
  FixedText<5> year;         // KA2DTM as YYYY
  FixedText<9> date;         // KA2DTM as YYYYMMDD
  FixedText<21> text;        // TT2TXT, or the dictionary's translation
  FixedText<2> short_text;   // TT2KRT
  FixedText<4> calendar;     // KA2NUM
  FixedText<4> day_type;     // KA2TTP: the dictionary key, not written
  std::int32_t language = 0; // TRMSPR: the dictionary language, not written
};

// Capacity of a dictionary text: 120 characters and the terminator.
using Di2Text = FixedText<121>;

// Opens the holiday cursor in CurrentSchema; the OPEN's status (-903 when
// CurrentSchema is no schema name).
long SQLOpenFtg();
// Folded status: 0 row delivered, 1403 no more rows, else an error.
long SQLFetchFtg(FtgRow& row);
long SQLCloseFtg();

// Looks up the text of dictionary key `key` (such as "20#"), field
// `field_name` and language `language` in CurrentSchema's dictionary. Clears
// `text`; on 0 it holds the first matching row's text (empty for a NULL
// text). Returns the lookup's status: 0, 1403 without a row, or the error of
// the failed open or fetch.
long SQLReadDi2Txt(const char* key, const char* field_name, long language, Di2Text& text);

#endif  // SSTRXK_EXPORT_SQL_FTG_SQL_H_
