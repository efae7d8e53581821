// The configuration value cipher: known answers, the padding and terminator
// rules, ECB, the reading of non-hexadecimal characters and round trips.
#include "db/config/ini_cipher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Deciphers into a heap buffer of exactly the size the contract asks for, so
// that the sanitizer build catches any write beyond it.
std::string Decrypt(const std::string& value_text, const char* key = kIniCipherKey) {
  std::vector<char> plain(value_text.size() / 2 + 1, 'X');
  EXPECT_EQ(DecryptIniValue(value_text, plain.data(), key), 1);
  return std::string(plain.data());
}

// The 8 raw bytes of a one-block value, zero bytes included.
std::string DecryptBlockBytes(const std::string& value_text) {
  std::vector<char> plain(value_text.size() / 2 + 1, 'X');
  DecryptIniValue(value_text, plain.data(), kIniCipherKey);
  return std::string(plain.data(), 8);
}

bool IsStoredFormat(const std::string& text) {
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  }
  return text.size() % 16 == 0;
}

// Stored values under "QARDLUV" computed with an independent Blowfish
// implementation (OpenSSL's BF_ecb_encrypt), each 4-byte half reversed before
// and after to get the little-endian halves of the stored format.
struct KnownAnswer {
  const char* plain;
  const char* stored;
};
const KnownAnswer kKnownAnswers[] = {
    {"", ""},
    {"demo", "8294237CA5E2AAE0"},
    {"ABCDEFGH", "FD68A051EA8F7D5E"},
    {"12345678", "FE24E6F379A6AFE0"},
    {"sqlite:../../db", "694707E4E056D1F1519230B34D9CB7C3"},
};

TEST(IniCipher, KnownAnswersBothWays) {
  for (const KnownAnswer& k : kKnownAnswers) {
    SCOPED_TRACE(k.plain);
    EXPECT_EQ(EncryptIniValue(k.plain, kIniCipherKey), k.stored);
    EXPECT_EQ(Decrypt(k.stored), k.plain);
  }
}

TEST(IniCipher, FullBlockIsEndedByTheTerminatorAfterTheLastBlock) {
  std::vector<char> plain(9, 'X');
  DecryptIniValue("FD68A051EA8F7D5E", plain.data(), kIniCipherKey);
  EXPECT_EQ(std::string(plain.data(), 8), "ABCDEFGH");
  EXPECT_EQ(plain[8], '\0');

  // Empty value text: just the terminator.
  char empty[1] = {'X'};
  EXPECT_EQ(DecryptIniValue("", empty, kIniCipherKey), 1);
  EXPECT_EQ(empty[0], '\0');
}

TEST(IniCipher, SamePlainBlockGivesSameCipherBlock) {
  const std::string stored = EncryptIniValue("ABCDEFGHABCDEFGHABC", kIniCipherKey);
  ASSERT_EQ(stored.size(), 48u);
  EXPECT_EQ(stored.substr(0, 16), "FD68A051EA8F7D5E");
  EXPECT_EQ(stored.substr(16, 16), "FD68A051EA8F7D5E");
  EXPECT_NE(stored.substr(32, 16), "FD68A051EA8F7D5E");
  EXPECT_EQ(Decrypt(stored), "ABCDEFGHABCDEFGHABC");
}

TEST(IniCipher, OnlyUpperCaseLettersAreHexDigits) {
  // "a".."f" count as their code minus 48 (49..54), so "fd68a051ea8f7d5e"
  // stands for the bytes 94 68 10 51 81 B6 A4 85, not for FD 68 A0 51 ...
  EXPECT_NE(Decrypt("fd68a051ea8f7d5e"), "ABCDEFGH");
  EXPECT_EQ(DecryptBlockBytes("fd68a051ea8f7d5e"), DecryptBlockBytes("9468105181B6A485"));
  // Any other character the same way, wrapping to a byte: "G" is 23, "g" is
  // 55, ":" is 10, so "G0" is 0x70, "g0" 0x70, ":0" 0xA0 and "0G" 0x17.
  EXPECT_EQ(DecryptBlockBytes("G0g0:00G0000000F"), DecryptBlockBytes("7070A0170000000F"));
}

TEST(IniCipher, RoundTrips) {
  const std::string kPlains[] = {
      "x",
      "seven77",
      "nine99999",
      "sixteen-16-chars",
      "sqlite:../../db",
      "Stra\xDF" "e \xE4\xF6\xFC",  // Windows-1252 bytes above 127
      std::string(100, 'p'),
      "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~ 0123",
  };
  for (const std::string& plain : kPlains) {
    SCOPED_TRACE(plain);
    const std::string stored = EncryptIniValue(plain, kIniCipherKey);
    EXPECT_EQ(stored.size(), (plain.size() + 7) / 8 * 16);
    EXPECT_TRUE(IsStoredFormat(stored)) << stored;
    EXPECT_EQ(Decrypt(stored), plain);
    EXPECT_NE(Decrypt(stored, "OTHERKEY"), plain);
  }
}

TEST(IniCipher, IncompleteLastGroupIsIgnored) {
  // 16 + 5 characters: one block is deciphered, the 5 left over are outside
  // the format and must not be written past the 21 / 2 + 1 bytes given.
  EXPECT_EQ(Decrypt("FD68A051EA8F7D5E12345"), "ABCDEFGH");
  EXPECT_EQ(Decrypt("FD68A05"), "");
}

}  // namespace
