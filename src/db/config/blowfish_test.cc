// Blowfish against Eric Young's published test vectors (Schneier's
// vectors.txt). The vectors write blocks and keys as bytes, the halves
// big-endian; the cipher itself takes the halves as integers.
#include "db/config/blowfish.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> FromHex(const std::string& hex) {
  std::vector<unsigned char> bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<unsigned char>(std::stoul(hex.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

std::uint32_t Half(const std::string& hex16, int which) {
  return static_cast<std::uint32_t>(std::stoul(hex16.substr(8 * which, 8), nullptr, 16));
}

struct Vector {
  const char* key;
  const char* clear;
  const char* cipher;
};

// Checks that `key` enciphers `clear` to `cipher` and deciphers it back.
void ExpectVector(const std::vector<unsigned char>& key, const std::string& clear,
                  const std::string& cipher) {
  BlowfishState state;
  BlowfishExpandKey(state, key.data(), key.size());
  std::uint32_t l = Half(clear, 0);
  std::uint32_t r = Half(clear, 1);
  BlowfishEncipher(state, l, r);
  EXPECT_EQ(l, Half(cipher, 0));
  EXPECT_EQ(r, Half(cipher, 1));
  BlowfishDecipher(state, l, r);
  EXPECT_EQ(l, Half(clear, 0));
  EXPECT_EQ(r, Half(clear, 1));
}

TEST(Blowfish, EcbVectors) {
  const Vector kVectors[] = {
      {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
      {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
      {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
      {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
      {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
      {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
      {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
      {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
      {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
      {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
      {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
      {"0000000000000000", "FFFFFFFFFFFFFFFF", "014933E0CDAFF6E4"},
      {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
      {"0123456789ABCDEF", "0000000000000000", "245946885754369A"},
      {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
  };
  for (const Vector& v : kVectors) {
    SCOPED_TRACE(std::string("key ") + v.key + " clear " + v.clear);
    ExpectVector(FromHex(v.key), v.clear, v.cipher);
  }
}

// The first n bytes of one long key encipher FEDCBA9876543210; n = 7 is the
// key length of the configuration cipher.
TEST(Blowfish, VariableKeyLengthVectors) {
  const std::vector<unsigned char> key = FromHex("F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677");
  const char* const kCiphers[] = {
      "F9AD597C49DB005E", "E91D21C1D961A6D6", "E9C2B70A1BC65CF3", "BE1E639408640F05",
      "B39E44481BDB1E6E", "9457AA83B1928C0D", "8BB77032F960629D", "E87A244E2CC85E82",
      "15750E7A4F4EC577", "122BA70B3AB64AE0", "3A833C9AFFC537F6", "9409DA87A90F6BF2",
      "884F80625060B8B4", "1F85031C19E11968", "79D9373A714CA34F", "93142887EE3BE15C",
      "03429E838CE2D14B", "A4299E27469FF67B", "AFD5AED1C1BC96A8", "10851C0E3858DA9F",
      "E6F51ED79B9DB21F", "64A6E14AFD36B46F", "80C7D7D45A5479AD", "05044B62FA52D080",
  };
  for (std::size_t n = 1; n <= std::size(kCiphers); ++n) {
    SCOPED_TRACE("key length " + std::to_string(n));
    ExpectVector(std::vector<unsigned char>(key.begin(), key.begin() + n), "FEDCBA9876543210",
                 kCiphers[n - 1]);
  }
}

TEST(Blowfish, TablesBeginWithPiAndClearZeroesEverything) {
  EXPECT_EQ(kBlowfishInitP[0], 0x243F6A88u);
  EXPECT_EQ(kBlowfishInitP[1], 0x85A308D3u);
  EXPECT_EQ(kBlowfishInitS[0][0], 0xD1310BA6u);
  EXPECT_EQ(kBlowfishInitS[0][1], 0x98DFB5ACu);

  BlowfishState state;
  const unsigned char key[] = {'Q', 'A', 'R', 'D', 'L', 'U', 'V'};
  BlowfishExpandKey(state, key, sizeof key);
  BlowfishClear(state);
  for (std::uint32_t word : state.p) EXPECT_EQ(word, 0u);
  for (const auto& box : state.s) {
    for (std::uint32_t word : box) ASSERT_EQ(word, 0u);
  }
}

}  // namespace
