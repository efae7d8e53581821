// The value cipher of the product's configuration file: Blowfish in ECB mode
// under a short key, each 8-byte block read as two little-endian halves, the
// plain text padded with zero bytes to a multiple of 8, stored as upper-case
// hexadecimal text.
#ifndef SSTRXK_DB_CONFIG_INI_CIPHER_H_
#define SSTRXK_DB_CONFIG_INI_CIPHER_H_

#include <string>
#include <string_view>

// The key the product enciphers its configuration values with.
inline constexpr char kIniCipherKey[] = "QARDLUV";

// Deciphers the stored value text `value_text` into `plain`, a buffer of at
// least value_text.size() / 2 + 1 bytes, and zero-terminates it after the last
// block. Characters other than "0"-"9" and "A"-"F" count as (code - 48).
// Returns 1.
int DecryptIniValue(std::string_view value_text, char* plain, const char* key);

// The inverse: the stored value text for `plain` (administrator tool, tests).
std::string EncryptIniValue(std::string_view plain, const char* key);

#endif  // SSTRXK_DB_CONFIG_INI_CIPHER_H_
