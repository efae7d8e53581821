// The banner and usage text, byte for byte where callers may compare it.
#include "runctl/usage.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(Usage, BannerBoxIsSixtyWide) {
  std::vector<std::string> lines = Lines(UsageText());
  ASSERT_GE(lines.size(), 9u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], std::string(60, '*'));
  EXPECT_EQ(lines[7], std::string(60, '*'));
  EXPECT_EQ(lines[8], "");
  for (int i = 2; i <= 6; ++i) {
    EXPECT_EQ(lines[i].size(), 60u) << i;
    EXPECT_EQ(lines[i].substr(0, 3), "** ");
    EXPECT_EQ(lines[i].substr(58), "**");
  }
  EXPECT_EQ(lines[3], "** Projekt     : Portavis                                 **");
  EXPECT_EQ(lines[6], "**               mit Daten aus Velorium RXK               **");
}

TEST(Usage, UsageLinesKeepTheirTrailingBlanksAndCodePage) {
  std::string text = UsageText();
  EXPECT_NE(text.find("\n\nBefehlsformat: \nSSTRxk_<DBSys>.exe  <Dateiname> <Dateityp>  [/D] \n"), std::string::npos);
  EXPECT_NE(text.find("Dateiname : vollst\xE4ndiger Pfad und Name der Schnittstellendatei \n"), std::string::npos);
  EXPECT_NE(text.find("\n\nSSTRxk.EXE ../Transfer/Portavis/mgsst35p.imp  35p  /D  \n\n"), std::string::npos);
  std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 9u + 21u);
  EXPECT_EQ(lines[9 + 16], "            xxx  (14 stellig) f. selektive Erstellung");
  EXPECT_EQ(text.back(), '\n');
  EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
}

}  // namespace
