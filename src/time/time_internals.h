// Field access for the time sources, compile-time construction of the
// presets, the record's layout checks, and the offset normalisation every
// time operation ends with.
#ifndef UNIVERSALTYPES_SRC_TIME_TIME_INTERNALS_H
#define UNIVERSALTYPES_SRC_TIME_TIME_INTERNALS_H

#include <cstddef>
#include <type_traits>

#include "integer/integer_internals.h"
#include "real/real_internals.h"
#include "universaltypes/universal_time.h"

struct TimeInternals {
  static constexpr UniversalTime Make(const UniversalInteger& ticks, double offset) {
    return UniversalTime(ticks, RealInternals::Make(offset), UniversalTime::ConstantTag{});
  }

  static UniversalInteger& Ticks(UniversalTime& time) { return time._physicalTime; }
  static const UniversalInteger& Ticks(const UniversalTime& time) { return time._physicalTime; }
  static double Offset(const UniversalTime& time) { return RealInternals::Value(time._offsetTime); }
  // Stores +0.0 for either zero.
  static void SetOffset(UniversalTime& time, double offset) {
    time._offsetTime = RealInternals::Make(offset == 0.0 ? 0.0 : offset);
  }
  // The time with its zeros made canonical (see CanonicalZeros), as a sum
  // or difference ends.
  static UniversalTime& WithCanonicalZeros(UniversalTime& time) {
    double offset = Offset(time);
    CanonicalZeros(time._physicalTime, offset);
    SetOffset(time, offset);
    return time;
  }
  static bool AnalogExists() { return universaltypes::detail::LoadShared(UniversalTime::_analogExists); }
  static void SetAnalogExists(bool analogExists) {
    universaltypes::detail::StoreShared(UniversalTime::_analogExists, analogExists);
  }

  // Whole femtoseconds of the offset move into the ticks: a negative offset
  // borrows 1 - trunc(offset) (so -2.0 borrows 3 and leaves 1.0), then an
  // offset of 1.0 or more gives up trunc(offset). A finite offset ends in
  // [0, 1) with ticks + offset unchanged; a NaN stays as it is. An offset
  // beyond the 96-bit range throws UTypes_Overflow.
  // It also leaves the zeros canonical (see CanonicalZeros).
  static void NormalizeOffset(UniversalInteger& ticks, double& offset);
  // A -0.0 offset becomes +0.0 and a negative zero tick count +0.
  static void CanonicalZeros(UniversalInteger& ticks, double& offset);
  static void BorrowForNegativeOffset(UniversalInteger& ticks, double& offset);

  // left + right and left - right as the class operators compute them, with
  // overflow returned as false (the status word noted, result unspecified)
  // instead of thrown.
  static bool TrySum(const UniversalTime& left, const UniversalTime& right, UniversalTime& sum);
  static bool TryDifference(const UniversalTime& left, const UniversalTime& right,
                            UniversalTime& difference);

  // The pair constructor's result after one more normalisation: how every
  // scaled or shifted time is finished.
  static UniversalTime Normalized(UniversalInteger ticks, double offset) {
    NormalizeOffset(ticks, offset);
    // Normalised once, the pair constructor's own normalisation changes
    // nothing: the record is built directly.
    return Make(ticks, offset);
  }

  static void CheckLayout() {
    static_assert(std::is_trivially_copyable_v<UniversalTime>);
    static_assert(std::is_standard_layout_v<UniversalTime>);
    static_assert(sizeof(UniversalTime) == 24);
    static_assert(offsetof(UniversalTime, _physicalTime) == 0);
    static_assert(offsetof(UniversalTime, _offsetTime) == 16);
  }
};

#endif
