// Test support: catches what a record writer writes to OutputFile.
#ifndef SSTRXK_EXPORT_MASTER_RECORD_FILE_FOR_TEST_H_
#define SSTRXK_EXPORT_MASTER_RECORD_FILE_FOR_TEST_H_

#include <cstdio>
#include <string>

#include "runctl/run_state.h"

// Runs `write` with OutputFile on a temporary file; returns the bytes written.
template <typename Write>
std::string CaptureRecords(Write write) {
  std::FILE* file = std::tmpfile();
  if (file == nullptr) return "<no temporary file>";
  OutputFile = file;
  write();
  OutputFile = nullptr;
  std::string bytes;
  std::rewind(file);
  char buf[512];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, file)) > 0) bytes.append(buf, n);
  std::fclose(file);
  return bytes;
}

// `text` filled with blanks to `width`.
inline std::string Pad(const std::string& text, std::size_t width) {
  return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

#endif  // SSTRXK_EXPORT_MASTER_RECORD_FILE_FOR_TEST_H_
