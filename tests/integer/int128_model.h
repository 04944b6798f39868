// An independent model of the 96-bit sign-magnitude integer on unsigned
// __int128, and the bridge to and from the library's record through the
// integer array form (so the test reads every field the host would see).
#ifndef UNIVERSALTYPES_TESTS_INTEGER_INT128_MODEL_H
#define UNIVERSALTYPES_TESTS_INTEGER_INT128_MODEL_H

#include <cstdint>
#include <string>

#include "support/int128.h"
#include "universaltypes/universal_integer.h"


inline constexpr u128 kMax96 = (u128{1} << 96) - 1;

struct Model {
  int sign = 1;  // +1 or -1; zero has +1
  u128 magnitude = 0;
  bool operator==(const Model&) const = default;
};

inline int ExactDigitCount(u128 magnitude) {
  int count = 0;
  while (magnitude != 0) {
    ++count;
    magnitude >>= 16;
  }
  return count;
}

inline UniversalInteger ToRecord(const Model& model) {
  int ints[5] = {model.sign, ExactDigitCount(model.magnitude),
                 static_cast<int>(static_cast<std::uint32_t>(model.magnitude)),
                 static_cast<int>(static_cast<std::uint32_t>(model.magnitude >> 32)),
                 static_cast<int>(static_cast<std::uint32_t>(model.magnitude >> 64))};
  UniversalInteger record;
  record.ConvertIntsToUniversalInteger(ints);
  return record;
}

struct Fields {
  int sign, count;
  std::uint32_t words[3];
};

inline Fields FieldsOf(const UniversalInteger& record) {
  int ints[5];
  record.ConvertUniversalIntegerToInts(ints);
  return {ints[0], ints[1],
          {static_cast<std::uint32_t>(ints[2]), static_cast<std::uint32_t>(ints[3]),
           static_cast<std::uint32_t>(ints[4])}};
}

// The record the library must produce for a model value: exact count,
// uncovered words zero.
inline bool Matches(const UniversalInteger& record, const Model& model) {
  const Fields fields = FieldsOf(record);
  return fields.sign == model.sign && fields.count == ExactDigitCount(model.magnitude) &&
         fields.words[0] == static_cast<std::uint32_t>(model.magnitude) &&
         fields.words[1] == static_cast<std::uint32_t>(model.magnitude >> 32) &&
         fields.words[2] == static_cast<std::uint32_t>(model.magnitude >> 64);
}

inline std::string ToString(const Model& model) {
  std::string digits;
  u128 rest = model.magnitude;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    rest /= 10;
  } while (rest != 0);
  return (model.sign < 0 ? "-" : "") + digits;
}

inline Model Normalised(int sign, u128 magnitude) { return {magnitude == 0 ? 1 : sign, magnitude}; }

#endif
