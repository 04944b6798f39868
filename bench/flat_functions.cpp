#include "flat_functions.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

namespace {

[[noreturn]] void Fail(const char* what, const char* name) {
  std::fprintf(stderr, "%s %s: %s\n", what, name, dlerror());
  std::exit(1);
}

// The exported names, in the order of the tables' members.
constexpr const char* kIntegerNames[] = {
    "UniversalIntegerPlusUniversalInteger",      "UniversalIntegerMinusUniversalInteger",
    "UniversalIntegerTimesUniversalInteger",     "UniversalIntegerDividedByUniversalInteger",
    "UniversalIntegerRemUniversalInteger",       "UniversalIntegerModUniversalInteger",
    "UniversalIntegerLessThanUniversalInteger",  "UniversalIntegerEqualsUniversalInteger"};
constexpr const char* kTimeNames[] = {
    "UniversalTimePlusUniversalTime",  "UniversalTimeMinusUniversalTime",    "UniversalTimeTimesInt",
    "UniversalTimeDividedByInt",       "UniversalTimeTimesDouble",           "UniversalTimeDividedByDouble",
    "UniversalTimeLessThanUniversalTime", "UniversalTimeEqualsUniversalTime"};

// A table whose members are all function pointers, filled from names; with
// some allowed missing, a name the library lacks leaves its member null.
template <typename Functions, std::size_t Count>
Functions LookUpAll(void* handle, const char* const (&names)[Count], bool someMissing = false) {
  void* addresses[Count];
  static_assert(sizeof(Functions) == sizeof addresses);
  for (std::size_t index = 0; index < Count; ++index) {
    addresses[index] = dlsym(handle, names[index]);
    if (addresses[index] == nullptr && !someMissing) Fail("cannot find", names[index]);
  }
  Functions functions;
  std::memcpy(static_cast<void*>(&functions), addresses, sizeof functions);
  return functions;
}

}  // namespace

const FlatIntegerFunctions& LibraryFlatIntegerFunctions() {
  // The library is linked in: its names are the process's global ones.
  static const auto functions = LookUpAll<FlatIntegerFunctions>(RTLD_DEFAULT, kIntegerNames);
  return functions;
}

// Local binding: a reference's names stay out of the global scope.
void* LoadPrivately(const char* path) {
  void* handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) Fail("cannot load", path);
  return handle;
}

const FlatIntegerFunctions& ReferenceFlatIntegerFunctions() {
  static const auto functions =
      LookUpAll<FlatIntegerFunctions>(LoadPrivately(UTYPES_BENCH_INT128_FLAT_LIBRARY), kIntegerNames);
  return functions;
}

const FlatIntegerFunctions& FloorFlatIntegerFunctions() {
  static const auto functions =
      LookUpAll<FlatIntegerFunctions>(LoadPrivately(UTYPES_BENCH_INT128_FLOOR_LIBRARY), kIntegerNames);
  return functions;
}

const FlatTimeFunctions& FloorFlatTimeFunctions() {
  // The floor has no scaling by doubles.
  static const auto functions =
      LookUpAll<FlatTimeFunctions>(LoadPrivately(UTYPES_BENCH_INT128_FLOOR_LIBRARY), kTimeNames, true);
  return functions;
}

const FlatTimeFunctions& LibraryFlatTimeFunctions() {
  static const auto functions = LookUpAll<FlatTimeFunctions>(RTLD_DEFAULT, kTimeNames);
  return functions;
}

}  // namespace bench
