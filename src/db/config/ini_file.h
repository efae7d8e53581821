// The product's configuration file: records of two lines, a header line
// "x;section;..." and an entry line "id;key;value", the value enciphered
// (ini_cipher.h). ReadIniEntry returns the first record that matches by
// section, key or id, with its value deciphered.
#ifndef SSTRXK_DB_CONFIG_INI_FILE_H_
#define SSTRXK_DB_CONFIG_INI_FILE_H_

#include "base/fixed_text.h"

struct IniEntryRecord {
  int id = 0;
  FixedText<201> section;
  FixedText<201> key;
  FixedText<201> value;  // deciphered after a match
};

// The lookup's result, overwritten by every lookup; callers copy at once.
extern IniEntryRecord IniEntry;

// The longest header and entry line, line end not counted, and the longest id
// field. Anything beyond them is outside the file format; the reader drops the
// rest of a longer line (it still counts as one line) and reads only the first
// kIniIdChars characters of an id.
inline constexpr int kIniHeaderLineChars = 198;
inline constexpr int kIniEntryLineChars = 398;
inline constexpr int kIniIdChars = 15;

// Scans `path` from the top for the first record whose section equals
// `section`, or whose key equals `key`, or whose id equals `id`, and leaves it
// in IniEntry with its value deciphered. When nothing matches or the file
// cannot be opened, IniEntry holds id 0 and three empty texts.
void ReadIniEntry(const char* section, const char* key, int id, const char* path);

// Position (from 0) of the n-th occurrence of `c` in `text`; the last one when
// there are fewer than n; -1 when there is none.
int FindNthChar(const char* text, char c, int n);

// Copies `length` characters of `text` from `start` into `target` (of
// `target_size` bytes, cutting to fit) and terminates it; a length of 0 copies
// the rest of the text from `start`.
void CopySubstring(const char* text, int start, int length, char* target, int target_size);

// Cuts one record's fields into `record` from its two lines as the reader
// delivers them (each ending in one "\n", unless it is a file's last line
// without a line end). The value is left enciphered. Shared by ReadIniEntry and
// the administrator tool, so that both see a record the same way.
void CutIniRecord(const char* header_line, const char* entry_line, IniEntryRecord& record);

// Copies the value text of `entry_line` (as CutIniRecord cuts it, but limited
// only by `target_size` instead of 200 characters) into `target`. A value of
// 97 to 100 plain bytes is 208 characters long; the reader deciphers the value
// text whole, so such values are read back complete.
void CutIniValue(const char* entry_line, char* target, int target_size);

#endif  // SSTRXK_DB_CONFIG_INI_FILE_H_
