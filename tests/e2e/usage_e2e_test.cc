// The command line of the built program: usage text, invalid types, debug
// output, all without touching the log where the program must not.
#include <gtest/gtest.h>

#include <filesystem>

#include "install_tree.h"

namespace {

TEST(UsageE2E, MissingArgumentsPrintBannerAndUsageAndExit90) {
  InstallTree tree;
  for (std::vector<std::string> args : {std::vector<std::string>{}, std::vector<std::string>{"out.imp"}}) {
    ProcessResult r = tree.Run(args);
    EXPECT_EQ(r.exit_code, 90);
    std::string expected_start = "\n" + std::string(60, '*') + "\n";
    EXPECT_EQ(r.out.substr(0, expected_start.size()), expected_start);
    EXPECT_NE(r.out.find("** Tool        : von RXK                                  **\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n\nBefehlsformat: \nSSTRxk_<DBSys>.exe  <Dateiname> <Dateityp>  [/D] \n"
                         "DBSys     : Datenbanksystem\n"
                         "Dateiname : vollst\xE4ndiger Pfad und Name der Schnittstellendatei \n"
                         "Dateityp  : 20p  f. Datei MGSST20P\n"),
              std::string::npos);
    std::string expected_end =
        "/D        : DebugFlag, optional, Ausgabe von Meldungen im DOS-Fenster\n\n"
        "SSTRxk.EXE ../Transfer/Portavis/mgsst35p.imp  35p  /D  \n\n";
    ASSERT_GE(r.out.size(), expected_end.size());
    EXPECT_EQ(r.out.substr(r.out.size() - expected_end.size()), expected_end);
  }
  EXPECT_FALSE(std::filesystem::exists(tree.log_file()));
}

TEST(UsageE2E, InvalidTypeIsLoggedAfterTheSessionOpened) {
  InstallTree tree;
  tree.WriteStandardConfig();
  tree.RunSql("VLSYSTEM", "CREATE TABLE VLS112MND (MNDLIZ TEXT);");
  ProcessResult r = tree.Run({"out.imp", "abcdefghijklm"});
  EXPECT_EQ(r.exit_code, 90);
  EXPECT_EQ(tree.LogMessages(), std::vector<std::string>{"Error: Dateityp 'ABCDEFGHIJKLM' ungueltig !"});
  EXPECT_EQ(r.out, "");
}

TEST(UsageE2E, DebugModePrintsMessagesInsteadOfLogging) {
  InstallTree tree;
  tree.WriteStandardConfig();
  tree.RunSql("VLSYSTEM", "CREATE TABLE VLS112MND (MNDLIZ TEXT);");
  ProcessResult r = tree.Run({"out.imp", "xyz", "/d"});
  EXPECT_EQ(r.exit_code, 90);
  EXPECT_EQ(r.out, "Error: Dateityp 'XYZ' ungueltig !\n");
  EXPECT_FALSE(std::filesystem::exists(tree.log_file()));
}

}  // namespace
