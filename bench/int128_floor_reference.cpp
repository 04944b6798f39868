// The lean floor behind the flat interface: the library's C names on the same
// records, each record read with two 8-byte loads and the words beyond its
// digit count masked off (the library ignores them, so the floor does too),
// the operation in the compiler's unsigned 128-bit integers, the result
// written with two 8-byte stores and the digit count from its bit width,
// overflow and division by zero reported by return code, null pointers
// refused, and no try, throw or catch anywhere. It is what a flat call costs
// when it does nothing but that: the floor the library's flat functions are
// held to. Loaded privately by the benchmark, like the int128 .so.
#include <bit>
#include <cstdint>
#include <cstring>

#include "flat_functions.h"
#include "int128_reference.h"

#define FLOOR_C_API extern "C" __attribute__((visibility("default")))

namespace {

using bench::IntegerRecord;
using bench::TimeRecord;

struct Signed96 {
  bool negative;
  Uint128 magnitude;
};

// Words 0 and 1, and word 2, each masked to what the digit count covers:
// word 0 from count 1, word 1 from 3, word 2 from 5, none outside 1..6.
// Flags, not branches: operands of random widths would make branches on
// the count a coin toss.
Signed96 Read(const void* record) {
  std::uint64_t low, high;
  std::memcpy(&low, record, 8);
  std::memcpy(&high, static_cast<const unsigned char*>(record) + 8, 8);
  const auto count = static_cast<std::uint16_t>(low >> 16);
  const unsigned words = count <= 6 ? (count + 1u) / 2 : 0;
  const std::uint64_t lowMask = (words >= 2 ? ~std::uint64_t{0} : 0) | (words >= 1 ? 0xFFFFFFFFu : 0);
  const std::uint64_t highMask = words >= 3 ? 0xFFFFFFFFu : 0;
  const std::uint64_t magnitudeLow = (low >> 32 | high << 32) & lowMask;
  return {static_cast<std::int16_t>(low) < 0, Uint128{(high >> 32) & highMask} << 64 | magnitudeLow};
}

void Write(void* result, bool negative, Uint128 magnitude) {
  const auto high64 = static_cast<std::uint64_t>(magnitude >> 64);
  const int bits = high64 != 0 ? 128 - std::countl_zero(high64)
                               : 64 - std::countl_zero(static_cast<std::uint64_t>(magnitude));
  const std::uint64_t sign = negative && magnitude != 0 ? 0xFFFFu : 1u;
  const std::uint64_t low = sign | std::uint64_t((bits + 15) >> 4) << 16 | static_cast<std::uint64_t>(magnitude) << 32;
  const auto high = static_cast<std::uint64_t>(magnitude >> 32);
  std::memcpy(result, &low, 8);
  std::memcpy(static_cast<unsigned char*>(result) + 8, &high, 8);
}

// a + b with b's sign read as negativeB; false past 2^96 - 1.
bool Sum(const Signed96& a, const Signed96& b, bool negativeB, Signed96& sum) {
  if (a.negative == negativeB) {
    sum = {a.negative, a.magnitude + b.magnitude};
    return sum.magnitude <= bench::kMax96;
  }
  sum = a.magnitude >= b.magnitude ? Signed96{a.negative, a.magnitude - b.magnitude}
                                   : Signed96{negativeB, b.magnitude - a.magnitude};
  return true;
}

int SumInto(const IntegerRecord* left, const IntegerRecord* right, IntegerRecord* result, bool subtract) {
  if (left == nullptr || right == nullptr || result == nullptr) return 1;
  const Signed96 a = Read(left), b = Read(right);
  Signed96 sum;
  if (!Sum(a, b, b.negative != subtract, sum)) return 2;
  Write(result, sum.negative, sum.magnitude);
  return 0;
}

template <typename Operation>
int DivisionInto(const IntegerRecord* left, const IntegerRecord* right, IntegerRecord* result, Operation operation) {
  if (left == nullptr || right == nullptr || result == nullptr) return 1;
  const Signed96 a = Read(left), b = Read(right);
  if (b.magnitude == 0 && a.magnitude != 0) return 1;
  const Signed96 value = operation(a, b);
  Write(result, value.negative, value.magnitude);
  return 0;
}

bool Less(const Signed96& a, const Signed96& b) {
  const bool negativeA = a.negative && a.magnitude != 0, negativeB = b.negative && b.magnitude != 0;
  if (negativeA != negativeB) return negativeA;
  return negativeA ? b.magnitude < a.magnitude : a.magnitude < b.magnitude;
}

// A time as signed ticks in 128 bits and its offset.
struct FloorTime {
  Int128 ticks;
  double offset;
};

FloorTime ReadTime(const TimeRecord* record) {
  const Signed96 ticks = Read(record);
  const auto magnitude = static_cast<Int128>(ticks.magnitude);
  double offset;
  std::memcpy(&offset, reinterpret_cast<const unsigned char*>(record) + 16, sizeof offset);
  return {ticks.negative ? -magnitude : magnitude, offset};
}

bool WriteTime(TimeRecord* result, Int128 ticks, double offset) {
  const Uint128 magnitude = bench::MagnitudeOf(ticks);
  if (magnitude > bench::kMax96) return false;
  Write(result, ticks < 0, magnitude);
  std::memcpy(reinterpret_cast<unsigned char*>(result) + 16, &offset, sizeof offset);
  return true;
}

// The library's normalisation for the scaled offsets of x int and / int.
bool WriteNormalized(TimeRecord* result, Int128 ticks, double offset) {
  if (offset < 0.0) {
    const double borrow = 1.0 - __builtin_trunc(offset);
    ticks -= static_cast<Int128>(borrow);
    offset += borrow;
  }
  if (offset >= 1.0) {
    const double whole = __builtin_trunc(offset);
    ticks += static_cast<Int128>(whole);
    offset -= whole;
  }
  return WriteTime(result, ticks, offset);
}

}  // namespace

