// Compile-time construction of UniversalReal values for the library's own
// constants, and the record's layout checks.
#ifndef UNIVERSALTYPES_SRC_REAL_REAL_INTERNALS_H
#define UNIVERSALTYPES_SRC_REAL_REAL_INTERNALS_H

#include <cstddef>
#include <type_traits>

#include "universaltypes/universal_real.h"

struct RealInternals {
  static constexpr UniversalReal Make(double value) {
    return UniversalReal(value, UniversalReal::ConstantTag{});
  }
  static double Value(const UniversalReal& real) { return real._value; }
  static double& ValueWord(UniversalReal& real) { return real._value; }

  static void CheckLayout() {
    static_assert(std::is_trivially_copyable_v<UniversalReal>);
    static_assert(std::is_standard_layout_v<UniversalReal>);
    static_assert(sizeof(UniversalReal) == 8);
    static_assert(offsetof(UniversalReal, _value) == 0);
  }
};

#endif
