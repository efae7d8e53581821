// The configuration file reader: field cutting with its odd cases, the text
// helpers, and lookups in small files that exercise every matching rule.
#include "db/config/ini_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "db/config/ini_cipher.h"

namespace {

// A file with the given bytes in the test's temporary directory, removed again
// at the end of the test.
class TempFile {
 public:
  explicit TempFile(const std::string& content) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = ::testing::TempDir() + "sstrxk_ini_" + info->name() + "_" +
            std::to_string(std::random_device{}()) + ".ini";
    std::ofstream out(path_, std::ios::binary);
    out << content;
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const char* path() const { return path_.c_str(); }

 private:
  std::string path_;
};

std::string Hex(const std::string& plain) { return EncryptIniValue(plain, kIniCipherKey); }

// One record: the header line, then the entry line `entry_head` followed by
// the enciphered `plain`, each ended by `eol`.
std::string Record(const std::string& header, const std::string& entry_head,
                   const std::string& plain, const std::string& eol = "\r\n") {
  return header + eol + entry_head + Hex(plain) + eol;
}

TEST(FindNthChar, Positions) {
  struct Case {
    const char* text;
    int n;
    int expected;
  };
  const Case kCases[] = {
      {"a;b;c", 1, 1}, {"a;b;c", 2, 3}, {"a;b;c", 3, 3},  // fewer than n: the last one
      {"a;b", 2, 1},   {"abc", 1, -1},  {"", 1, -1},   {";;", 2, 1},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(FindNthChar(c.text, ';', c.n), c.expected) << c.text << " n=" << c.n;
  }
}

TEST(CopySubstring, LengthZeroMeansRestAndTargetIsNeverOverrun) {
  char target[8];
  CopySubstring("abc;def\n", 4, 3, target, sizeof target);
  EXPECT_STREQ(target, "def");
  CopySubstring("abc;def\n", 4, 0, target, sizeof target);
  EXPECT_STREQ(target, "def\n");
  CopySubstring("abc", 1, 10, target, sizeof target);  // only what the text has
  EXPECT_STREQ(target, "bc");
  CopySubstring("abc", 1, -1, target, sizeof target);
  EXPECT_STREQ(target, "");
  CopySubstring("abc", 5, 1, target, sizeof target);
  EXPECT_STREQ(target, "");
  CopySubstring("0123456789abcdef", 0, 0, target, sizeof target);  // cut to 7 + terminator
  EXPECT_STREQ(target, "0123456");
}

TEST(CutIniRecord, FieldsAndTheirSpecialCases) {
  struct Case {
    const char* header;
    const char* entry;
    const char* section;
    int id;
    const char* key;
    const char* value;
  };
  const Case kCases[] = {
      {"1;Datenbank;\n", "7;NET8;ABCD\n", "Datenbank", 7, "NET8", "ABCD"},
      {"1;A;B;C\n", "7;K;V;W\n", "A", 7, "K", "V;W"},
      // Fewer than two ";": empty section or key.
      {"1;Datenbank\n", "7;ABCD\n", "", 7, "", "ABCD"},
      {"Datenbank\n", "ABCD\n", "", 0, "", "ABCD"},
      // Two adjacent ";": the rest of the line, second ";" and line end included.
      {"1;;\n", "7;;ABCD\n", ";\n", 7, ";ABCD\n", "ABCD"},
      {"1;;rest\n", "7;;\n", ";rest\n", 7, ";\n", ""},
      // The id: read like atoi; nothing before the first ";" gives 0.
      {"1;S;\n", ";K;V\n", "S", 0, "K", "V"},
      {"1;S;\n", "abc;K;V\n", "S", 0, "K", "V"},
      {"1;S;\n", "  -12x;K;V\n", "S", -12, "K", "V"},
      {"1;S;\n", "99999999999;K;V\n", "S", INT_MAX, "K", "V"},
      {"1;S;\n", "-99999999999;K;V\n", "S", INT_MIN, "K", "V"},
      {"1;S;\n", "0000000000000000001;K;V\n", "S", 0, "K", "V"},  // only 15 characters read
      // The value: empty without line end, empty when there are no characters.
      {"1;S;\n", "7;K;V", "S", 7, "K", ""},
      {"1;S;\n", "7;K;\n", "S", 7, "K", ""},
      {"1;S;\n", "", "S", 0, "", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.header) + "|" + c.entry);
    IniEntryRecord record;
    record.id = 99;
    record.value.Assign("stale");
    CutIniRecord(c.header, c.entry, record);
    EXPECT_EQ(record.section.view(), c.section);
    EXPECT_EQ(record.id, c.id);
    EXPECT_EQ(record.key.view(), c.key);
    EXPECT_EQ(record.value.view(), c.value);
  }
}

