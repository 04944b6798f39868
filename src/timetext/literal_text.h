// A literal's characters as the text functions see them: a bounded view in
// which every index outside the text, or at and after a NUL, reads as NUL.
// Host text is never read past its end, whatever index a caller hands in.
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_LITERAL_TEXT_H
#define UNIVERSALTYPES_SRC_TIMETEXT_LITERAL_TEXT_H

#include <cstring>

namespace universaltypes::detail {

class LiteralText {
 public:
  // A NUL-terminated text (null reads as empty), cut at 2^31 - 1 characters.
  explicit LiteralText(const char* text) : text_(text), length_(text ? Clamped(std::strlen(text)) : 0) {}
  // At most `limit` characters, stopping at a NUL: no byte past either is read.
  LiteralText(const char* text, int limit)
      : text_(text), length_(text && limit > 0 ? Length(text, limit) : 0) {}

  // One unsigned comparison covers both ends: a negative index wraps high.
  char operator[](long index) const {
    return static_cast<unsigned long>(index) < static_cast<unsigned long>(length_) ? text_[index] : '\0';
  }
  int length() const { return length_; }
  // The count characters from index on when they all lie in the text (none
  // of them is then a NUL), or null.
  const char* Span(long index, int count) const {
    return index >= 0 && index + count <= length_ ? text_ + index : nullptr;
  }

 private:
  static int Clamped(std::size_t length) {
    return length < 0x7FFFFFFF ? static_cast<int>(length) : 0x7FFFFFFF;
  }
  static int Length(const char* text, int limit) {
    int length = 0;
    while (length < limit && text[length] != '\0') ++length;
    return length;
  }

  const char* text_;
  int length_;
};

// The six ASCII white-space characters; bytes from 0x80 up are never space.
inline bool IsAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
// The index of the first character from index on that is not white space.
inline long SkipSpace(const LiteralText& text, long index) {
  while (IsAsciiSpace(text[index])) ++index;
  return index;
}

}  // namespace universaltypes::detail

#endif
