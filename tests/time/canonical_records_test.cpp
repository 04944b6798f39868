// Over random records, both analog settings, both signs, zero magnitudes
// with either sign and offsets of 0.0 and -0.0 on input, every flat
// operation that gives a time gives a canonical record: ticks with sign +1
// or -1, the words' own digit count, zero as +0, and no -0.0 offset.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/record_source.h"
#include "support/test_scale.h"
#include "support/time_operations.h"
#include "universaltypes/time_text.h"

namespace {

constexpr std::uint64_t kSeed = 0xCA201CA1;
constexpr long kCases = 20000;

bool IsCanonical(const UniversalTime& time) {
  const double offset = time.Get_OffsetTime();
  return IsCanonical(time.UniversalToPhysicalTime()) && !(offset == 0.0 && std::signbit(offset));
}

TEST(CanonicalRecords, EveryTimeOperationGivesOne) {
  RecordSource source(kSeed);
  for (long index = 0; index < ScaledCount(kCases); ++index) {
    UniversalTime::Set_AnalogExists(source.Below(2) == 0);
    const UniversalTime left = source.Time(true), right = source.Time(true);
    const TimeOperands o{left, right, source.Integer(true), UniversalReal(source.Real() * 1e-12), source.Int(),
                         source.Real()};
    for (const TimeOperation& operation : kTimeOperations) {
      UniversalTime result;
      if (operation.call(o, &result) != UTypes_OK) continue;
      EXPECT_TRUE(IsCanonical(result)) << operation.name << " of " << index << ": " << o.factor << ", " << o.real
                                       << ", " << TimeText(left) << ", " << TimeText(right) << ", "
                                       << RecordText(o.ticks) << " gave " << TimeText(result) << ", seed " << kSeed;
    }
    if (HasFailure()) break;
  }
  UniversalTime::Set_AnalogExists(true);
}

}  // namespace
