// Premium data: at the premium site the SALDO line carries two premium
// percentages per person in the summary field F10. They come from the file
// "..\..\transfer\KWPL\PraemienKWPL.txt" (relative to the working
// directory), one line per person: person number, first and second
// percentage, separated by blanks. The job loads the file per client of that
// site and looks up each badge's person number.
#ifndef SSTRXK_EXPORT_BALANCE_PRAEMIEN_H_
#define SSTRXK_EXPORT_BALANCE_PRAEMIEN_H_

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "base/fixed_text.h"
#include "export/balance/saldo_record.h"

// Lines are read in pieces of at most this many characters.
inline constexpr int kPraemienLineChars = 49;

struct PraemienEntry {
  FixedText<9> person;  // person number, at most 8 characters
  FixedText<21> text;   // "ZG %5s%%  ZK %5s%%" with the two percentages
};

// The premium table of the running job, in file order.
extern std::vector<PraemienEntry> PraemienTable;

// The premium file's path relative to the working directory.
std::filesystem::path PraemienFilePath();

// Releases the table and reads the premium file into it. True when the whole
// file was read; false (logged, table empty) when it cannot be opened or
// memory runs out.
bool ReadPraemiendaten();

// The same from `path`.
bool ReadPraemiendatenFile(const std::filesystem::path& path);

// Builds the entry of one line as the reader delivers it. False when the
// person number is longer than 8 characters: such a line yields no entry.
bool SplitPraemienLine(std::string_view line, PraemienEntry& entry);

// Copies the text of the first entry for `person` into F10 of `record`; no
// entry leaves F10 as it is. An empty person number matches nothing.
void FindPraemiendaten(const char* person, SaldoRecord& record);

// Empties the table and releases its memory.
void ClearPraemiendaten();

#endif  // SSTRXK_EXPORT_BALANCE_PRAEMIEN_H_
