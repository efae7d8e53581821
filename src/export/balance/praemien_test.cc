// Premium data: the column splitting of one line as a table, then reading
// whole files (line ends, long lines, missing file) and the lookup by
// person number.
#include "export/balance/praemien.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/fake_env.h"
#include "export/balance/balance_test_files.h"
#include "export/balance/saldo.h"
#include "runctl/run_state.h"

namespace {

TEST(Praemien, SplitsLinesIntoPersonAndPercentages) {
  struct Case {
    std::string line;
    std::string person;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"12345678 12.5 3.75\n", "12345678", "ZG  12,5%  ZK  3,75%"},
      {"4711 007.50 100\n", "4711", "ZG  7,50%  ZK   100%"},
      {"4711 0 5\n", "4711", "ZG      %  ZK     5%"},      // a lone 0 is lost
      {"4711 0.5 0\n", "4711", "ZG   0,5%  ZK      %"},
      {"4711 5 0", "4711", "ZG     5%  ZK     0%"},        // the line's last character stays
      {"4711 00 000\n", "4711", "ZG      %  ZK      %"},
      {"4711 123456.5 1\n", "4711", "ZG 456,5%  ZK     1%"},   // last five characters
      {"4711 99999999999999999999.5 1\n", "4711", "ZG 999,5%  ZK     1%"},
      {"  4711 5 6\n", "", "ZG  4711%  ZK     5%"},         // two leading blanks
      {" 4711 5 6\n", "4711", "ZG     5%  ZK     6%"},       // one is tolerated
      {"4711   5    6\n", "4711", "ZG     5%  ZK     6%"},
      {"4711 5 6 7 8\n", "4711", "ZG     5%  ZK     6%"},     // further columns ignored
      {"4711\t5 6\n", "4711\t5", "ZG     6%  ZK      %"},     // a tab is no separator
      {"4711 5\r6\n", "4711", "ZG     5%  ZK      %"},       // a CR ends the line
      {"4711 5,5 6\n", "4711", "ZG   5,5%  ZK     6%"},
      {"\n", "", "ZG      %  ZK      %"},
      {"", "", "ZG      %  ZK      %"},
      {"12345678\n", "12345678", "ZG      %  ZK      %"},
  };
  for (const Case& c : cases) {
    PraemienEntry entry;
    ASSERT_TRUE(SplitPraemienLine(c.line, entry)) << c.line;
    EXPECT_EQ(entry.person, c.person) << c.line;
    EXPECT_EQ(entry.text, c.text) << c.line;
    EXPECT_EQ(entry.text.size(), 20u) << c.line;
  }
}

TEST(Praemien, PersonNumberLongerThanEightLeavesTheLineOut) {
  PraemienEntry entry;
  EXPECT_FALSE(SplitPraemienLine("123456789 5 6\n", entry));
  EXPECT_TRUE(SplitPraemienLine("12345678 5 6\n", entry));
}

class PraemienFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRunState();
    DebugFlag = 1;  // messages to the (fake) console
  }
  void TearDown() override {
    ClearPraemiendaten();
    ResetRunState();
  }

  std::vector<std::string> Persons() const {
    std::vector<std::string> persons;
    for (const PraemienEntry& e : PraemienTable) persons.push_back(e.person.str());
    return persons;
  }

  FakeEnv env;
  TempDir dir;
};

TEST_F(PraemienFile, ReadsEveryLineInFileOrder) {
  std::string long_line = "4713 5 6" + std::string(41, ' ') + "4714 1 2";  // 49 + 8 characters
  ASSERT_TRUE(ReadPraemiendatenFile(dir.Write("p.txt", "4711 10 20\r\n\r\n4712 1.5 2.5\r\n" + long_line + "\r\n"
                                                       "123456789 1 1\r\n4711 99 99")));
  EXPECT_EQ(Persons(), (std::vector<std::string>{"4711", "", "4712", "4713", "4714", "4711"}));
  EXPECT_EQ(PraemienTable[0].text, "ZG    10%  ZK    20%");
  EXPECT_EQ(PraemienTable[2].text, "ZG   1,5%  ZK   2,5%");
  EXPECT_EQ(PraemienTable[4].text, "ZG     1%  ZK     2%");  // the rest of the long line
  EXPECT_EQ(PraemienTable[5].text, "ZG    99%  ZK    99%");
  EXPECT_EQ(env.console, "");
}

TEST_F(PraemienFile, EmptyFileIsReadWithoutEntries) {
  ASSERT_TRUE(ReadPraemiendatenFile(dir.Write("p.txt", "4711 1 2\r\n")));
  ASSERT_EQ(PraemienTable.size(), 1u);
  ASSERT_TRUE(ReadPraemiendatenFile(dir.Write("p.txt", "")));
  EXPECT_TRUE(PraemienTable.empty());
}

TEST_F(PraemienFile, MissingFileIsLoggedAndLeavesTheTableEmpty) {
  ASSERT_TRUE(ReadPraemiendatenFile(dir.Write("p.txt", "4711 1 2\r\n")));
  EXPECT_FALSE(ReadPraemiendatenFile(dir.path() / "missing.txt"));
  EXPECT_TRUE(PraemienTable.empty());
  EXPECT_EQ(env.console, "Oeffnen der Praemiensystemdatei ist fehlgeschlagen\n");
}

TEST_F(PraemienFile, FixedPathIsTwoLevelsUpInTheTransferDirectory) {
  EXPECT_EQ(PraemienFilePath(), std::filesystem::path("..") / ".." / "transfer" / "KWPL" / "PraemienKWPL.txt");
}

TEST_F(PraemienFile, FirstLineForAPersonWinsAndEmptyPersonsNeverMatch) {
  ASSERT_TRUE(ReadPraemiendatenFile(dir.Write("p.txt", "\r\n4711 1 2\r\n4711 3 4\r\n47110 5 6\r\n")));
  SaldoRecord record;
  InitSaldoRecord(record);
  record.F10.Assign("from the mapping");
  FindPraemiendaten("4711", record);
  EXPECT_EQ(record.F10, "ZG     1%  ZK     2%");

  record.F10.Assign("from the mapping");
  FindPraemiendaten("471", record);  // no prefix match
  EXPECT_EQ(record.F10, "from the mapping");
  FindPraemiendaten("", record);
  EXPECT_EQ(record.F10, "from the mapping");
  FindPraemiendaten("47110", record);
  EXPECT_EQ(record.F10, "ZG     5%  ZK     6%");
}

}  // namespace
