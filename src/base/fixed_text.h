// FixedText<N>: a zero-terminated text in a buffer of N bytes, as the system's
// row records and run state hold them. Whatever is assigned is cut to N-1
// bytes; the buffer is never overrun. Bytes are Windows-1252 characters.
#ifndef SSTRXK_BASE_FIXED_TEXT_H_
#define SSTRXK_BASE_FIXED_TEXT_H_

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__GNUC__) || defined(__clang__)
#define SSTRXK_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define SSTRXK_PRINTF_FORMAT(fmt, args)
#endif

template <std::size_t N>
class FixedText {
  static_assert(N >= 1, "a fixed text needs room for its terminator");

 public:
  static constexpr std::size_t kCapacity = N;  // bytes, terminator included

  FixedText() { Clear(); }
  FixedText(std::string_view text) { Assign(text); }  // NOLINT: implicit by design

  void Clear() { std::memset(buf_, 0, N); }

  // Copies at most N-1 bytes of `text`, stopping at an embedded zero byte.
  void Assign(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && n < N - 1 && text[n] != '\0') ++n;
    std::memcpy(buf_, text.data(), n);
    std::memset(buf_ + n, 0, N - n);
  }

  // Copies `text` when it fits (at most N-1 bytes); otherwise leaves the
  // buffer as it was and returns false. For values that must not be cut,
  // such as keys that name another record when cut.
  bool AssignIfFits(std::string_view text) {
    if (text.size() > N - 1) return false;
    Assign(text);
    return true;
  }

  // printf-style formatting into the buffer; the result is cut to N-1 bytes.
  SSTRXK_PRINTF_FORMAT(2, 3) void Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(buf_, N, format, args);
    va_end(args);
  }

  const char* c_str() const { return buf_; }
  char* data() { return buf_; }
  std::size_t size() const { return std::strlen(buf_); }
  bool empty() const { return buf_[0] == '\0'; }
  std::string_view view() const { return std::string_view(buf_, size()); }
  std::string str() const { return std::string(view()); }

  bool operator==(std::string_view other) const { return view() == other; }

 private:
  char buf_[N];
};

#endif  // SSTRXK_BASE_FIXED_TEXT_H_
