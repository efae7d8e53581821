// The configuration file's value cipher. A stored value is the plain text,
// padded with zero bytes to a multiple of 8, enciphered with Blowfish in ECB
// mode block by block and written as upper-case hexadecimal, two digits per
// byte, high nibble first. Inside a block the two halves are little-endian
// (L = bytes 0..3, R = bytes 4..7), the opposite of Blowfish's usual
// big-endian convention: that is how the product stores its values.
#include "db/config/ini_cipher.h"

#include <cstdint>
#include <cstring>

#include "db/config/blowfish.h"

namespace {

constexpr std::size_t kBlock = 8;
constexpr std::size_t kHexPerBlock = 2 * kBlock;

std::uint32_t ReadLittleEndian(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void WriteLittleEndian(std::uint32_t value, unsigned char* bytes) {
  bytes[0] = static_cast<unsigned char>(value);
  bytes[1] = static_cast<unsigned char>(value >> 8);
  bytes[2] = static_cast<unsigned char>(value >> 16);
  bytes[3] = static_cast<unsigned char>(value >> 24);
}

// The value of one stored character: "A"-"F" are 10-15, every other character
// (digits, but also lower-case letters and anything else) its code minus 48,
// the way the product reads them.
int NibbleValue(char c) {
  const int code = static_cast<unsigned char>(c);
  if (code >= 'A' && code <= 'F') return code - 'A' + 10;
  return code - '0';
}

void ExpandKey(BlowfishState& state, const char* key) {
  BlowfishExpandKey(state, reinterpret_cast<const unsigned char*>(key), std::strlen(key));
}

}  // namespace

int DecryptIniValue(std::string_view value_text, char* plain, const char* key) {
  BlowfishState state;
  ExpandKey(state, key);

  // Only complete groups of 16 characters are deciphered; a shorter rest is
  // outside the stored format and ignored, which keeps every write within the
  // value_text.size() / 2 + 1 bytes the caller provides.
  const std::size_t groups = value_text.size() / kHexPerBlock;
  for (std::size_t g = 0; g < groups; ++g) {
    const char* hex = value_text.data() + g * kHexPerBlock;
    unsigned char block[kBlock];
    for (std::size_t i = 0; i < kBlock; ++i) {
      // Out-of-range "digits" wrap modulo 256, as a byte would.
      block[i] = static_cast<unsigned char>(NibbleValue(hex[2 * i]) * 16 + NibbleValue(hex[2 * i + 1]));
    }
    std::uint32_t left = ReadLittleEndian(block);
    std::uint32_t right = ReadLittleEndian(block + 4);
    BlowfishDecipher(state, left, right);
    WriteLittleEndian(left, block);
    WriteLittleEndian(right, block + 4);
    std::memcpy(plain + g * kBlock, block, kBlock);
  }
  plain[groups * kBlock] = '\0';

  BlowfishClear(state);
  return 1;
}

std::string EncryptIniValue(std::string_view plain, const char* key) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  BlowfishState state;
  ExpandKey(state, key);

  std::string value_text;
  const std::size_t groups = (plain.size() + kBlock - 1) / kBlock;
  value_text.reserve(groups * kHexPerBlock);
  for (std::size_t g = 0; g < groups; ++g) {
    unsigned char block[kBlock] = {};  // the zero padding of the last block
    const std::size_t n = plain.size() - g * kBlock < kBlock ? plain.size() - g * kBlock : kBlock;
    std::memcpy(block, plain.data() + g * kBlock, n);
    std::uint32_t left = ReadLittleEndian(block);
    std::uint32_t right = ReadLittleEndian(block + 4);
    BlowfishEncipher(state, left, right);
    WriteLittleEndian(left, block);
    WriteLittleEndian(right, block + 4);
    for (unsigned char byte : block) {
      value_text += kDigits[byte >> 4];
      value_text += kDigits[byte & 0x0F];
    }
  }

  BlowfishClear(state);
  return value_text;
}
