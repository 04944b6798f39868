// The eleven flat calls giving a time, over one set of operands; the six
// relations of two times; a time's text.
#ifndef UNIVERSALTYPES_TESTS_SUPPORT_TIME_OPERATIONS_H
#define UNIVERSALTYPES_TESTS_SUPPORT_TIME_OPERATIONS_H

#include <cstdio>
#include <string>

#include "support/int128_model.h"
#include "universaltypes/flat.h"

inline std::string TimeText(const UniversalTime& time) {
  char offset[40];
  std::snprintf(offset, sizeof offset, " offset %a", static_cast<double>(time.Get_OffsetTime()));
  return RecordText(time.UniversalToPhysicalTime()) + offset;
}

struct TimeOperands {
  UniversalTime left, right;
  UniversalInteger ticks;
  UniversalReal seconds;
  int factor;
  double real;
};

struct TimeOperation {
  const char* name;
  int (*call)(const TimeOperands&, UniversalTime*);
};

#define UTYPES_TIME_OPERATION(name, expression) \
  TimeOperation { name, [](const TimeOperands& o, UniversalTime* r) -> int { return expression; } }

// Adding seconds writes its left operand too, so it is given a copy.
inline const TimeOperation kTimeOperations[] = {
    UTYPES_TIME_OPERATION("+ time", UniversalTimePlusUniversalTime(&o.left, &o.right, r)),
    UTYPES_TIME_OPERATION("- time", UniversalTimeMinusUniversalTime(&o.left, &o.right, r)),
    UTYPES_TIME_OPERATION("+ ticks", UniversalTimePlusUniversalInteger(&o.left, &o.ticks, r)),
    UTYPES_TIME_OPERATION("- ticks", UniversalTimeMinusUniversalInteger(&o.left, &o.ticks, r)),
    UTYPES_TIME_OPERATION("+ seconds", [&] {
      UniversalTime left = o.left;
      return UniversalTimePlusUniversalReal(&left, &o.seconds, r);
    }()),
    UTYPES_TIME_OPERATION("- seconds", UniversalTimeMinusUniversalReal(&o.left, &o.seconds, r)),
    UTYPES_TIME_OPERATION("* int", UniversalTimeTimesInt(&o.left, o.factor, r)),
    UTYPES_TIME_OPERATION("* double", UniversalTimeTimesDouble(&o.left, o.real, r)),
    UTYPES_TIME_OPERATION("/ int", UniversalTimeDividedByInt(&o.left, o.factor, r)),
    UTYPES_TIME_OPERATION("/ double", UniversalTimeDividedByDouble(&o.left, o.real, r)),
    UTYPES_TIME_OPERATION("/ ticks", UniversalTimeDividedByUniversalInteger(&o.left, &o.ticks, r)),
};

// ==, !=, <, <=, >, >=, in that order.
using TimeRelation = int (*)(const UniversalTime*, const UniversalTime*);
inline constexpr const char* kTimeRelationNames[] = {"==", "!=", "<", "<=", ">", ">="};
inline constexpr TimeRelation kTimeRelations[] = {
    UniversalTimeEqualsUniversalTime,       UniversalTimeNotEqualUniversalTime,
    UniversalTimeLessThanUniversalTime,     UniversalTimeLessEqualUniversalTime,
    UniversalTimeGreaterThanUniversalTime,  UniversalTimeGreaterEqualUniversalTime};

#endif
