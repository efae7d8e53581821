// sstrxk-ini's commands on files in a temporary directory: values written by
// `set` are what the exporter's reader finds, records are replaced in place,
// lines end with CR LF, `list` masks the password, and bad input is refused.
#include "ini/ini_admin.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "db/config/ini_cipher.h"
#include "db/config/ini_file.h"

namespace {

class IniAdminTest : public ::testing::Test {
 protected:
  IniAdminTest() {
    path_ = ::testing::TempDir() + "sstrxk_ini_admin_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
            std::to_string(std::random_device{}()) + ".ini";
    std::remove(path_.c_str());
  }
  ~IniAdminTest() override { std::remove(path_.c_str()); }

  // Runs the tool; keeps what it printed in out_ and err_.
  int Run(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunIniAdmin(args, out, err);
    out_ = out.str();
    err_ = err.str();
    return code;
  }

  std::string FileBytes() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  void WriteFile(const std::string& bytes) const {
    std::ofstream(path_, std::ios::binary) << bytes;
  }

  // What the exporter reads for `key`.
  std::string ExporterValue(const char* key) const {
    ReadIniEntry("", key, 0, path_.c_str());
    return IniEntry.value.str();
  }

  std::string path_;
  std::string out_;
  std::string err_;
};

std::string Hex(const std::string& plain) { return EncryptIniValue(plain, kIniCipherKey); }

TEST_F(IniAdminTest, SetCreatesTheFileAndTheExporterReadsTheValues) {
  ASSERT_EQ(Run({"set", path_, "NET8", "sqlite:../../db"}), kIniAdminOk) << err_;
  ASSERT_EQ(Run({"set", path_, "LOGIN", "demo"}), kIniAdminOk) << err_;
  ASSERT_EQ(Run({"set", path_, "PASS", "geheim"}), kIniAdminOk) << err_;
  EXPECT_EQ(err_, "");

  EXPECT_EQ(ExporterValue("NET8"), "sqlite:../../db");
  EXPECT_EQ(ExporterValue("LOGIN"), "demo");
  EXPECT_EQ(ExporterValue("PASS"), "geheim");

  // Headers number the records, ids are the next free ones, CR LF ends every line.
  EXPECT_EQ(FileBytes(), "1;Datenbank;\r\n1;NET8;" + Hex("sqlite:../../db") + "\r\n" +
                             "2;Datenbank;\r\n2;LOGIN;" + Hex("demo") + "\r\n" +
                             "3;Datenbank;\r\n3;PASS;" + Hex("geheim") + "\r\n");

  ASSERT_EQ(Run({"get", path_, "NET8"}), kIniAdminOk);
  EXPECT_EQ(out_, "sqlite:../../db\n");
}

TEST_F(IniAdminTest, SetReplacesTheRecordInPlaceAndKeepsTheOthers) {
  // A hand-written file with LF line ends and its own section and ids.
  WriteFile("1;Netz;\n7;NET8;" + Hex("old-alias") + "\n2;Konto;\n9;LOGIN;" + Hex("user") + "\n");
  ASSERT_EQ(Run({"set", path_, "NET8", "sqlite:/srv/db"}), kIniAdminOk) << err_;
  EXPECT_EQ(FileBytes(), "1;Netz;\r\n7;NET8;" + Hex("sqlite:/srv/db") + "\r\n2;Konto;\r\n9;LOGIN;" +
                             Hex("user") + "\r\n");

  // Options override section and id; the record stays where it is.
  ASSERT_EQ(Run({"set", path_, "LOGIN", "admin", "--section", "Datenbank", "--id", "12"}), kIniAdminOk);
  EXPECT_EQ(FileBytes(), "1;Netz;\r\n7;NET8;" + Hex("sqlite:/srv/db") + "\r\n2;Datenbank;\r\n12;LOGIN;" +
                             Hex("admin") + "\r\n");
  EXPECT_EQ(ExporterValue("LOGIN"), "admin");
  EXPECT_EQ(ExporterValue("NET8"), "sqlite:/srv/db");
}

TEST_F(IniAdminTest, SetNeverWritesIdZeroOrAnEmptySection) {
  // The existing record has id 0 and no section: it answers every lookup of
  // the exporter. Replacing it gives it a real id and the default section.
  WriteFile("1\r\n0;PASS;" + Hex("pw") + "\r\n2;Datenbank;\r\n1;NET8;" + Hex("alias") + "\r\n");
  EXPECT_EQ(ExporterValue("NET8"), "pw");
  ASSERT_EQ(Run({"set", path_, "PASS", "pw2"}), kIniAdminOk) << err_;
  EXPECT_EQ(FileBytes(), "1;Datenbank;\r\n2;PASS;" + Hex("pw2") + "\r\n2;Datenbank;\r\n1;NET8;" +
                             Hex("alias") + "\r\n");
  EXPECT_EQ(ExporterValue("NET8"), "alias");

  EXPECT_EQ(Run({"set", path_, "LOGIN", "x", "--id", "0"}), kIniAdminUsage);
  EXPECT_EQ(Run({"set", path_, "LOGIN", "x", "--section", ""}), kIniAdminUsage);
}

TEST_F(IniAdminTest, SetWarnsWhenAnEarlierRecordAnswersInstead) {
  WriteFile("1;Datenbank;\r\n0;OTHER;" + Hex("other") + "\r\n");
  ASSERT_EQ(Run({"set", path_, "LOGIN", "demo"}), kIniAdminOk);
  EXPECT_NE(err_.find("warning"), std::string::npos) << err_;
  ASSERT_EQ(Run({"get", path_, "LOGIN"}), kIniAdminOk);
  EXPECT_EQ(out_, "other\n");
  EXPECT_NE(err_.find("OTHER"), std::string::npos) << err_;
}

TEST_F(IniAdminTest, ListShowsEveryRecordAndMasksThePassword) {
  ASSERT_EQ(Run({"set", path_, "NET8", "sqlite:../../db"}), kIniAdminOk);
  ASSERT_EQ(Run({"set", path_, "PASS", "geheim", "--section", "Konto", "--id", "5"}), kIniAdminOk);
  ASSERT_EQ(Run({"set", path_, "LOGIN", "demo"}), kIniAdminOk);
  ASSERT_EQ(Run({"list", path_}), kIniAdminOk);
  EXPECT_EQ(out_,
            "Datenbank\t1\tNET8\tsqlite:../../db\n"
            "Konto\t5\tPASS\t********\n"
            "Datenbank\t2\tLOGIN\tdemo\n");
  EXPECT_EQ(out_.find("geheim"), std::string::npos);
}

TEST_F(IniAdminTest, ListShowsRecordsAsTheReaderCutsThem) {
  // Adjacent ";;" leaves the line end in the section; the odd last line is
  // reported as belonging to no record.
  WriteFile("1;;\r\n4;LOGIN;" + Hex("demo") + "\r\nstray\r\n");
  ASSERT_EQ(Run({"list", path_}), kIniAdminOk);
  EXPECT_EQ(out_, ";\\x0A\t4\tLOGIN\tdemo\n");
  EXPECT_NE(err_.find("line 3"), std::string::npos) << err_;
}

TEST_F(IniAdminTest, SetRefusesValuesOver100BytesAndBadArguments) {
  EXPECT_EQ(Run({"set", path_, "PASS", std::string(101, 'x')}), kIniAdminUsage);
  EXPECT_NE(err_.find("101"), std::string::npos) << err_;
  EXPECT_EQ(FileBytes(), "");  // nothing written, not even created

  ASSERT_EQ(Run({"set", path_, "PASS", std::string(100, 'x')}), kIniAdminOk);
  EXPECT_EQ(ExporterValue("PASS"), std::string(100, 'x'));

  const std::vector<std::vector<std::string>> kBadArguments = {
      {},
      {"frobnicate", path_},
      {"set", path_, "PASS"},
      {"set", path_, "PASS", "x", "extra"},
      {"set", path_, "PASS", "x", "--id"},
      {"set", path_, "PASS", "x", "--id", "-3"},
      {"set", path_, "PASS", "x", "--id", "abc"},
      {"set", path_, "PASS", "x", "--section", "a;b"},
      {"set", path_, "PASS", "x", "--colour", "red"},
      {"set", path_, "", "x"},
      {"set", path_, "PA;SS", "x"},
      {"list"},
      {"list", path_, "extra"},
      {"get", path_},
  };
  for (const auto& args : kBadArguments) {
    EXPECT_EQ(Run(args), kIniAdminUsage) << (args.empty() ? "(none)" : args[0]) << " " << args.size();
    EXPECT_NE(err_.find("usage: sstrxk-ini"), std::string::npos);
  }
}

TEST_F(IniAdminTest, DoubleDashLetsAValueStartWithDashes) {
  ASSERT_EQ(Run({"set", path_, "PASS", "--", "--secret"}), kIniAdminOk) << err_;
  EXPECT_EQ(ExporterValue("PASS"), "--secret");
}

TEST_F(IniAdminTest, UnreadableOrMalformedFilesFail) {
  const std::string missing = path_ + ".missing";
  EXPECT_EQ(Run({"list", missing}), kIniAdminFileError);
  EXPECT_EQ(Run({"get", missing, "NET8"}), kIniAdminFileError);
  EXPECT_EQ(Run({"set", ::testing::TempDir() + "no-such-dir-sstrxk/x.ini", "NET8", "a"}),
            kIniAdminFileError);

  // An odd non-blank last line would swallow an appended record: refused.
  const std::string odd = "1;Datenbank;\r\n1;NET8;" + Hex("alias") + "\r\nstray\r\n";
  WriteFile(odd);
  EXPECT_EQ(Run({"set", path_, "LOGIN", "demo"}), kIniAdminFileError);
  EXPECT_EQ(FileBytes(), odd);

  // Blank lines at the end are dropped instead.
  WriteFile("1;Datenbank;\r\n1;NET8;" + Hex("alias") + "\r\n\r\n");
  ASSERT_EQ(Run({"set", path_, "LOGIN", "demo"}), kIniAdminOk) << err_;
  EXPECT_EQ(ExporterValue("LOGIN"), "demo");
  EXPECT_EQ(ExporterValue("NET8"), "alias");
}

}  // namespace
