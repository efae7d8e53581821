// sstrxk-ini's commands. The file is kept as its lines; a record is a pair of
// lines counted from the top, as the exporter's reader takes them, and is
// looked at through the reader's own field cutting (CutIniRecord), so that what
// this tool lists and replaces is what the exporter sees. `set` rewrites the
// whole file with CR LF line ends (the product's files are Windows files),
// leaving every other record's text as it was.
//
// The exporter asks for its values with an empty section and id 0, and a
// record matches by section, key or id. A record written with id 0 or an
// empty section would therefore answer every one of its lookups; `set` never
// writes either.
#include "ini/ini_admin.h"

#include <climits>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "db/config/ini_cipher.h"
#include "db/config/ini_file.h"

namespace {

constexpr char kDefaultSection[] = "Datenbank";
constexpr std::size_t kMaxPlainBytes = 100;  // 200 hexadecimal characters
constexpr std::size_t kMaxFieldChars = 200;

constexpr char kUsage[] =
    "usage: sstrxk-ini set <file> <key> <value> [--section <name>] [--id <n>]\n"
    "       sstrxk-ini list <file>\n"
    "       sstrxk-ini get <file> <key>\n"
    "\n"
    "set   enciphers <value> and stores it under <key>: the first record with\n"
    "      that key is replaced in place, otherwise a record is appended; the\n"
    "      file is created when missing. Section default \"Datenbank\", id default\n"
    "      the record's own or the smallest free positive number.\n"
    "list  shows every record: section, id, key and deciphered value (tab-separated;\n"
    "      the value of PASS is masked).\n"
    "get   shows the value the exporter reads for <key> (empty section, id 0).\n";

// The file as lines without their line ends.
struct IniLines {
  std::vector<std::string> lines;
  bool last_has_line_end = true;  // false when the file ends inside its last line
};

int Usage(std::ostream& err) {
  err << kUsage;
  return kIniAdminUsage;
}

// Reads `path` into lines; LF and CR LF both end a line. Returns false when the
// file cannot be opened or read.
bool ReadLines(const std::string& path, IniLines& file) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (in == nullptr) return false;
  std::string content;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) content.append(buffer, n);
  const bool failed = std::ferror(in) != 0;
  std::fclose(in);
  if (failed) return false;

  file = IniLines{};
  std::size_t begin = 0;
  while (begin < content.size()) {
    std::size_t end = content.find('\n', begin);
    if (end == std::string::npos) {
      file.lines.push_back(content.substr(begin));
      file.last_has_line_end = false;
      break;
    }
    std::size_t text_end = end;
    if (text_end > begin && content[text_end - 1] == '\r') --text_end;
    file.lines.push_back(content.substr(begin, text_end - begin));
    begin = end + 1;
  }
  return true;
}

// Writes the lines, each ended by CR LF, through a temporary file that then
// replaces `path`, so that a failed write leaves the old file intact.
bool WriteLines(const std::string& path, const IniLines& file) {
  const std::string temp_path = path + ".tmp";
  std::FILE* out = std::fopen(temp_path.c_str(), "wb");
  if (out == nullptr) return false;
  bool ok = true;
  for (const std::string& line : file.lines) {
    ok = ok && std::fwrite(line.data(), 1, line.size(), out) == line.size() &&
         std::fwrite("\r\n", 1, 2, out) == 2;
  }
  ok = std::fclose(out) == 0 && ok;
  std::error_code ec;
  if (ok) std::filesystem::rename(temp_path, path, ec);
  if (!ok || ec) {
    std::filesystem::remove(temp_path, ec);
    return false;
  }
  return true;
}

std::size_t RecordCount(const IniLines& file) { return file.lines.size() / 2; }

// The entry line of record `index` (from 0) as the exporter's reader gets it:
// cut to its limit and ended by "\n", unless it is a last line without one.
std::string ReaderEntryLine(const IniLines& file, std::size_t index) {
  std::string entry = file.lines[2 * index + 1].substr(0, kIniEntryLineChars);
  const bool is_last_line = 2 * index + 2 == file.lines.size();
  if (!is_last_line || file.last_has_line_end) entry += "\n";
  return entry;
}

// Record `index` as the exporter's reader cuts it, the value still enciphered.
IniEntryRecord ReaderView(const IniLines& file, std::size_t index) {
  const std::string header = file.lines[2 * index].substr(0, kIniHeaderLineChars) + "\n";
  IniEntryRecord record;
  CutIniRecord(header.c_str(), ReaderEntryLine(file, index).c_str(), record);
  return record;
}

