// The library's tick is one femtosecond.
#ifndef UNIVERSALTYPES_SRC_TIME_FEMTOSECONDS_H
#define UNIVERSALTYPES_SRC_TIME_FEMTOSECONDS_H

#include <cstdint>

namespace universaltypes::detail {

inline constexpr std::uint64_t kFemtosecondsPerSecond = 1000000000000000;
// The same, exactly, as a double.
inline constexpr double kFemtosecondsPerSecondAsDouble = static_cast<double>(kFemtosecondsPerSecond);

}  // namespace universaltypes::detail

#endif
