// Flat functions as a C host sees them: plain C names over plain records,
// called through pointers. The library's come from the process (it is
// linked in), the int128 references' from shared libraries of their own, loaded
// privately so the same names do not clash. Both are called the same way.
#ifndef UNIVERSALTYPES_BENCH_FLAT_FUNCTIONS_H
#define UNIVERSALTYPES_BENCH_FLAT_FUNCTIONS_H

#include "int128_reference.h"

namespace bench {

// The 24-byte time record: the ticks' integer record, then the offset.
struct TimeRecord {
  IntegerRecord ticks;
  double offset;
};
static_assert(sizeof(TimeRecord) == 24);

using FlatIntegerArithmetic = int (*)(const IntegerRecord*, const IntegerRecord*, IntegerRecord*);
using FlatIntegerRelation = int (*)(const IntegerRecord*, const IntegerRecord*);

struct FlatIntegerFunctions {
  FlatIntegerArithmetic plus, minus, times, dividedBy, rem, mod;
  FlatIntegerRelation lessThan, equals;
};

using FlatTimeArithmetic = int (*)(const TimeRecord*, const TimeRecord*, TimeRecord*);
using FlatTimeByInt = int (*)(const TimeRecord*, int, TimeRecord*);
using FlatTimeByDouble = int (*)(const TimeRecord*, double, TimeRecord*);
using FlatTimeRelation = int (*)(const TimeRecord*, const TimeRecord*);

struct FlatTimeFunctions {
  FlatTimeArithmetic plus, minus;
  FlatTimeByInt timesInt, dividedByInt;
  FlatTimeByDouble timesDouble, dividedByDouble;
  FlatTimeRelation lessThan, equals;
};

const FlatIntegerFunctions& LibraryFlatIntegerFunctions();
const FlatIntegerFunctions& ReferenceFlatIntegerFunctions();
const FlatTimeFunctions& LibraryFlatTimeFunctions();
// The no-exception floor (int128_floor_reference.cpp); its time table has no
// scaling by doubles (those members are null).
const FlatIntegerFunctions& FloorFlatIntegerFunctions();
const FlatTimeFunctions& FloorFlatTimeFunctions();

}  // namespace bench

#endif  // UNIVERSALTYPES_BENCH_FLAT_FUNCTIONS_H
