// Blowfish as Schneier published it (1993): a 16-round Feistel network on two
// 32-bit halves, whose subkeys (P-array) and S-boxes start as the digits of pi
// and are then mixed with the key by enciphering a running block 521 times.
#include "db/config/blowfish.h"

#include <cstring>

namespace {

constexpr int kRounds = 16;

// F splits x into four bytes a, b, c, d (a the most significant) and returns
// ((S1[a] + S2[b]) XOR S3[c]) + S4[d], all modulo 2^32.
std::uint32_t F(const BlowfishState& state, std::uint32_t x) {
  const std::uint32_t a = (x >> 24) & 0xFF;
  const std::uint32_t b = (x >> 16) & 0xFF;
  const std::uint32_t c = (x >> 8) & 0xFF;
  const std::uint32_t d = x & 0xFF;
  return ((state.s[0][a] + state.s[1][b]) ^ state.s[2][c]) + state.s[3][d];
}

}  // namespace

void BlowfishEncipher(const BlowfishState& state, std::uint32_t& left, std::uint32_t& right) {
  std::uint32_t l = left;
  std::uint32_t r = right;
  for (int i = 0; i < kRounds; ++i) {
    l ^= state.p[i];
    r ^= F(state, l);
    std::uint32_t t = l;
    l = r;
    r = t;
  }
  // Undo the last swap, then whiten with the last two subkeys.
  std::uint32_t t = l;
  l = r;
  r = t;
  r ^= state.p[kRounds];
  l ^= state.p[kRounds + 1];
  left = l;
  right = r;
}

void BlowfishDecipher(const BlowfishState& state, std::uint32_t& left, std::uint32_t& right) {
  std::uint32_t l = left;
  std::uint32_t r = right;
  for (int i = kRounds + 1; i > 1; --i) {
    l ^= state.p[i];
    r ^= F(state, l);
    std::uint32_t t = l;
    l = r;
    r = t;
  }
  std::uint32_t t = l;
  l = r;
  r = t;
  r ^= state.p[1];
  l ^= state.p[0];
  left = l;
  right = r;
}

void BlowfishExpandKey(BlowfishState& state, const unsigned char* key, std::size_t key_len) {
  std::memcpy(state.p, kBlowfishInitP, sizeof state.p);
  std::memcpy(state.s, kBlowfishInitS, sizeof state.s);

  // XOR the key into the P-array, four bytes per word, the first byte most
  // significant, starting over at the key's beginning when it runs out. An
  // empty key leaves the P-array as it is rather than dividing by zero.
  if (key_len > 0) {
    std::size_t j = 0;
    for (std::uint32_t& word : state.p) {
      std::uint32_t data = 0;
      for (int k = 0; k < 4; ++k) {
        data = (data << 8) | key[j];
        j = (j + 1) % key_len;
      }
      word ^= data;
    }
  }

  // Replace every subkey and S-box entry, pair by pair, by the encipherment of
  // the running block, which starts as all zeros.
  std::uint32_t l = 0;
  std::uint32_t r = 0;
  for (int i = 0; i < kRounds + 2; i += 2) {
    BlowfishEncipher(state, l, r);
    state.p[i] = l;
    state.p[i + 1] = r;
  }
  for (auto& box : state.s) {
    for (int i = 0; i < 256; i += 2) {
      BlowfishEncipher(state, l, r);
      box[i] = l;
      box[i + 1] = r;
    }
  }
}

void BlowfishClear(BlowfishState& state) {
  // Through a volatile pointer, so the compiler cannot drop the clearing of a
  // state that is about to go out of scope.
  volatile unsigned char* bytes = reinterpret_cast<volatile unsigned char*>(&state);
  for (std::size_t i = 0; i < sizeof state; ++i) bytes[i] = 0;
}
