// Fuzz target: the premium data file "..\..\transfer\KWPL\PraemienKWPL.txt"
// with arbitrary bytes. Every entry keeps a person number of at most eight
// characters and a text of exactly 20; the lookup finds the first entry.
#include <cstddef>
#include <cstdint>

#include "export/balance/praemien.h"
#include "fuzz_work_dir.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  EnterFuzzWorkDirectory();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WriteFuzzInput(PraemienFilePath(), data, size);
  FuzzCheck(ReadPraemiendaten());
  for (const PraemienEntry& entry : PraemienTable) {
    FuzzCheck(entry.person.size() <= 8 && entry.text.size() == 20);
  }
  SaldoRecord record;
  for (const PraemienEntry& entry : PraemienTable) {
    if (entry.person.empty()) continue;
    FindPraemiendaten(entry.person.c_str(), record);
    FuzzCheck(record.F10.size() == 20);
    break;
  }
  FindPraemiendaten("4711", record);
  ClearPraemiendaten();
  return 0;
}
