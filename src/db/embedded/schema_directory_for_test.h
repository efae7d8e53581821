// Test support: a temporary directory of schema files, each built with the
// SQLite C API from a script, and removed again with the directory.
#ifndef SSTRXK_DB_EMBEDDED_SCHEMA_DIRECTORY_FOR_TEST_H_
#define SSTRXK_DB_EMBEDDED_SCHEMA_DIRECTORY_FOR_TEST_H_

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace embedded {

class SchemaDirectory {
 public:
  SchemaDirectory() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
      path_ = base / ("sstrxk-embedded-" + std::to_string(random()));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~SchemaDirectory() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  SchemaDirectory(const SchemaDirectory&) = delete;
  SchemaDirectory& operator=(const SchemaDirectory&) = delete;

  std::string path() const { return path_.string(); }
  std::filesystem::path file(const std::string& schema) const { return path_ / (schema + ".db"); }

  // Runs `script` on the file of `schema`, creating it when needed.
  void Build(const std::string& schema, const std::string& script) const {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file(schema).string().c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    int rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << schema << ": " << (error != nullptr ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
  }

  // The bytes of the schema file.
  std::string Bytes(const std::string& schema) const {
    std::ifstream in(file(schema), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path path_;
};

}  // namespace embedded

#endif  // SSTRXK_DB_EMBEDDED_SCHEMA_DIRECTORY_FOR_TEST_H_