// Record `index`'s value deciphered, as the reader deciphers it on a match.
std::string DecipheredValue(const IniLines& file, std::size_t index) {
  char value_text[kIniEntryLineChars + 1];
  char plain[kIniEntryLineChars / 2 + 1];
  CutIniValue(ReaderEntryLine(file, index).c_str(), value_text, sizeof value_text);
  DecryptIniValue(value_text, plain, kIniCipherKey);
  return plain;
}

// Control characters (the line end an adjacent ";;" leaves in a section, for
// instance) are shown as \xNN so that every record stays on one output line.
std::string Printable(std::string_view text) {
  std::string shown;
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    } else {
      shown += c;
    }
  }
  return shown;
}

// A section or key that the file format can carry and that does not make the
// record answer the exporter's lookups: not empty, no ";", no line break.
bool IsPlainField(std::string_view text) {
  return !text.empty() && text.size() <= kMaxFieldChars &&
         text.find_first_of(";\r\n") == std::string_view::npos;
}

// A positive decimal id within int, as the reader will read it back.
bool ParsePositiveId(const std::string& text, int& id) {
  if (text.empty() || text.size() > 10) return false;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > INT_MAX) return false;
  id = static_cast<int>(value);
  return true;
}

int SmallestFreeId(const IniLines& file) {
  std::vector<bool> used(RecordCount(file) + 2, false);
  for (std::size_t i = 0; i < RecordCount(file); ++i) {
    const int id = ReaderView(file, i).id;
    if (id > 0 && static_cast<std::size_t>(id) < used.size()) used[id] = true;
  }
  int id = 1;
  while (used[id]) ++id;
  return id;
}

struct SetArgs {
  std::string path;
  std::string key;
  std::string value;
  std::string section;  // empty: not given
  int id = 0;           // 0: not given
};

// Parses the arguments after "set". "--" ends the options, so that a value
// beginning with "--" can still be given.
bool ParseSetArgs(const std::vector<std::string>& args, SetArgs& set, std::ostream& err) {
  std::vector<std::string> positional;
  bool options_done = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!options_done && arg == "--") {
      options_done = true;
    } else if (!options_done && (arg == "--section" || arg == "--id")) {
      if (i + 1 >= args.size()) return false;
      const std::string& option_value = args[++i];
      if (arg == "--section") {
        if (!IsPlainField(option_value)) {
          err << "sstrxk-ini: the section must be 1 to 200 characters without \";\" or line breaks\n";
          return false;
        }
        set.section = option_value;
      } else if (!ParsePositiveId(option_value, set.id)) {
        err << "sstrxk-ini: the id must be a number from 1 to " << INT_MAX
            << " (a record with id 0 would answer every lookup of the exporter)\n";
        return false;
      }
    } else if (!options_done && arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      err << "sstrxk-ini: unknown option " << arg << "\n";
      return false;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 3) return false;
  set.path = positional[0];
  set.key = positional[1];
  set.value = positional[2];
  if (!IsPlainField(set.key)) {
    err << "sstrxk-ini: the key must be 1 to 200 characters without \";\" or line breaks\n";
    return false;
  }
  return true;
}

