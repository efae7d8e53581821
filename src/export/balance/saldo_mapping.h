// The balance mapping: which values of a badge's person the summary fields
// F01 ... F10 of the SALDO line show. Each installation configures it in the
// file "SaldoRXK.ini" in the working directory, with field lines ("F02=SA1,
// SA2": the field shows the sum of these keys) and title lines ("T02=Mehrarbeit":
// the text written in front of the sum). The job reads the file once per run.
#ifndef SSTRXK_EXPORT_BALANCE_SALDO_MAPPING_H_
#define SSTRXK_EXPORT_BALANCE_SALDO_MAPPING_H_

#include <filesystem>

#include "base/fixed_text.h"
#include "export/balance/saldo_record.h"

// The mapping file, relative to the working directory.
inline constexpr char kSaldoMappingFile[] = "SaldoRXK.ini";

// The table holds nine entries at most; an entry eight keys.
inline constexpr int kSaldoMapEntries = 9;
inline constexpr int kSaldoMapKeys = 8;
// Lines are read in pieces of at most this many characters.
inline constexpr int kSaldoMapLineChars = 99;

struct SaldoMapEntry {
  FixedText<4> field;                 // first three characters of the field line, "F03"
  FixedText<13> title;                // empty until a title line supplies it
  FixedText<4> keys[kSaldoMapKeys];   // three-character keys in line order
};

struct SaldoMapTable {
  int count = 0;
  SaldoMapEntry entries[kSaldoMapEntries];
};

// The mapping of the running job, refilled by every ReadSaldoMapping.
extern SaldoMapTable SaldoMapping;

// Reads "SaldoRXK.ini" into SaldoMapping. True when at least one entry was
// read; a missing file gives false and no message.
bool ReadSaldoMapping();

// The same from `path`.
bool ReadSaldoMappingFile(const std::filesystem::path& path);

// Handles one line (as TextModeFile delivers it) of the mapping file: a
// field line adds an entry, a title line names one; others are ignored.
void AddSaldoMappingLine(const std::string& line, SaldoMapTable& table);

// Writes the configured summary fields of `record`, summing into the
// FieldSum values of `values`.
void ApplySaldoMapping(SaldoRecord& record, SaldoValues& values);

// The value that `key` stands for; 0 for an unknown or empty key.
double SaldoKeyValue(const char* key, const SaldoValues& values);

#endif  // SSTRXK_EXPORT_BALANCE_SALDO_MAPPING_H_
