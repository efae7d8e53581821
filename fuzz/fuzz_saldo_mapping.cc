// Fuzz target: the balance mapping file "SaldoRXK.ini" with arbitrary bytes,
// read and then applied to ordinary and extreme values. The table never
// holds more than nine entries, and every summary field stays 20 characters.
#include <cstddef>
#include <cstdint>
#include <limits>

#include "export/balance/saldo_mapping.h"
#include "fuzz_work_dir.h"

namespace {

void ApplyAndCheck(const SaldoValues& start) {
  SaldoRecord record;
  SaldoValues values = start;
  ApplySaldoMapping(record, values);
  for (int p = 1; p <= kSaldoSummaryFields; ++p) {
    std::size_t size = SummaryField(record, p).size();
    FuzzCheck(size == 0 || size == 20);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  EnterFuzzWorkDirectory();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WriteFuzzInput(kSaldoMappingFile, data, size);
  bool read = ReadSaldoMapping();
  FuzzCheck(SaldoMapping.count >= 0 && SaldoMapping.count <= kSaldoMapEntries);
  FuzzCheck(read == (SaldoMapping.count > 0));
  for (int i = 0; i < SaldoMapping.count; ++i) {
    const SaldoMapEntry& entry = SaldoMapping.entries[i];
    FuzzCheck(entry.field.size() == 3 && entry.title.size() <= 12 && entry.keys[0].size() == 3);
  }

  SaldoValues ordinary;
  ordinary.SA1 = 90;
  ordinary.SA3 = -45;
  ordinary.UVJ = 5.5;
  ordinary.SAN = -1.25;
  ApplyAndCheck(ordinary);

  SaldoValues extreme;
  extreme.SA1 = std::numeric_limits<std::int32_t>::max();
  extreme.SA2 = std::numeric_limits<std::int32_t>::min();
  extreme.SA7 = std::numeric_limits<std::int32_t>::max();
  extreme.UVJ = std::numeric_limits<double>::max();
  extreme.ULJ = -std::numeric_limits<double>::max();
  extreme.UAN = 1e-300;
  extreme.SVJ = 123456789.125;
  ApplyAndCheck(extreme);
  return 0;
}