int Set(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SetArgs set;
  if (!ParseSetArgs(args, set, err)) return Usage(err);
  if (set.value.size() > kMaxPlainBytes) {
    err << "sstrxk-ini: the value has " << set.value.size() << " bytes; at most " << kMaxPlainBytes
        << " fit in a configuration record\n";
    return kIniAdminUsage;
  }

  IniLines file;
  std::error_code ec;
  if (std::filesystem::exists(set.path, ec) && !ReadLines(set.path, file)) {
    err << "sstrxk-ini: cannot read " << set.path << "\n";
    return kIniAdminFileError;
  }
  // Blank lines at the end carry nothing; a non-blank odd last line would
  // pair up with an appended record's header and hide it, so the file is
  // left for the administrator to mend.
  while (!file.lines.empty() && file.lines.back().empty()) file.lines.pop_back();
  if (file.lines.size() % 2 != 0) {
    err << "sstrxk-ini: " << set.path << " has an odd number of lines; line " << file.lines.size()
        << " belongs to no record. Mend the file by hand first.\n";
    return kIniAdminFileError;
  }

  std::size_t index = RecordCount(file);
  for (std::size_t i = 0; i < RecordCount(file); ++i) {
    if (ReaderView(file, i).key == set.key) {
      index = i;
      break;
    }
  }
  const bool replacing = index < RecordCount(file);

  // A replaced record keeps its own section and id when they are safe ones.
  std::string section = set.section;
  int id = set.id;
  if (replacing) {
    const IniEntryRecord old = ReaderView(file, index);
    if (section.empty() && IsPlainField(old.section.view())) section = old.section.str();
    if (id == 0 && old.id > 0) id = old.id;
  }
  if (section.empty()) section = kDefaultSection;
  if (id == 0) id = SmallestFreeId(file);

  const std::string header = std::to_string(index + 1) + ";" + section + ";";
  const std::string entry =
      std::to_string(id) + ";" + set.key + ";" + EncryptIniValue(set.value, kIniCipherKey);
  if (header.size() > static_cast<std::size_t>(kIniHeaderLineChars) ||
      entry.size() > static_cast<std::size_t>(kIniEntryLineChars)) {
    err << "sstrxk-ini: the record's lines would exceed " << kIniHeaderLineChars << " and "
        << kIniEntryLineChars << " characters; use a shorter section or key\n";
    return kIniAdminUsage;
  }
  if (replacing) {
    file.lines[2 * index] = header;
    file.lines[2 * index + 1] = entry;
  } else {
    file.lines.push_back(header);
    file.lines.push_back(entry);
  }
  file.last_has_line_end = true;
  if (!WriteLines(set.path, file)) {
    err << "sstrxk-ini: cannot write " << set.path << "\n";
    return kIniAdminFileError;
  }
  out << "record " << index + 1 << (replacing ? " replaced" : " appended") << ": section "
      << section << ", id " << id << ", key " << set.key << "\n";

  // Check what the exporter will read: an earlier record with id 0 or an
  // empty section would answer in this one's place.
  ReadIniEntry("", set.key.c_str(), 0, set.path.c_str());
  if (IniEntry.key != set.key || IniEntry.id != id) {
    err << "sstrxk-ini: warning: the exporter's lookup of " << set.key
        << " is answered by an earlier record (key \"" << Printable(IniEntry.key.view())
        << "\", id " << IniEntry.id << ", section \"" << Printable(IniEntry.section.view())
        << "\"), which matches by id 0 or an empty section\n";
  }
  return kIniAdminOk;
}

int List(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return Usage(err);
  IniLines file;
  if (!ReadLines(args[1], file)) {
    err << "sstrxk-ini: cannot read " << args[1] << "\n";
    return kIniAdminFileError;
  }
  for (std::size_t i = 0; i < RecordCount(file); ++i) {
    const IniEntryRecord record = ReaderView(file, i);
    const std::string value = record.key == "PASS" ? "********" : Printable(DecipheredValue(file, i));
    out << Printable(record.section.view()) << "\t" << record.id << "\t"
        << Printable(record.key.view()) << "\t" << value << "\n";
  }
  if (file.lines.size() % 2 != 0) {
    err << "sstrxk-ini: note: line " << file.lines.size() << " belongs to no record and is ignored\n";
  }
  return kIniAdminOk;
}

int Get(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) return Usage(err);
  const std::string& path = args[1];
  const std::string& key = args[2];
  IniLines file;
  if (!ReadLines(path, file)) {
    err << "sstrxk-ini: cannot read " << path << "\n";
    return kIniAdminFileError;
  }
  ReadIniEntry("", key.c_str(), 0, path.c_str());
  out << IniEntry.value.view() << "\n";
  if (IniEntry.key != key) {
    if (IniEntry.id == 0 && IniEntry.section.empty() && IniEntry.key.empty() && IniEntry.value.empty()) {
      err << "sstrxk-ini: note: no record answers " << key << "; the exporter reads an empty value\n";
    } else {
      err << "sstrxk-ini: note: " << key << " is answered by the record with key \""
          << Printable(IniEntry.key.view()) << "\" (id " << IniEntry.id << ", section \""
          << Printable(IniEntry.section.view()) << "\"), which matches by id 0 or an empty section\n";
    }
  }
  return kIniAdminOk;
}

}  // namespace

int RunIniAdmin(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Usage(err);
  if (args[0] == "set") return Set(args, out, err);
  if (args[0] == "list") return List(args, out, err);
  if (args[0] == "get") return Get(args, out, err);
  return Usage(err);
}
