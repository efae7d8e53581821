// The access-control files 20P, 35P, 41P and BKL end to end: the built
// sstrxk against an embedded database with the terminal test data, files
// compared byte for byte, with the demo day and with days whose seven-day
// window runs past either end of the calendar; failures through run control.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "export/terminal/terminal_test_data.h"
#include "install_tree.h"

namespace fs = std::filesystem;
using namespace terminal_test;

namespace {

std::string SystemDdl() {
  std::ifstream in(std::string(SSTRXK_SAMPLE_DIR) + "/ddl/system.sql", std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The records of `file` whose weekday (at 0-based `column`) passes `keep`.
std::string Weekdays(const std::string& file, std::size_t column, bool (*keep)(char)) {
  std::string kept;
  for (std::size_t pos = 0; pos < file.size();) {
    std::size_t end = file.find("\r\n", pos) + 2;
    std::string line = file.substr(pos, end - pos);
    if (keep(line[column])) kept += line;
    pos = end;
  }
  return kept;
}

class TerminalE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.WriteStandardConfig();
    tree.RunSql("VLSYSTEM", SystemDdl() + kPlanData);
    dir = tree.root() / "transfer";
    fs::create_directories(dir);
  }
  InstallTree tree;
  fs::path dir;
};

struct FileType {
  const char* argument;  // as the caller writes it
  const char* shown;     // the type code in the final message
  const char* filling;   // the progress message's start
  std::string expected;
};

std::vector<FileType> FileTypes() {
  return {{"20P", "20P", "Importdatei: ", Plan20P_All()},
          {"35p", "35P", "Importdatei : ", Plan35P_All()},
          {"41p", "41P", "Importdatei : ", Plan41P_All()},
          {"Bkl", "BKL", "Importdatei : ", BklAll()}};
}

TEST_F(TerminalE2E, EachFileTypeWritesItsRecordsOfTheComingWeek) {
  for (const FileType& t : FileTypes()) {
    SCOPED_TRACE(t.argument);
    fs::remove(tree.log_file());
    fs::path out = dir / (std::string(t.shown) + ".imp");
    ProcessResult r = tree.Run({out.string(), t.argument});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(tree.ReadFile(out), t.expected);
    EXPECT_EQ(tree.LogMessages(),
              (std::vector<std::string>{t.filling + out.string() + " fuellen...", "Import " + out.string() + " fertig.",
                                        std::string("Die Schnittstellendatei vom Dateityp '") + t.shown +
                                            "' wurde erstellt!"}));
  }
}

TEST_F(TerminalE2E, WindowEndsWithTheCalendar) {
  // The calendar holds June and July 2024. From Monday 29 July only Monday
  // to Wednesday lie in it; from Friday 31 May every day but Friday.
  struct Case {
    const char* date;
    bool (*keep)(char);
  } cases[] = {{"2024-07-29 23:59:59", [](char day) { return day <= '3'; }},
               {"2024-05-31 00:00:00", [](char day) { return day != '5'; }}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    fs::path out20 = dir / "mgsst20p.imp";
    fs::path out41 = dir / "mgsst41p.imp";
    ASSERT_EQ(tree.Run({out20.string(), "20P"}, c.date).exit_code, 0);
    ASSERT_EQ(tree.Run({out41.string(), "41P"}, c.date).exit_code, 0);
    EXPECT_EQ(tree.ReadFile(out20), Weekdays(Plan20P_All(), 257, c.keep));
    EXPECT_EQ(tree.ReadFile(out41), Weekdays(Plan41P_All(), 268, c.keep));
  }
}

TEST_F(TerminalE2E, NoRowsGiveEmptyFilesThatReplaceEarlierOnes) {
  tree.RunSql("VLSYSTEM", "DELETE FROM VLS401ZLS; DELETE FROM VLS301BKL;");
  for (const FileType& t : FileTypes()) {
    SCOPED_TRACE(t.argument);
    fs::path out = dir / (std::string(t.shown) + ".imp");
    { std::ofstream(out, std::ios::binary) << "from an earlier run\r\n"; }
    EXPECT_EQ(tree.Run({out.string(), t.argument}).exit_code, 0);
    EXPECT_TRUE(fs::exists(out));
    EXPECT_EQ(tree.ReadFile(out), "");
  }
}

TEST_F(TerminalE2E, MissingTableFailsEveryAttemptWithTheOpenMessage) {
  struct Case {
    const char* type;
    const char* table;
    const char* message;
  } cases[] = {{"20P", "VLS133BAK", "Fehler in Fkt. SQLOpenS20P(). RC: -942"},
               {"35P", "VLS404ZBR", "Fehler in Fkt. SQLOpenS35P(). RC: -942"},
               {"41P", "VLS402ZUZ", "Fehler in Fkt. SQLOpenS41P(). RC: -942"},
               {"BKL", "VLS301BKL", "Fehler in Fkt. SQLOpenAswBkl(). RC: -942"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    InstallTree fresh;
    fresh.WriteStandardConfig();
    fresh.RunSql("VLSYSTEM", SystemDdl() + kPlanData + "DROP TABLE " + c.table + ";");
    fs::path out = fresh.root() / "out.imp";
    EXPECT_EQ(fresh.RunInProcess({out.string(), c.type}), 99);
    std::vector<std::string> log = fresh.LogMessages();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[1], c.message);
    EXPECT_EQ(log[2], "1. Versuch zur Wiederherstellung der Datenbankverbindung!");  // result 2
    EXPECT_EQ(log.back(), std::string("Die Schnittstellendatei vom Dateityp '") + c.type +
                              "' konnte nicht erstellt werden!");
    EXPECT_EQ(fresh.waits, std::vector<long>(4, 10000));
    EXPECT_TRUE(fs::exists(out));
    EXPECT_EQ(fresh.ReadFile(out), "");
  }
}

TEST_F(TerminalE2E, UnwritableOutputIsResultOneOnEveryAttempt) {
  for (const FileType& t : FileTypes()) {
    SCOPED_TRACE(t.argument);
    fs::remove(tree.log_file());
    fs::path bad = tree.root() / "no-such-dir" / "out.imp";
    EXPECT_EQ(tree.RunInProcess({bad.string(), t.argument}), 99);
    std::vector<std::string> expected(5, "Oeffnen der Datei " + bad.string() + " fehlgeschlagen");
    expected.push_back(std::string("Die Schnittstellendatei vom Dateityp '") + t.shown +
                       "' konnte nicht erstellt werden!");
    EXPECT_EQ(tree.LogMessages(), expected);
    EXPECT_EQ(tree.waits, std::vector<long>(4, 10000));  // no reconnect after result 1
  }
}

}  // namespace
