// The fractional hexadecimal digits of pi, computed (not typed in) so that the
// Blowfish constant tables of the configuration cipher can be generated and
// checked: the P-array and the four S-boxes are the first 1042 32-bit words of
// pi's fraction, in order. Also formats those words as the table source file.
#ifndef SSTRXK_TOOLS_PI_PI_HEX_H_
#define SSTRXK_TOOLS_PI_PI_HEX_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Number of 32-bit words in Blowfish's initial P-array (18) and S-boxes (4 x 256).
inline constexpr std::size_t kBlowfishTableWords = 18 + 4 * 256;

// The first `count` 32-bit words of the fractional part of pi, most significant
// first: word 0 is 0x243F6A88, word 1 is 0x85A308D3, and so on.
std::vector<std::uint32_t> PiFractionWords(std::size_t count);

// The complete source text of blowfish_tables.cc for the given words, which
// must number kBlowfishTableWords (18 P words, then the S-boxes in order).
std::string FormatBlowfishTables(const std::vector<std::uint32_t>& words);

#endif  // SSTRXK_TOOLS_PI_PI_HEX_H_