TEST(CutIniRecord, FieldsAreCutTo200Characters) {
  const std::string long_text(250, 'k');
  IniEntryRecord record;
  CutIniRecord(("1;" + long_text + ";\n").c_str(), ("7;" + long_text + ";" + long_text + "\n").c_str(),
               record);
  EXPECT_EQ(record.section.view(), long_text.substr(0, 200));
  EXPECT_EQ(record.key.view(), long_text.substr(0, 200));
  EXPECT_EQ(record.value.view(), long_text.substr(0, 200));
}

// The three credentials as the exporter asks for them: empty section, id 0.
struct Lookup {
  const char* key;
  const char* value;
};

void ExpectLookups(const char* path, std::initializer_list<Lookup> lookups) {
  for (const Lookup& l : lookups) {
    SCOPED_TRACE(l.key);
    ReadIniEntry("", l.key, 0, path);
    EXPECT_EQ(IniEntry.value.view(), l.value);
  }
}

TEST(ReadIniEntry, FindsRecordsInAnyOrderByKeyWithEitherLineEnd) {
  for (const char* eol : {"\r\n", "\n"}) {
    SCOPED_TRACE(eol[0] == '\r' ? "CR LF" : "LF");
    TempFile file(Record("1;Datenbank;", "3;PASS;", "geheim", eol) +
                  Record("2;Datenbank;", "1;NET8;", "sqlite:../../db", eol) +
                  Record("3;Datenbank;", "2;LOGIN;", "velorium", eol));
    ExpectLookups(file.path(), {{"NET8", "sqlite:../../db"}, {"LOGIN", "velorium"}, {"PASS", "geheim"}});

    ReadIniEntry("", "LOGIN", 0, file.path());
    EXPECT_EQ(IniEntry.id, 2);
    EXPECT_EQ(IniEntry.section.view(), "Datenbank");
    EXPECT_EQ(IniEntry.key.view(), "LOGIN");
  }
}

TEST(ReadIniEntry, MatchesBySectionKeyOrIdWhicheverComesFirst) {
  TempFile file(Record("1;Netz;", "5;NET8;", "alias") + Record("2;Konto;", "42;LOGIN;", "user") +
                Record("3;Konto;", "43;PASS;", "pw"));
  ReadIniEntry("Konto", "nokey", 99, file.path());
  EXPECT_EQ(IniEntry.value.view(), "user");
  ReadIniEntry("nosection", "nokey", 43, file.path());
  EXPECT_EQ(IniEntry.value.view(), "pw");
  ReadIniEntry("nosection", "PASS", 5, file.path());  // the id of the first record wins
  EXPECT_EQ(IniEntry.value.view(), "alias");
}

TEST(ReadIniEntry, AnEarlierRecordWithIdZeroAnswersEveryLookup) {
  // The exporter asks with id 0, so the first record whose id reads as 0
  // answers, whatever its key.
  const std::string kIdZeroEntries[] = {"0;OTHER;", ";OTHER;", "abc;OTHER;", ""};
  for (const std::string& head : kIdZeroEntries) {
    SCOPED_TRACE(head);
    TempFile file(Record("1;Datenbank;", "7;NET8;", "alias") + Record("2;Datenbank;", head, "first") +
                  Record("3;Datenbank;", "9;LOGIN;", "user"));
    ExpectLookups(file.path(), {{"NET8", "alias"}, {"LOGIN", "first"}, {"PASS", "first"}});
  }
}

TEST(ReadIniEntry, HeaderWithFewerThanTwoSemicolonsAnswersEveryLookup) {
  for (const char* header : {"2;Datenbank", "Datenbank"}) {
    SCOPED_TRACE(header);
    TempFile file(Record("1;Datenbank;", "7;NET8;", "alias") + Record(header, "8;OTHER;", "second") +
                  Record("3;Datenbank;", "9;LOGIN;", "user"));
    ExpectLookups(file.path(), {{"NET8", "alias"}, {"LOGIN", "second"}, {"PASS", "second"}});
  }
}

