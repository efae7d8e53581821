// Premium data (see praemien.h).
//
// Splitting a line, character by character: a CR or LF ends it; a blank
// ends the current item and is skipped (only the blank separates, a tab is
// an ordinary character); a character at the third position of the line or
// later that follows a blank starts the next column, so one leading blank is
// tolerated and two make the first item the first percentage. Column 1 is
// the person number, columns 2 and 3 the percentages ("." stored as ","),
// later columns are ignored. In the percentages a leading "0" is dropped
// unless it is the line's last character or a "." follows it. Afterwards
// each percentage keeps only its last five characters, whatever its length.
// A person number of more than eight characters would not fit its field and
// could be mistaken for a shorter one, so its line is left out.
#include "export/balance/praemien.h"

#include <new>
#include <string>

#include "export/balance/text_mode_file.h"
#include "runctl/run_log.h"

std::vector<PraemienEntry> PraemienTable;

namespace {

constexpr std::size_t kPersonChars = 8;
constexpr std::size_t kPercentChars = 5;

std::string LastChars(const std::string& text, std::size_t n) {
  return text.size() > n ? text.substr(text.size() - n) : text;
}

}  // namespace

std::filesystem::path PraemienFilePath() {
  return std::filesystem::path("..") / ".." / "transfer" / "KWPL" / "PraemienKWPL.txt";
}

bool SplitPraemienLine(std::string_view line, PraemienEntry& entry) {
  std::string columns[3];
  int column = 1;
  std::size_t position = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '\r' || c == '\n') break;
    if (c == ' ') {
      position = 0;
      continue;
    }
    if (i >= 2 && line[i - 1] == ' ') ++column;
    if (column > 3) continue;
    bool percentage = column == 2 || column == 3;
    if (percentage && position == 0 && c == '0' && i + 1 < line.size() && line[i + 1] != '.') continue;
    columns[column - 1].push_back(percentage && c == '.' ? ',' : c);
    ++position;
  }
  if (columns[0].size() > kPersonChars) return false;
  entry.person.Assign(columns[0]);
  entry.text.Format("ZG %5s%%  ZK %5s%%", LastChars(columns[1], kPercentChars).c_str(),
                    LastChars(columns[2], kPercentChars).c_str());
  return true;
}

void ClearPraemiendaten() {
  PraemienTable.clear();
  PraemienTable.shrink_to_fit();
}

bool ReadPraemiendatenFile(const std::filesystem::path& path) {
  ClearPraemiendaten();
  TextModeFile file(path);
  if (!file.is_open()) {
    LogMessage("Oeffnen der Praemiensystemdatei ist fehlgeschlagen");
    return false;
  }
  try {
    PraemienTable.reserve(1);
  } catch (const std::bad_alloc&) {
    LogMessage("Speicherallokierungsfehler beim Einlesen der Praemiendaten");
    ClearPraemiendaten();
    return false;
  }
  std::string line;
  while (file.ReadLine(kPraemienLineChars, line)) {
    PraemienEntry entry;
    if (!SplitPraemienLine(line, entry)) continue;
    try {
      PraemienTable.push_back(entry);
    } catch (const std::bad_alloc&) {
      LogMessage("Speicherreallokierungsfehler beim Einlesen der Praemiendaten\n");
      ClearPraemiendaten();
      return false;
    }
  }
  return true;
}

bool ReadPraemiendaten() { return ReadPraemiendatenFile(PraemienFilePath()); }

void FindPraemiendaten(const char* person, SaldoRecord& record) {
  std::string_view wanted(person);
  if (wanted.empty()) return;
  for (const PraemienEntry& entry : PraemienTable) {
    if (entry.person == wanted) {
      record.F10.Assign(entry.text.view());
      return;
    }
  }
}
