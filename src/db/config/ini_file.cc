// Reader of the product's configuration file. The file is a sequence of
// two-line records, a header line "x;section;..." and an entry line
// "id;key;value"; ReadIniEntry scans it from the top and stops at the first
// record that matches by section, by key or by id, whichever comes first.
// The field cutting keeps the product's own rules, odd ones included (an
// adjacent ";;" yields the rest of the line, an entry line without line end
// has an empty value), because the product's files are written to them.
#include "db/config/ini_file.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "db/config/ini_cipher.h"

IniEntryRecord IniEntry;

namespace {

// Reads the next line into `line` (room for max_chars + 2 bytes) the way a
// text-mode read on Windows delivers it: CR LF and LF both end a line and are
// kept as one "\n"; a file's last line may have no line end. Characters beyond
// max_chars are dropped, so an overlong line still counts as one line and the
// pairing of lines into records is kept. Returns false at the end of the file.
bool ReadLine(std::FILE* file, char* line, int max_chars) {
  int n = 0;
  bool any = false;
  for (;;) {
    int c = std::getc(file);
    if (c == EOF) break;
    any = true;
    if (c == '\r') {
      const int next = std::getc(file);
      if (next == '\n') {
        c = '\n';
      } else if (next != EOF) {
        std::ungetc(next, file);
      }
    }
    if (c == '\n') {
      line[n++] = '\n';
      break;
    }
    if (n < max_chars) line[n++] = static_cast<char>(c);
  }
  line[n] = '\0';
  return any;
}

// Reads an id field like atoi: leading white space skipped, an optional sign,
// digits up to the first other character, 0 when there are none. Values
// beyond the range of int saturate instead of overflowing.
int ParseId(const char* text) {
  const char* p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  long long value = 0;
  constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<int>(-value);  // -kLimit is INT_MIN
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

bool Matches(const IniEntryRecord& record, const char* section, const char* key, int id) {
  return record.section == section || record.key == key || record.id == id;
}

}  // namespace

int FindNthChar(const char* text, char c, int n) {
  int last = -1;
  int found = 0;
  for (int i = 0; text[i] != '\0'; ++i) {
    if (text[i] == c) {
      last = i;
      if (++found == n) return i;
    }
  }
  return last;
}

void CopySubstring(const char* text, int start, int length, char* target, int target_size) {
  if (target_size <= 0) return;
  target[0] = '\0';
  if (length < 0) return;
  if (start < 0) start = 0;
  const int text_length = static_cast<int>(std::strlen(text));
  if (start >= text_length) return;
  int n = text_length - start;
  if (length > 0 && length < n) n = length;
  if (n > target_size - 1) n = target_size - 1;
  std::memcpy(target, text + start, static_cast<std::size_t>(n));
  target[n] = '\0';
}

void CutIniRecord(const char* header_line, const char* entry_line, IniEntryRecord& record) {
  record = IniEntryRecord{};
  constexpr int kFieldSize = static_cast<int>(decltype(record.key)::kCapacity);

  // The section lies between the first and the second ";". With fewer than two
  // ";" both positions are equal (or -1), the length is negative and the
  // section empty; with two adjacent ";" the length is 0, which CopySubstring
  // takes as the rest of the line, second ";" and line end included.
  const int p1 = FindNthChar(header_line, ';', 1);
  const int p2 = FindNthChar(header_line, ';', 2);
  CopySubstring(header_line, p1 + 1, p2 - p1 - 1, record.section.data(), kFieldSize);

  // The id is the text before the first ";"; none there, or no ";", gives 0.
  const int q1 = FindNthChar(entry_line, ';', 1);
  const int q2 = FindNthChar(entry_line, ';', 2);
  if (q1 > 0) {
    char id_text[kIniIdChars + 1];
    CopySubstring(entry_line, 0, q1, id_text, sizeof id_text);
    record.id = ParseId(id_text);
  }

  // The key: the same cut and the same special cases as the section.
  CopySubstring(entry_line, q1 + 1, q2 - q1 - 1, record.key.data(), kFieldSize);

  CutIniValue(entry_line, record.value.data(), kFieldSize);
}

void CutIniValue(const char* entry_line, char* target, int target_size) {
  if (target_size <= 0) return;
  target[0] = '\0';
  // The value runs from after the second ";" (after the only ";" when there is
  // one, from the line's start when there is none) up to the line end. A line
  // without line end, like a value of no characters, gives an empty value.
  const int end = FindNthChar(entry_line, '\n', 1);
  const int start = FindNthChar(entry_line, ';', 2) + 1;
  if (end > start) CopySubstring(entry_line, start, end - start, target, target_size);
}

void ReadIniEntry(const char* section, const char* key, int id, const char* path) {
  IniEntry = IniEntryRecord{};
  if (section == nullptr) section = "";
  if (key == nullptr) key = "";
  std::FILE* file = path != nullptr ? std::fopen(path, "rb") : nullptr;
  if (file == nullptr) return;

  char header_line[kIniHeaderLineChars + 2];
  char entry_line[kIniEntryLineChars + 2];
  while (ReadLine(file, header_line, kIniHeaderLineChars) &&
         ReadLine(file, entry_line, kIniEntryLineChars)) {
    CutIniRecord(header_line, entry_line, IniEntry);
    if (Matches(IniEntry, section, key, id)) {
      // Deciphered from the whole value text, which the entry line's limit
      // bounds; the plain text is then cut to the 200 characters of the field.
      char value_text[kIniEntryLineChars + 1];
      char plain[kIniEntryLineChars / 2 + 1];
      CutIniValue(entry_line, value_text, sizeof value_text);
      DecryptIniValue(value_text, plain, kIniCipherKey);
      IniEntry.value.Assign(plain);
      std::fclose(file);
      return;
    }
    IniEntry = IniEntryRecord{};
  }
  std::fclose(file);
}
