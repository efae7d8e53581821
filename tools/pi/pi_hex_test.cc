// The pi digit generator: its first words, its agreement with itself at
// different lengths, and the committed Blowfish tables, which must be exactly
// what the generator prints.
#include "pi/pi_hex.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "db/config/blowfish.h"

namespace {

TEST(PiFractionWords, BeginsWithThePublishedDigits) {
  const std::vector<std::uint32_t> words = PiFractionWords(20);
  ASSERT_EQ(words.size(), 20u);
  EXPECT_EQ(words[0], 0x243F6A88u);
  EXPECT_EQ(words[1], 0x85A308D3u);
  EXPECT_EQ(words[17], 0x8979FB1Bu);  // the last P-array word
  EXPECT_EQ(words[18], 0xD1310BA6u);  // the first S-box word
  EXPECT_EQ(words[19], 0x98DFB5ACu);
}

TEST(PiFractionWords, ShorterRunsAgreeWithLongerOnes) {
  // Catches too few guard words: a short run must not differ in its last word.
  const std::vector<std::uint32_t> all = PiFractionWords(300);
  for (std::size_t count : {1u, 2u, 7u, 18u, 64u, 257u}) {
    const std::vector<std::uint32_t> some = PiFractionWords(count);
    ASSERT_EQ(some.size(), count);
    EXPECT_TRUE(std::equal(some.begin(), some.end(), all.begin())) << "count " << count;
  }
}

TEST(PiFractionWords, CommittedTablesAreTheDigitsOfPi) {
  const std::vector<std::uint32_t> words = PiFractionWords(kBlowfishTableWords);
  ASSERT_EQ(words.size(), kBlowfishTableWords);
  for (std::size_t i = 0; i < 18; ++i) EXPECT_EQ(kBlowfishInitP[i], words[i]) << "P[" << i << "]";
  for (std::size_t box = 0; box < 4; ++box) {
    for (std::size_t i = 0; i < 256; ++i) {
      EXPECT_EQ(kBlowfishInitS[box][i], words[18 + 256 * box + i]) << "S" << box << "[" << i << "]";
    }
  }
  EXPECT_EQ(kBlowfishInitS[3][255], 0x3AC372E6u);  // the very last published word

  std::ifstream file(SSTRXK_BLOWFISH_TABLES_FILE, std::ios::binary);
  ASSERT_TRUE(file.good()) << SSTRXK_BLOWFISH_TABLES_FILE;
  std::ostringstream committed;
  committed << file.rdbuf();
  EXPECT_EQ(committed.str(), FormatBlowfishTables(words));
}

TEST(FormatBlowfishTables, RefusesAWrongWordCount) {
  EXPECT_EQ(FormatBlowfishTables(std::vector<std::uint32_t>(17, 0)), "");
}

}  // namespace
