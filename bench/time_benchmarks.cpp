// The time rows: arithmetic and comparison through the class and the flat
// interface against the int128 time reference, with SystemC's sc_time (a
// 64-bit count of the resolution, no offset) alongside.
#include <cmath>

#include "benchmarks.h"
#include "systemc_form.h"

namespace bench {

namespace {

constexpr const char* kSection = "time";

// Simulation times up to 2^52 fs (about 4.5 s), half of them with an
// offset: a thousand of them still fit sc_time's 64 bits.
Int128Time RandomTime(Random& random) {
  const auto ticks = static_cast<Int128>(RandomMagnitude(random, UniformInt(random, 1, 52)));
  const double offset = random() & 1u ? std::uniform_real_distribution<double>(0.0, 1.0)(random) : 0.0;
  return Int128Time::Normalized(ticks, offset);
}

// Left never below right, so sc_time's unsigned differences stay exact.
const Pairs<Int128Time>& TimePairs() {
  static const Pairs<Int128Time>* pairs = [] {
    Random random(41);
    Pairs<Int128Time> result;
    for (std::size_t index = 0; index < kPoolSize; ++index) {
      const Int128Time a = RandomTime(random);
      const Int128Time b = RandomTime(random);
      result.left.push_back(a < b ? b : a);
      result.right.push_back(a < b ? a : b);
    }
    return &KeepForever(std::move(result));
  }();
  return *pairs;
}

// The left times with scalars from draw(random).
template <typename Scalar, typename Draw>
const Pairs<Int128Time, Scalar>& ScalarPairs(Draw draw) {
  Random random(43);
  Pairs<Int128Time, Scalar> pairs{TimePairs().left, {}};
  for (std::size_t index = 0; index < pairs.size(); ++index) pairs.right.push_back(draw(random));
  return KeepForever(std::move(pairs));
}

int IntFactor(Random& random) { return UniformInt(random, 1, 1000); }
double DoubleFactor(Random& random) {
  return std::ldexp(std::uniform_real_distribution<double>(1.0, 2.0)(random), UniformInt(random, -10, 9));
}

template <typename Right, typename FlatMember, typename Operation>
void RegisterTimeRow(const char* name, const Pairs<Int128Time, Right>& operands, FlatMember flat,
                     Operation operation, Agreement library = Agreement::kSameResult) {
  Row row(kSection, name, operands.size());
  row.Add(kInt128, OverPairs(operands, operation))
      .Add(kClass, OverPairs(KeepForever(MapPairs(operands, ToLibraryForm{})), operation), library)
      .Add(kFlat, OverPairs(KeepForever(MapPairs(operands, ToRecordForm{})), FlatCall(flat, LibraryFlatTimeFunctions())),
           library)
      .Add(kSystemC, OverPairs(KeepForever(MapPairs(operands, ToSystemCForm{})), operation), Agreement::kOwnFormat);
  if (FloorFlatTimeFunctions().*flat != nullptr) {
    row.Add(kInt128Floor, OverPairs(KeepForever(MapPairs(operands, ToRecordForm{})), FlatCall(flat, FloorFlatTimeFunctions())));
  }
}

}  // namespace

void RegisterTimeBenchmarks() {
  const auto& times = TimePairs();
  const auto& ints = ScalarPairs<int>(IntFactor);
  const auto& doubles = ScalarPairs<double>(DoubleFactor);
  RegisterTimeRow("add", times, &FlatTimeFunctions::plus, [](const auto& a, const auto& b) { return a + b; });
  RegisterTimeRow("subtract", times, &FlatTimeFunctions::minus, [](const auto& a, const auto& b) { return a - b; });
  RegisterTimeRow("times int", ints, &FlatTimeFunctions::timesInt, [](const auto& a, int b) { return a * b; });
  RegisterTimeRow("divided by int", ints, &FlatTimeFunctions::dividedByInt, [](const auto& a, int b) { return a / b; });
  // The library's tick product drops a fraction computed digit by digit in
  // doubles, the reference's is exact: offsets differ in their last bits.
  RegisterTimeRow("times double", doubles, &FlatTimeFunctions::timesDouble,
                  [](const auto& a, double b) { return a * b; }, Agreement::kOwnFormat);
  RegisterTimeRow("divided by double", doubles, &FlatTimeFunctions::dividedByDouble,
                  [](const auto& a, double b) { return a / b; }, Agreement::kOwnFormat);
  RegisterTimeRow("less than", times, &FlatTimeFunctions::lessThan, [](const auto& a, const auto& b) { return a < b; });
  RegisterTimeRow("equal", times, &FlatTimeFunctions::equals, [](const auto& a, const auto& b) { return a == b; });
}

}  // namespace bench