FLOOR_C_API int UniversalIntegerPlusUniversalInteger(const IntegerRecord* left, const IntegerRecord* right,
                                                     IntegerRecord* result) {
  return SumInto(left, right, result, false);
}
FLOOR_C_API int UniversalIntegerMinusUniversalInteger(const IntegerRecord* left, const IntegerRecord* right,
                                                      IntegerRecord* result) {
  return SumInto(left, right, result, true);
}
FLOOR_C_API int UniversalIntegerTimesUniversalInteger(const IntegerRecord* left, const IntegerRecord* right,
                                                      IntegerRecord* result) {
  if (left == nullptr || right == nullptr || result == nullptr) return 1;
  const Signed96 a = Read(left), b = Read(right);
  Write(result, a.negative != b.negative, (a.magnitude * b.magnitude) & bench::kMax96);
  return 0;
}
FLOOR_C_API int UniversalIntegerDividedByUniversalInteger(const IntegerRecord* left, const IntegerRecord* right,
                                                          IntegerRecord* result) {
  return DivisionInto(left, right, result, [](const Signed96& a, const Signed96& b) {
    return b.magnitude == 0 ? Signed96{false, 0} : Signed96{a.negative != b.negative, a.magnitude / b.magnitude};
  });
}
FLOOR_C_API int UniversalIntegerRemUniversalInteger(const IntegerRecord* left, const IntegerRecord* right,
                                                    IntegerRecord* result) {
  return DivisionInto(left, right, result, [](const Signed96& a, const Signed96& b) {
    return b.magnitude == 0 ? Signed96{false, 0} : Signed96{a.negative, a.magnitude % b.magnitude};
  });
}
FLOOR_C_API int UniversalIntegerModUniversalInteger(const IntegerRecord* left, const IntegerRecord* right,
                                                    IntegerRecord* result) {
  return DivisionInto(left, right, result, [](const Signed96& a, const Signed96& b) {
    if (b.magnitude == 0) return a;
    Uint128 rest = a.magnitude % b.magnitude;
    if (rest != 0 && a.negative != b.negative) rest = b.magnitude - rest;
    return Signed96{b.negative, rest};
  });
}
FLOOR_C_API int UniversalIntegerLessThanUniversalInteger(const IntegerRecord* left, const IntegerRecord* right) {
  if (left == nullptr || right == nullptr) return 0;
  return Less(Read(left), Read(right)) ? 1 : 0;
}
FLOOR_C_API int UniversalIntegerEqualsUniversalInteger(const IntegerRecord* left, const IntegerRecord* right) {
  if (left == nullptr || right == nullptr) return 0;
  const Signed96 a = Read(left), b = Read(right);
  return a.magnitude == b.magnitude && (a.negative == b.negative || a.magnitude == 0) ? 1 : 0;
}

FLOOR_C_API int UniversalTimePlusUniversalTime(const TimeRecord* left, const TimeRecord* right, TimeRecord* result) {
  if (left == nullptr || right == nullptr || result == nullptr) return 1;
  const FloorTime a = ReadTime(left), b = ReadTime(right);
  const double offset = a.offset + b.offset;
  // Two offsets below 1.0 sum below 2.0: one carry at most.
  const bool carry = offset >= 1.0;
  return WriteTime(result, a.ticks + b.ticks + (carry ? 1 : 0), carry ? offset - 1.0 : offset) ? 0 : 2;
}
FLOOR_C_API int UniversalTimeMinusUniversalTime(const TimeRecord* left, const TimeRecord* right, TimeRecord* result) {
  if (left == nullptr || right == nullptr || result == nullptr) return 1;
  const FloorTime a = ReadTime(left), b = ReadTime(right);
  const double offset = a.offset - b.offset;
  const bool borrow = offset < 0.0;
  return WriteTime(result, a.ticks - b.ticks - (borrow ? 1 : 0), borrow ? offset + 1.0 : offset) ? 0 : 2;
}
FLOOR_C_API int UniversalTimeTimesInt(const TimeRecord* left, int factor, TimeRecord* result) {
  if (left == nullptr || result == nullptr) return 1;
  const FloorTime a = ReadTime(left);
  const Uint128 product = (bench::MagnitudeOf(a.ticks) * bench::MagnitudeOf(factor)) & bench::kMax96;
  const auto magnitude = static_cast<Int128>(product);
  return WriteNormalized(result, (a.ticks < 0) != (factor < 0) ? -magnitude : magnitude, a.offset * factor) ? 0 : 2;
}
FLOOR_C_API int UniversalTimeDividedByInt(const TimeRecord* left, int divisor, TimeRecord* result) {
  if (left == nullptr || result == nullptr || divisor == 0) return 1;
  const FloorTime a = ReadTime(left);
  return WriteNormalized(result, a.ticks / divisor, (static_cast<double>(a.ticks % divisor) + a.offset) / divisor)
             ? 0
             : 2;
}
FLOOR_C_API int UniversalTimeLessThanUniversalTime(const TimeRecord* left, const TimeRecord* right) {
  if (left == nullptr || right == nullptr) return 0;
  const FloorTime a = ReadTime(left), b = ReadTime(right);
  return (a.ticks != b.ticks ? a.ticks < b.ticks : a.offset < b.offset) ? 1 : 0;
}
FLOOR_C_API int UniversalTimeEqualsUniversalTime(const TimeRecord* left, const TimeRecord* right) {
  if (left == nullptr || right == nullptr) return 0;
  const FloorTime a = ReadTime(left), b = ReadTime(right);
  return a.ticks == b.ticks && a.offset == b.offset ? 1 : 0;
}
