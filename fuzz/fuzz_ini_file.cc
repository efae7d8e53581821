// Fuzz target: the configuration file reader ReadIniEntry with arbitrary
// bytes as the file, looked up by section, by key and by id, so that the
// field cutting and the deciphering of a matched value both run.
#include <cstddef>
#include <cstdint>

#include "db/config/ini_file.h"
#include "fuzz_work_dir.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  EnterFuzzWorkDirectory();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* path = "Velorium.Ini";
  WriteFuzzInput(path, data, size);
  ReadIniEntry("Datenbank", "", 0, path);
  ReadIniEntry("", "NET8", 0, path);
  ReadIniEntry("", "", 2, path);
  ReadIniEntry("\x01", "\x01", -1, path);  // matches nothing: the whole file is scanned
  return 0;
}
