// sstrxk-pidigits: prints the source of blowfish_tables.cc, Blowfish's
// constant tables computed from the hexadecimal digits of pi, to standard
// output or, given a path, into that file.
#include <cstdio>
#include <string>

#include "pi/pi_hex.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: sstrxk-pidigits [output-file]\n");
    return 2;
  }
  const std::string text = FormatBlowfishTables(PiFractionWords(kBlowfishTableWords));
  std::FILE* out = argc == 2 ? std::fopen(argv[1], "wb") : stdout;
  if (out == nullptr) {
    std::fprintf(stderr, "sstrxk-pidigits: cannot write %s\n", argv[1]);
    return 1;
  }
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  const bool closed = argc == 2 ? std::fclose(out) == 0 : std::fflush(out) == 0;
  return written && closed ? 0 : 1;
}
