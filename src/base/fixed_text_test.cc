#include "base/fixed_text.h"

#include <gtest/gtest.h>

TEST(FixedText, CutsToCapacityMinusOne) {
  FixedText<6> t("abcdefgh");
  EXPECT_EQ(t.view(), "abcde");
  t.Assign("xy");
  EXPECT_EQ(t.view(), "xy");
  EXPECT_EQ(t.c_str()[5], '\0');
}

TEST(FixedText, FormatCutsAndEmbeddedZeroEnds) {
  FixedText<8> t;
  t.Format("%s-%d", "number", 12345);
  EXPECT_EQ(t.view(), "number-");
  t.Assign(std::string_view("ab\0cd", 5));
  EXPECT_EQ(t.view(), "ab");
  t.Clear();
  EXPECT_TRUE(t.empty());
}

TEST(FixedText, AssignIfFitsRefusesWhatWouldBeCut) {
  FixedText<6> t("old");
  EXPECT_FALSE(t.AssignIfFits("123456"));
  EXPECT_EQ(t.view(), "old");
  EXPECT_TRUE(t.AssignIfFits("12345"));
  EXPECT_EQ(t.view(), "12345");
}
