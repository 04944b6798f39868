// What every fuzz target shares: typed values read from the fuzzer's bytes,
// and the one way to report a finding, which stops libFuzzer and the replay
// driver alike.
#ifndef UNIVERSALTYPES_FUZZ_FUZZ_SUPPORT_H
#define UNIVERSALTYPES_FUZZ_FUZZ_SUPPORT_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

namespace fuzz {

// Reads fixed-size values front to back. Past the end every byte reads as
// zero, so any input, the empty one included, yields a full set of operands.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  template <typename T>
  T Read() {
    static_assert(std::is_trivially_copyable_v<T>);
    unsigned char bytes[sizeof(T)] = {};
    for (unsigned char& byte : bytes) {
      if (position_ < size_) byte = data_[position_++];
    }
    T value{};
    std::memcpy(static_cast<void*>(&value), bytes, sizeof value);
    return value;
  }

  // The bytes not read yet, as text (NULs included).
  std::string Rest() const {
    return std::string(reinterpret_cast<const char*>(data_) + position_, size_ - position_);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

// Text with every byte outside printable ASCII escaped, for messages.
inline std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '\\') {
      out += c;
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02x", byte);
      out += escape;
    }
  }
  return out;
}

}  // namespace fuzz

// A broken promise: says which and where, then aborts, so libFuzzer keeps the
// input as a crash artifact and the replay test fails.
#define FUZZ_CHECK(condition, ...)                                                    \
  do {                                                                                \
    if (!(condition)) {                                                               \
      std::fprintf(stderr, "%s:%d: finding: %s\n  ", __FILE__, __LINE__, #condition); \
      std::fprintf(stderr, __VA_ARGS__);                                              \
      std::fprintf(stderr, "\n");                                                     \
      std::abort();                                                                   \
    }                                                                                 \
  } while (false)

#endif  // UNIVERSALTYPES_FUZZ_FUZZ_SUPPORT_H
