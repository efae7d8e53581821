// TextModeFile: reads a text file line by line the way the product's
// Windows hosts read it in text mode, on every platform: a CR LF is one line
// end and arrives as a single "\n"; a CR on its own stays a CR. Lines come in
// pieces of a bounded length, as a C line read into a fixed buffer delivers
// them, so a longer line arrives as several pieces. Any bytes are accepted.
#ifndef SSTRXK_EXPORT_BALANCE_TEXT_MODE_FILE_H_
#define SSTRXK_EXPORT_BALANCE_TEXT_MODE_FILE_H_

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>

class TextModeFile {
 public:
  // Opens `path` for reading; a directory counts as not openable.
  explicit TextModeFile(const std::filesystem::path& path);

  bool is_open() const { return open_; }

  // Reads the next piece: the characters up to and including the next line
  // end, but at most `max_chars` characters (at least 1). A piece that holds
  // a zero byte is cut before it, as a C text ends there. False at the end of
  // the file, when nothing was left to read.
  bool ReadLine(std::size_t max_chars, std::string& line);

 private:
  std::ifstream in_;
  bool open_ = false;
};

#endif  // SSTRXK_EXPORT_BALANCE_TEXT_MODE_FILE_H_
