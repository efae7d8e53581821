// The balance mapping (see saldo_mapping.h).
//
// Reading rules of "SaldoRXK.ini", kept as the installations' files are
// written to them:
// - a line is read in pieces of 99 characters, each handled as a line; its
//   last character counts as the line end, so a file's last line without a
//   line end loses its last character;
// - reading stops, before the next line is looked at, once nine entries exist;
// - field line "Fnn" + key list: items cut at ",", "=" and the line end,
//   blanks and tabs ignored, the first three other characters kept; an item
//   of exactly three characters is a key, anything shorter is dropped; a
//   ninth and further key of a line is dropped (an entry holds eight);
// - title line "Tnn=" + title: characters 5 up to the line end, at most 12,
//   stored in the first entry whose field name has the same "nn".
#include "export/balance/saldo_mapping.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "export/balance/number_format.h"
#include "export/balance/text_mode_file.h"

SaldoMapTable SaldoMapping;

namespace {

constexpr std::size_t kTitleChars = 12;

// Adds the keys of a field line's key list (from the fourth character on) to
// `entry`; returns how many.
int CutKeys(std::string_view line, SaldoMapEntry& entry) {
  int keys = 0;
  std::string item;
  auto finish_item = [&]() {
    if (item.size() == 3 && keys < kSaldoMapKeys) entry.keys[keys++].Assign(item);
    item.clear();
  };
  for (std::size_t i = 3; i < line.size(); ++i) {
    char c = line[i];
    if (i + 1 == line.size() || c == ',' || c == '=') {
      finish_item();
    } else if (c != ' ' && c != '\t' && item.size() < 3) {
      item.push_back(c);
    }
  }
  return keys;
}

void AddFieldLine(std::string_view line, SaldoMapTable& table) {
  SaldoMapEntry entry;
  if (CutKeys(line, entry) == 0) return;
  entry.field.Assign(line.substr(0, 3));
  table.entries[table.count++] = entry;
}

void AddTitleLine(std::string_view line, SaldoMapTable& table) {
  if (line.size() < 6) return;  // no character between "Tnn=" and the line end
  std::string_view title = line.substr(4, line.size() - 5).substr(0, kTitleChars);
  for (int i = 0; i < table.count; ++i) {
    std::string_view field = table.entries[i].field.view();
    if (field.size() == 3 && field[1] == line[1] && field[2] == line[2]) {
      table.entries[i].title.Assign(title);
      return;
    }
  }
}

// The number after the "F" of a field name, read as atoi reads it: "F01"
// gives 1, "F1=" 1, "F-1" -1, "FAB" 0.
int FieldNumber(std::string_view field) {
  std::string_view digits = field.substr(std::min<std::size_t>(field.size(), 1));
  std::size_t i = 0;
  while (i < digits.size() && (digits[i] == ' ' || digits[i] == '\t')) ++i;
  bool negative = false;
  if (i < digits.size() && (digits[i] == '+' || digits[i] == '-')) negative = digits[i++] == '-';
  int number = 0;
  for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i) number = number * 10 + (digits[i] - '0');
  return negative ? -number : number;
}

bool IsMinutesKey(std::string_view key) {
  return key.size() == 3 && key[0] == 'S' && key[1] == 'A' && key[2] >= '1' && key[2] <= '7';
}

}  // namespace

void AddSaldoMappingLine(const std::string& line, SaldoMapTable& table) {
  if (table.count >= kSaldoMapEntries || line.empty()) return;
  if (line[0] == 'F') AddFieldLine(line, table);
  if (line[0] == 'T') AddTitleLine(line, table);
}

bool ReadSaldoMappingFile(const std::filesystem::path& path) {
  SaldoMapping = SaldoMapTable();
  TextModeFile file(path);
  std::string line;
  while (SaldoMapping.count < kSaldoMapEntries && file.ReadLine(kSaldoMapLineChars, line)) {
    AddSaldoMappingLine(line, SaldoMapping);
  }
  return SaldoMapping.count > 0;
}

bool ReadSaldoMapping() { return ReadSaldoMappingFile(kSaldoMappingFile); }

double SaldoKeyValue(const char* key, const SaldoValues& values) {
  struct Integer {
    const char* key;
    std::int32_t SaldoValues::*value;
  };
  static constexpr Integer kIntegers[] = {
      {"SA1", &SaldoValues::SA1}, {"SA2", &SaldoValues::SA2}, {"SA3", &SaldoValues::SA3},
      {"SA4", &SaldoValues::SA4}, {"SA5", &SaldoValues::SA5}, {"SA6", &SaldoValues::SA6},
      {"SA7", &SaldoValues::SA7},
  };
  struct Decimal {
    const char* key;
    double SaldoValues::*value;
  };
  static constexpr Decimal kDecimals[] = {
      {"UVJ", &SaldoValues::UVJ}, {"ULJ", &SaldoValues::ULJ}, {"UAN", &SaldoValues::UAN},
      {"UGE", &SaldoValues::UGE}, {"UVP", &SaldoValues::UVP}, {"URS", &SaldoValues::URS},
      {"SVJ", &SaldoValues::SVJ}, {"SAN", &SaldoValues::SAN}, {"SGE", &SaldoValues::SGE},
      {"SVP", &SaldoValues::SVP}, {"SRS", &SaldoValues::SRS}, {"SAT", &SaldoValues::SAT},
  };
  std::string_view k(key);
  for (const Integer& i : kIntegers) {
    if (k == i.key) return static_cast<double>(values.*i.value);
  }
  for (const Decimal& d : kDecimals) {
    if (k == d.key) return values.*d.value;
  }
  return 0.0;
}

void ApplySaldoMapping(SaldoRecord& record, SaldoValues& values) {
  for (int e = 0; e < SaldoMapping.count; ++e) {
    const SaldoMapEntry& entry = SaldoMapping.entries[e];
    int p = FieldNumber(entry.field.view());
    if (p < 1 || p > kSaldoSummaryFields) continue;
    bool minutes = IsMinutesKey(entry.keys[0].view());
    double& sum = values.FieldSum[p - 1];
    for (const FixedText<4>& key : entry.keys) sum += SaldoKeyValue(key.c_str(), values);
    std::string value = minutes ? FormatHoursMinutes(PrintTwoDecimals(sum / 60.0)) : PrintTwoDecimals(sum);
    value = FormatTrailingSign(value);
    SummaryField(record, p).Format("%-12s%8s", entry.title.c_str(), value.c_str());
  }
}
