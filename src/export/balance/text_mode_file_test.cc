// The text-mode line reader: CR LF as one line end, pieces of a bounded
// length, a last line without line end, zero bytes, files that are missing.
#include "export/balance/text_mode_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/balance/balance_test_files.h"

namespace {

using namespace std::string_literals;

std::vector<std::string> Pieces(const std::filesystem::path& path, std::size_t max_chars) {
  TextModeFile file(path);
  std::vector<std::string> pieces;
  std::string line;
  while (file.ReadLine(max_chars, line)) pieces.push_back(line);
  return pieces;
}

TEST(TextModeFile, DeliversLinesAsWindowsTextModeDoes) {
  struct Case {
    std::string bytes;
    std::size_t max_chars;
    std::vector<std::string> pieces;
  };
  const std::vector<Case> cases = {
      {"ab\r\ncd\r\n", 99, {"ab\n", "cd\n"}},
      {"ab\ncd", 99, {"ab\n", "cd"}},               // last line without line end
      {"a\rb\r\n\r\n", 99, {"a\rb\n", "\n"}},       // a lone CR is a character
      {"ab\r\r\n", 99, {"ab\r\n"}},
      {"last\r", 99, {"last\r"}},                   // a CR at the very end stays
      {"abcdef\r\n", 3, {"abc", "def", "\n"}},      // pieces of three
      {"abcde\r\n", 3, {"abc", "de\n"}},            // CR LF counts as one character
      {"ab\0cd\nef\n"s, 99, {"ab", "ef\n"}},         // a zero byte ends the text of its piece
      {"", 99, {}},
  };
  TempDir dir;
  for (const Case& c : cases) {
    EXPECT_EQ(Pieces(dir.Write("lines.txt", c.bytes), c.max_chars), c.pieces) << "bytes \"" << c.bytes << "\"";
  }
}

TEST(TextModeFile, MissingFileAndDirectoryAreNotOpen) {
  TempDir dir;
  TextModeFile missing(dir.path() / "missing.txt");
  EXPECT_FALSE(missing.is_open());
  TextModeFile directory(dir.path());
  EXPECT_FALSE(directory.is_open());
  std::string line = "old";
  EXPECT_FALSE(directory.ReadLine(99, line));
  EXPECT_EQ(line, "");
}

}  // namespace
