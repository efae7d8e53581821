// Shared by the fuzz targets: the readers use fixed paths relative to the
// working directory, so each target moves once, at start-up, into a fresh
// installation tree under the temporary directory (<root>/work/run, two
// levels below <root>), writes every input to the reader's file there, and
// removes the tree when the process ends.
#ifndef SSTRXK_FUZZ_FUZZ_WORK_DIR_H_
#define SSTRXK_FUZZ_FUZZ_WORK_DIR_H_

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

inline std::filesystem::path& FuzzRoot() {
  static std::filesystem::path root;
  return root;
}

inline void RemoveFuzzRoot() {
  std::error_code ec;
  std::filesystem::current_path(std::filesystem::temp_directory_path(ec), ec);
  std::filesystem::remove_all(FuzzRoot(), ec);
}

// Creates <root>/work/run and makes it the working directory.
inline void EnterFuzzWorkDirectory() {
  std::random_device random;
  std::filesystem::path temp = std::filesystem::temp_directory_path();
  do {
    FuzzRoot() = temp / ("sstrxk_fuzz_" + std::to_string(random()));
  } while (!std::filesystem::create_directory(FuzzRoot()));
  std::filesystem::create_directories(FuzzRoot() / "work" / "run");
  std::filesystem::create_directories(FuzzRoot() / "transfer" / "KWPL");
  std::filesystem::current_path(FuzzRoot() / "work" / "run");
  std::atexit(RemoveFuzzRoot);
}

// Replaces the file at `path` with the input bytes.
inline void WriteFuzzInput(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Stops the run as a crash: a reader broke one of its promises.
inline void FuzzCheck(bool ok) {
  if (!ok) __builtin_trap();
}

#endif  // SSTRXK_FUZZ_FUZZ_WORK_DIR_H_
