// Tests of the Windows-1252 <-> UTF-8 conversion: round trips, the
// typographic characters of 0x80-0x9F, and "?" for what does not convert.
#include "db/embedded/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace embedded {
namespace {

struct RoundTrip {
  const char* cp1252;
  const char* utf8;
};

TEST(Cp1252Test, ConvertsBothWays) {
  const RoundTrip cases[] = {
      {"Werk Nord 12", "Werk Nord 12"},
      {"\xE4", "\xC3\xA4"},                                     // ä
      {"M\xFCller Stra\xDF" "e", "M\xC3\xBCller Stra\xC3\x9F" "e"},  // Müller Straße
      {"\x80", "\xE2\x82\xAC"},                                 // €
      {"\x84" "a\x93", "\xE2\x80\x9E" "a\xE2\x80\x9C"},         // „a“
      {"\x8A\x9F", "\xC5\xA0\xC5\xB8"},                         // Š Ÿ
      {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},                         // no-break space, ÿ
      {"\x81", "\xC2\x81"},                                     // undefined byte
  };
  for (const RoundTrip& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
  }
}

TEST(Cp1252Test, EveryByteSurvivesARoundTrip) {
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << b;
  }
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(std::string("a\0b", 3))), std::string("a\0b", 3));
}

TEST(Cp1252Test, WhatWindows1252CannotHoldBecomesQuestionMarks) {
  const RoundTrip cases[] = {
      {"?", "\xCE\xA9"},                   // Greek capital omega
      {"a?b", "a\xF0\x9F\x98\x80" "b"},    // an emoji (four bytes) is one character
      {"?", "\xC2\x80"},                   // U+0080 has no Windows-1252 byte
      {"?x", "\xFF" "x"},                  // no UTF-8 byte at all
      {"a?", "a\xC3"},                     // sequence cut off at the end
      {"?A", "\xC3" "A"},                  // continuation missing
      {"??", "\xC0\xAF"},                  // overlong "/"
      {"???", "\xED\xA0\x80"},             // surrogate
      {"?", "\x80"},                       // lone continuation byte
      {"\xE4??", "\xC3\xA4\xE2\x82"},      // valid, then a cut-off sequence
  };
  for (const RoundTrip& c : cases) EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
}

}  // namespace
}  // namespace embedded
