// Random-case counts of the differential tests, scaled down under emulation
// by UTYPES_TEST_SCALE (a divisor; every test still runs).
#ifndef UNIVERSALTYPES_TESTS_SUPPORT_TEST_SCALE_H
#define UNIVERSALTYPES_TESTS_SUPPORT_TEST_SCALE_H

#include <cstdlib>

inline long ScaledCount(long count) {
  const char* scale = std::getenv("UTYPES_TEST_SCALE");
  const long divisor = scale != nullptr ? std::atol(scale) : 1;
  return divisor > 1 ? (count / divisor > 0 ? count / divisor : 1) : count;
}

#endif
