// Line reader over a binary stream with Windows text-mode line ends (see
// text_mode_file.h).
#include "export/balance/text_mode_file.h"

#include <system_error>

TextModeFile::TextModeFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return;
  in_.open(path, std::ios::in | std::ios::binary);
  open_ = in_.is_open();
}

bool TextModeFile::ReadLine(std::size_t max_chars, std::string& line) {
  line.clear();
  if (!open_) return false;
  if (max_chars == 0) max_chars = 1;
  bool any = false;
  while (line.size() < max_chars) {
    int c = in_.get();
    if (c == std::char_traits<char>::eof()) break;
    any = true;
    if (c == '\r' && in_.peek() == '\n') c = in_.get();
    line.push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  std::size_t zero = line.find('\0');
  if (zero != std::string::npos) line.erase(zero);
  return any;
}
