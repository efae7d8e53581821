// Character set conversion between the embedded database and the program.
// The schema files hold texts in UTF-8; the program, its statement texts and
// its interface files use single-byte Windows-1252. Texts are converted at
// the boundary, as an Oracle client with a Windows-1252 client character set
// would: a character that Windows-1252 cannot hold, and every byte that is
// not part of a valid UTF-8 sequence, arrives as "?".
#ifndef SSTRXK_DB_EMBEDDED_CP1252_H_
#define SSTRXK_DB_EMBEDDED_CP1252_H_

#include <string>
#include <string_view>

namespace embedded {

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of
// the same number, as Windows converts them, so that they survive a round
// trip.
std::string Cp1252ToUtf8(std::string_view cp1252);

// UTF-8 to Windows-1252. Characters outside Windows-1252 become "?", and so
// does each byte of an invalid, overlong or cut-off sequence.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace embedded

#endif  // SSTRXK_DB_EMBEDDED_CP1252_H_
