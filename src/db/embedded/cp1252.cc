// Windows-1252 <-> UTF-8. Windows-1252 equals Latin-1 (and so the first 256
// Unicode code points) except for 0x80-0x9F, which hold typographic
// characters; the table below gives their code points.
#include "db/embedded/cp1252.h"

#include <cstdint>

namespace embedded {
namespace {

// Code points of the bytes 0x80-0x9F. The undefined bytes map to themselves.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t CodePointOfByte(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

// The Windows-1252 byte of `code_point`, or '?' when there is none.
char ByteOfCodePoint(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<char>(code_point);
  }
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == code_point) return static_cast<char>(0x80 + i);
  }
  return '?';
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes the UTF-8 sequence at `text[pos]`. Returns its length and sets
// `cp`, or returns 0 when the bytes there do not form a valid sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp) {
  auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    min = 0x80;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    min = 0x800;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    min = 0x10000;
    cp = lead & 0x07;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    auto byte = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(byte)) return 0;
    cp = (cp << 6) | (byte & 0x3F);
  }
  // Overlong forms, surrogates and values beyond Unicode are not characters.
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + cp1252.size() / 4);
  for (char c : cp1252) AppendUtf8(out, CodePointOfByte(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    std::size_t length = DecodeUtf8(utf8, pos, cp);
    if (length == 0) {
      out += '?';
      ++pos;
      continue;
    }
    out += ByteOfCodePoint(cp);
    pos += length;
  }
  return out;
}

}  // namespace embedded