TEST(ReadIniEntry, AdjacentSemicolonsDoNotMatchAnEmptySection) {
  TempFile file(Record("1;;", "7;OTHER;", "other") + Record("2;;", "8;LOGIN;", "user"));
  ReadIniEntry("", "LOGIN", 0, file.path());
  EXPECT_EQ(IniEntry.value.view(), "user");
  EXPECT_EQ(IniEntry.section.view(), ";\n");
}

TEST(ReadIniEntry, FirstOfTwoRecordsWithTheSameKeyWins) {
  TempFile file(Record("1;Datenbank;", "1;LOGIN;", "first") + Record("2;Datenbank;", "2;LOGIN;", "second"));
  ExpectLookups(file.path(), {{"LOGIN", "first"}});
}

TEST(ReadIniEntry, AnOddLastLineIsIgnored) {
  // Three lines: only the first record; the third line would match LOGIN if
  // it were read as an entry line.
  TempFile three("1;Datenbank;\r\n1;NET8;" + Hex("alias") + "\r\n2;LOGIN;" + Hex("user") + "\r\n");
  ExpectLookups(three.path(), {{"NET8", "alias"}, {"LOGIN", ""}});

  TempFile five(Record("1;Datenbank;", "1;NET8;", "alias") + Record("2;Datenbank;", "2;LOGIN;", "user") +
                "3;PASS;" + Hex("pw"));
  ExpectLookups(five.path(), {{"NET8", "alias"}, {"LOGIN", "user"}, {"PASS", ""}});
}

TEST(ReadIniEntry, LastEntryLineWithoutLineEndHasAnEmptyValue) {
  TempFile file(Record("1;Datenbank;", "1;NET8;", "alias") + "2;Datenbank;\r\n2;PASS;" + Hex("pw"));
  ReadIniEntry("", "PASS", 0, file.path());
  EXPECT_EQ(IniEntry.key.view(), "PASS");
  EXPECT_EQ(IniEntry.id, 2);
  EXPECT_EQ(IniEntry.value.view(), "");
}

TEST(ReadIniEntry, NoMatchAndMissingFileLeaveAnEmptyEntry) {
  TempFile file(Record("1;Datenbank;", "1;NET8;", "alias"));
  const std::string missing = std::string(file.path()) + ".missing";
  for (const char* path : {file.path(), missing.c_str()}) {
    SCOPED_TRACE(path);
    ReadIniEntry("", "NET8", 0, file.path());  // leave a filled entry behind
    ASSERT_EQ(IniEntry.value.view(), "alias");
    ReadIniEntry("", "PASS", 0, path);
    EXPECT_EQ(IniEntry.id, 0);
    EXPECT_TRUE(IniEntry.section.empty());
    EXPECT_TRUE(IniEntry.key.empty());
    EXPECT_TRUE(IniEntry.value.empty());
  }
}

TEST(ReadIniEntry, OverlongLinesAreCutAndStillCountAsOneLine) {
  // A header line far beyond 198 characters, an entry line beyond 398 whose
  // value is cut to 200 characters (100 plain bytes): the records after them
  // are still paired correctly.
  const std::string plain100(100, 'v');
  TempFile file("1;Datenbank;" + std::string(300, 'h') + "\r\n" + "1;LONG;" + Hex(plain100) +
                std::string(250, 'A') + "\r\n" + Record("2;Datenbank;", "2;LOGIN;", "user"));
  ExpectLookups(file.path(), {{"LONG", plain100.c_str()}, {"LOGIN", "user"}});
}

TEST(ReadIniEntry, ValueTextBeyond200CharactersIsDecipheredWhole) {
  // 100 plain bytes pad to 104 and make 208 characters; 120 make 240.
  for (std::size_t length : {96u, 97u, 100u, 120u}) {
    SCOPED_TRACE(length);
    const std::string plain(length, 'w');
    TempFile file(Record("1;Datenbank;", "1;LONG;", plain));
    ExpectLookups(file.path(), {{"LONG", plain.c_str()}});
  }
}

TEST(CutIniValue, TakesTheWholeValueUpToTheTargetSize) {
  const std::string value(300, 'A');
  char target[400];
  CutIniValue(("7;K;" + value + "\n").c_str(), target, sizeof target);
  EXPECT_EQ(std::string(target), value);
  CutIniValue(("7;K;" + value).c_str(), target, sizeof target);  // no line end
  EXPECT_EQ(std::string(target), "");
  char small[5];
  CutIniValue("7;ABCDEFGH\n", small, sizeof small);  // one ";": all after it, cut
  EXPECT_STREQ(small, "ABCD");
}

}  // namespace
