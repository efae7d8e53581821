// The run log: line format, rotation past the threshold, debug mode.
#include "runctl/run_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "base/fake_env.h"
#include "runctl/run_state.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class RunLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRunState();
    dir = fs::temp_directory_path() / ("sstrxk_log_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    log = dir / "sstrxk.log";
    old = dir / "sstrxk.old";
    LogFileName.Assign(log.string());
    PreviousLogFileName.Assign(old.string());
  }
  void TearDown() override {
    fs::remove_all(dir);
    ResetRunState();
  }

  void MakeFile(const fs::path& p, std::size_t size, char fill) {
    std::ofstream out(p, std::ios::binary);
    out << std::string(size, fill);
  }

  FakeEnv env;  // clock at 2024-06-15 08:30:05
  fs::path dir, log, old;
};

TEST_F(RunLogTest, AppendsTimeStampedLinesWithCrLf) {
  WriteLog("Import a fertig.");
  LogMessage("Fehler in Fkt. %s(). RC: %ld", "SQLOpen112Mnd", -942L);
  EXPECT_EQ(ReadAll(log),
            "2024-06-15 08:30:05 Import a fertig.\r\n"
            "2024-06-15 08:30:05 Fehler in Fkt. SQLOpen112Mnd(). RC: -942\r\n");
  EXPECT_EQ(MessageBuffer.view(), "Fehler in Fkt. SQLOpen112Mnd(). RC: -942");
}

TEST_F(RunLogTest, RotatesWhenTheWriteCrossesTheThreshold) {
  MakeFile(log, kLogRotateBytes - 60, 'a');
  MakeFile(old, 10, 'o');  // an older generation is replaced
  std::string message(100, 'm');
  WriteLog(message.c_str());
  EXPECT_EQ(fs::file_size(log), 0u);
  std::string rotated = ReadAll(old);
  EXPECT_EQ(rotated.size(), kLogRotateBytes - 60 + 19 + 1 + 100 + 2);
  EXPECT_EQ(rotated.substr(rotated.size() - 122), "2024-06-15 08:30:05 " + message + "\r\n");
  EXPECT_EQ(rotated[0], 'a');
}

TEST_F(RunLogTest, ExactlyAtTheThresholdIsNotRotated) {
  MakeFile(log, kLogRotateBytes - 23, 'a');  // "stamp x\r\n" is 23 bytes
  WriteLog("x");
  EXPECT_EQ(fs::file_size(log), static_cast<std::uintmax_t>(kLogRotateBytes));
  EXPECT_FALSE(fs::exists(old));
  WriteLog("y");  // now more than the threshold
  EXPECT_TRUE(fs::exists(old));
  EXPECT_EQ(fs::file_size(log), 0u);
}

TEST_F(RunLogTest, MissingLogDirectoryLosesTheMessageQuietly) {
  LogFileName.Assign((dir / "missing" / "sstrxk.log").string());
  WriteLog("lost");
  EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST_F(RunLogTest, DebugModePrintsWithoutStampAndLeavesTheFileAlone) {
  DebugFlag = 1;
  WriteLog("Importdatei : x fuellen...");
  EXPECT_EQ(env.console, "Importdatei : x fuellen...\n");
  EXPECT_FALSE(fs::exists(log));
}

TEST(RunLogNames, TwoLevelsUpInTheProductsLogDirectory) {
  SetLogFileNames();
  fs::path expected = fs::path("..") / ".." / "Velorium_php" / "log";
  EXPECT_EQ(LogFileName.str(), (expected / "sstrxk.log").string());
  EXPECT_EQ(PreviousLogFileName.str(), (expected / "sstrxk.old").string());
}

}  // namespace
