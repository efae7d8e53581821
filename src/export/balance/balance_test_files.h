// Test helper of the balance tests: a temporary directory that is removed
// again, and files with exact bytes in it.
#ifndef SSTRXK_EXPORT_BALANCE_BALANCE_TEST_FILES_H_
#define SSTRXK_EXPORT_BALANCE_BALANCE_TEST_FILES_H_

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

class TempDir {
 public:
  TempDir() {
    std::random_device random;
    for (;;) {
      path_ = std::filesystem::temp_directory_path() / ("sstrxk_balance_" + std::to_string(random()));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` as they are to `name` in the directory; returns its path.
  std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
    std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    return file;
  }

 private:
  std::filesystem::path path_;
};

#endif  // SSTRXK_EXPORT_BALANCE_BALANCE_TEST_FILES_H_
