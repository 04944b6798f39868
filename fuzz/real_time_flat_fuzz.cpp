// The real and time flat functions, and the integer-by-real ones, on
// arbitrary records and doubles (NaN, infinities, negative zero,
// subnormals): memory-safe and free of undefined behaviour for any bytes; a
// failure leaves the result unwritten; valid operands give results that keep
// the invariants, or an error status where the operation has no value. Real
// arithmetic is IEEE's to the bit, conversions from reals and time sums are
// exact, and time comparisons follow ticks, then offsets while analog.
//
// Input: a mode byte (1 analog, 2 repair the records into valid ones), two
// time records, an integer record, two doubles, an int.
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>
#include <utility>

#include "fuzz_support.h"
#include "record_model.h"
#include "universaltypes/universal_time.h"

namespace {

using fuzz::KeepsInvariants;

struct Operands {
  UniversalTime left, right;
  UniversalInteger integer;
  double real = 0.0, other = 0.0;
  int factor = 0;
  std::string Text() const;
};

std::string TimeText(const UniversalTime& time) {
  char offset[32];
  std::snprintf(offset, sizeof offset, " + %a", static_cast<double>(time.Get_OffsetTime()));
  return RecordText(time.UniversalToPhysicalTime()) + offset;
}

std::string Operands::Text() const {
  char reals[96];
  std::snprintf(reals, sizeof reals, ", reals %a %a, int %d", real, other, factor);
  return "left " + TimeText(left) + ", right " + TimeText(right) + ", integer " + RecordText(integer) +
         reals;
}

bool SameDouble(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
         (std::isnan(a) && std::isnan(b));
}

// ==, !=, <, <=, >, >=, answered 1 or 0 as expected.
template <typename Record>
using Relation = int (*)(const Record*, const Record*);
using Truths = std::array<bool, 6>;

template <typename Record>
void CheckRelations(const Relation<Record> (&relations)[6], const Record& left, const Record& right,
                    const Truths& expected, const std::string& context) {
  for (std::size_t relation = 0; relation < expected.size(); ++relation) {
    FUZZ_CHECK(relations[relation](&left, &right) == (expected[relation] ? 1 : 0), "relation %zu, %s",
               relation, context.c_str());
  }
}

const Relation<UniversalReal> kRealRelations[6] = {
    UniversalRealEqualsUniversalReal,      UniversalRealNotEqualUniversalReal,
    UniversalRealLessThanUniversalReal,    UniversalRealLessEqualUniversalReal,
    UniversalRealGreaterThanUniversalReal, UniversalRealGreaterEqualUniversalReal};

const Relation<UniversalTime> kTimeRelations[6] = {
    UniversalTimeEqualsUniversalTime,      UniversalTimeNotEqualUniversalTime,
    UniversalTimeLessThanUniversalTime,    UniversalTimeLessEqualUniversalTime,
    UniversalTimeGreaterThanUniversalTime, UniversalTimeGreaterEqualUniversalTime};

// ---- reals: one IEEE operation each, never a failure

struct RealOperation {
  const char* name;
  int (*flat)(const UniversalReal*, double, UniversalReal*);
  double (*ieee)(double, double);
};

const RealOperation kRealOperations[] = {
    {"+",
     [](const UniversalReal* a, double b, UniversalReal* r) {
       const UniversalReal right(b);
       return UniversalRealPlusUniversalReal(a, &right, r);
     },
     [](double a, double b) { return a + b; }},
    {"-",
     [](const UniversalReal* a, double b, UniversalReal* r) {
       const UniversalReal right(b);
       return UniversalRealMinusUniversalReal(a, &right, r);
     },
     [](double a, double b) { return a - b; }},
    {"* double", UniversalRealTimesDouble, [](double a, double b) { return a * b; }},
    {"/ double", UniversalRealDividedByDouble, [](double a, double b) { return a / b; }},
};

void CheckReals(const Operands& operands) {
  const double a = operands.real, b = operands.other;
  for (const RealOperation& operation : kRealOperations) {
    UniversalReal left(a), result;
    FUZZ_CHECK(operation.flat(&left, b, &result) == UTypes_OK, "real %s", operation.name);
    FUZZ_CHECK(SameDouble(result, operation.ieee(a, b)), "real %s of %a and %a", operation.name, a, b);
    FUZZ_CHECK(operation.flat(&left, b, &left) == UTypes_OK && SameDouble(left, result), "real %s in place",
               operation.name);
  }
  const UniversalReal left(a), right(b);
  UniversalReal product, quotient;
  FUZZ_CHECK(UniversalRealTimesInt(&left, operands.factor, &product) == UTypes_OK &&
                 SameDouble(product, a * static_cast<double>(operands.factor)),
             "real * int");
  FUZZ_CHECK(UniversalRealDividedByInt(&left, operands.factor, &quotient) == UTypes_OK &&
                 SameDouble(quotient, a / static_cast<double>(operands.factor)),
             "real / int");
  char context[80];
  std::snprintf(context, sizeof context, "reals %a and %a", a, b);
  CheckRelations(kRealRelations, left, right, {a == b, a != b, (a < b), (a <= b), (a > b), (a >= b)},
                 context);
}

// ---- integers from and by reals

// Truncation toward zero is exact below 2^96; NaN has no value at all.
void CheckIntegerFromReal(double real) {
  int status = UTypes_OK;
  UniversalInteger integer;
  try {
    integer = UniversalInteger(UniversalReal(real));
  } catch (const UTypes_StatusCodeException& exception) {
    status = exception.Get_StatusCode();
  }
  const double whole = std::trunc(std::fabs(real));
  const int expected = std::isnan(real) ? UTypes_Error : (whole >= 0x1p96 ? UTypes_Overflow : UTypes_OK);
  FUZZ_CHECK(status == expected, "integer from %a: status %d", real, status);
  if (status != UTypes_OK) return;
  FUZZ_CHECK(Matches(integer, Normalised(real < 0 ? -1 : 1, static_cast<u128>(whole))),
             "integer from %a is %s", real, RecordText(integer).c_str());
  FUZZ_CHECK(static_cast<double>(integer) == std::trunc(real), "integer from %a converts back", real);
}

void CheckIntegerByReal(const Operands& operands) {
  const UniversalInteger unwritten(77);
  UniversalInteger product = unwritten, quotient = unwritten;
  const UniversalReal unwrittenRemainder(-5.0);
  UniversalReal remainder = unwrittenRemainder;
  const int timesStatus = UniversalIntegerTimesDouble(operands.integer, operands.real, &product, &remainder);
  const int overStatus = UniversalIntegerDividedByDouble(&operands.integer, operands.real, &quotient);
  const std::string context = operands.Text();
  FUZZ_CHECK(timesStatus == UTypes_OK ||
                 (fuzz::SameBytes(product, unwritten) && fuzz::SameBytes(remainder, unwrittenRemainder)),
             "%s", context.c_str());
  FUZZ_CHECK(overStatus == UTypes_OK || fuzz::SameBytes(quotient, unwritten), "%s", context.c_str());
  FUZZ_CHECK(!std::isnan(operands.real) || (timesStatus == UTypes_Error && overStatus == UTypes_Error), "%s",
             context.c_str());
  if (!KeepsInvariants(operands.integer)) return;
  const double dropped = remainder;
  FUZZ_CHECK(timesStatus != UTypes_OK || (KeepsInvariants(product) && dropped >= 0.0 && dropped < 1.0),
             "product %s remainder %a, %s", RecordText(product).c_str(), dropped, context.c_str());
  FUZZ_CHECK(overStatus != UTypes_OK || KeepsInvariants(quotient), "quotient %s, %s",
             RecordText(quotient).c_str(), context.c_str());
}

// ---- times

struct TimeOperation {
  const char* name;
  int (*flat)(UniversalTime* left, const Operands& operands, UniversalTime* result);
  // Where the operation has no value whatever the records hold.
  bool (*undefined)(const Operands& operands);
  bool writesLeft;
  // Documented edges of a valid result. Ticks kept modulo 2^96 with the
  // product of the signs, like an integer product, may be a negative zero.
  bool wraps = false;
  // Offsets combined with at most one carry or borrow may end at exactly
  // 1.0: a borrow by a difference within 2^-54 below zero, or a carry from
  // seconds whose time holds 1.0 (as a tiny negative time does).
  bool oneCarry = false;
};

bool Never(const Operands&) { return false; }
bool RealIsNan(const Operands& operands) { return std::isnan(operands.real); }
bool FactorIsZero(const Operands& operands) { return operands.factor == 0; }
bool RealIsZeroOrNan(const Operands& operands) { return operands.real == 0.0 || std::isnan(operands.real); }
bool IntegerIsZero(const Operands& operands) {
  return KeepsInvariants(operands.integer) && fuzz::ModelOf(operands.integer).magnitude == 0;
}

// Each flat function with its right operand taken from the operands.
template <auto Flat>
int WithTime(UniversalTime* left, const Operands& operands, UniversalTime* result) {
  return Flat(left, &operands.right, result);
}
template <auto Flat>
int WithTicks(UniversalTime* left, const Operands& operands, UniversalTime* result) {
  return Flat(left, &operands.integer, result);
}
template <auto Flat>
int WithFactor(UniversalTime* left, const Operands& operands, UniversalTime* result) {
  return Flat(left, operands.factor, result);
}
template <auto Flat>
int WithReal(UniversalTime* left, const Operands& operands, UniversalTime* result) {
  return Flat(left, operands.real, result);
}
template <auto Flat>
int WithSeconds(UniversalTime* left, const Operands& operands, UniversalTime* result) {
  const UniversalReal seconds(operands.real);
  return Flat(left, &seconds, result);
}

// The first four, the sums and differences, are also checked exactly
// (ExpectedTicks knows them by their index).
const TimeOperation kTimeOperations[] = {
    {"+ time", WithTime<UniversalTimePlusUniversalTime>, Never, false},
    {"- time", WithTime<UniversalTimeMinusUniversalTime>, Never, false, false, true},
    {"+ ticks", WithTicks<UniversalTimePlusUniversalInteger>, Never, false},
    {"- ticks", WithTicks<UniversalTimeMinusUniversalInteger>, Never, false},
    {"+ seconds", WithSeconds<UniversalTimePlusUniversalReal>, RealIsNan, true, false, true},
    {"- seconds", WithSeconds<UniversalTimeMinusUniversalReal>, RealIsNan, false},
    {"* int", WithFactor<UniversalTimeTimesInt>, Never, false, true},
    {"* double", WithReal<UniversalTimeTimesDouble>, RealIsNan, false},
    {"/ int", WithFactor<UniversalTimeDividedByInt>, FactorIsZero, false},
    {"/ double", WithReal<UniversalTimeDividedByDouble>, RealIsZeroOrNan, false},
    {"/ integer", WithTicks<UniversalTimeDividedByUniversalInteger>, IntegerIsZero, false},
};

bool IsNegativeZero(const UniversalTime& time) {
  const Fields fields = FieldsOf(time.UniversalToPhysicalTime());
  return fields.sign == -1 && fields.count == 0 && fields.words[0] == 0 && fields.words[1] == 0 &&
         fields.words[2] == 0;
}

// The same time with the sign of its ticks turned.
UniversalTime Negated(const UniversalTime& time) {
  const Model ticks = fuzz::ModelOf(time.UniversalToPhysicalTime());
  return TimeRecord(ToRecord({-ticks.sign, ticks.magnitude}), time.Get_OffsetTime());
}

bool IsDocumentedEdge(const TimeOperation& operation, const UniversalTime& time) {
  if (operation.wraps && IsNegativeZero(time)) return KeepsInvariants(Negated(time));
  return operation.oneCarry && static_cast<double>(time.Get_OffsetTime()) == 1.0 &&
         KeepsInvariants(time.UniversalToPhysicalTime());
}

UniversalTime Unwritten() { return TimeRecord(ToRecord({-1, 0xABCDEF}), -3.5); }

struct TimeResult {
  int status = UTypes_OK;
  UniversalTime time;
};

TimeResult Run(const TimeOperation& operation, const Operands& operands, const std::string& context) {
  TimeResult result{UTypes_OK, Unwritten()};
  UniversalTime left = operands.left;
  result.status = operation.flat(&left, operands, &result.time);
  FUZZ_CHECK(result.status >= UTypes_OK && result.status <= UTypes_Overflow, "%s", context.c_str());
  FUZZ_CHECK(result.status == UTypes_OK || fuzz::SameBytes(result.time, Unwritten()), "%s", context.c_str());
  FUZZ_CHECK(!operation.undefined(operands) || result.status == UTypes_Error, "%s: status %d",
             context.c_str(), result.status);
  // The result may be the left operand itself.
  UniversalTime alias = operands.left;
  FUZZ_CHECK(operation.flat(&alias, operands, &alias) == result.status, "%s", context.c_str());
  FUZZ_CHECK(fuzz::SameBytes(alias, result.status == UTypes_OK ? result.time : operands.left) ||
                 (operation.writesLeft && result.status != UTypes_OK),
             "%s", context.c_str());
  return result;
}

// Sums and differences of times and ticks, exactly: ticks in the integer
// model, offsets as the one double operation they are, with one carry or
// borrow while analog. operation: 0 + time, 1 - time, 2 + ticks, 3 - ticks.
ModelOutcome ExpectedTicks(const Operands& operands, int operation, bool analog, double& offset) {
  const Model left = fuzz::ModelOf(operands.left.UniversalToPhysicalTime());
  const bool subtract = operation % 2 == 1;
  const Model right =
      fuzz::ModelOf(operation < 2 ? operands.right.UniversalToPhysicalTime() : operands.integer);
  ModelOutcome ticks = subtract ? ModelDifference(left, right) : ModelSum(left, right);
  const double leftOffset = operands.left.Get_OffsetTime(), rightOffset = operands.right.Get_OffsetTime();
  // Results leave with one zero: an offset of -0.0 becomes +0.0.
  offset = leftOffset + 0.0;
  if (ticks.status != UTypes_OK || operation >= 2 || !analog) return ticks;
  offset = subtract ? leftOffset - rightOffset : rightOffset + leftOffset;
  if (subtract ? offset < 0.0 : offset >= 1.0) {
    offset += subtract ? 1.0 : -1.0;
    ticks = (subtract ? ModelDifference : ModelSum)(ticks.value, Normalised(1, 1));
  }
  offset += 0.0;
  return ticks;
}

constexpr int kExactlyModelled = 4;

void CheckExactly(int operation, const TimeResult& result, const Operands& operands, bool analog,
                  const std::string& context) {
  double offset = 0.0;
  const ModelOutcome ticks = ExpectedTicks(operands, operation, analog, offset);
  FUZZ_CHECK(result.status == ticks.status, "%s: status %d", context.c_str(), result.status);
  if (result.status != UTypes_OK) return;
  FUZZ_CHECK(Matches(result.time.UniversalToPhysicalTime(), ticks.value) &&
                 SameDouble(result.time.Get_OffsetTime(), offset),
             "%s: got %s", context.c_str(), TimeText(result.time).c_str());
}

void CheckTimeArithmetic(const Operands& operands, bool valid, bool analog) {
  for (int index = 0; index < static_cast<int>(std::size(kTimeOperations)); ++index) {
    const TimeOperation& operation = kTimeOperations[index];
    const std::string context =
        std::string("time ") + operation.name + ", analog " + std::to_string(analog) + ", " + operands.Text();
    const TimeResult result = Run(operation, operands, context);
    if (!valid) continue;
    FUZZ_CHECK(result.status != UTypes_OK || KeepsInvariants(result.time) ||
                   IsDocumentedEdge(operation, result.time),
               "%s: got %s", context.c_str(), TimeText(result.time).c_str());
    if (index < kExactlyModelled) CheckExactly(index, result, operands, analog, context);
  }
}

// Ticks first; between equal ticks the offsets, but only while analog.
void CheckTimeRelations(const UniversalTime& left, const UniversalTime& right, bool analog,
                        const std::string& context) {
  const int ticks = SignedOrder(fuzz::ModelOf(left.UniversalToPhysicalTime()),
                                fuzz::ModelOf(right.UniversalToPhysicalTime()));
  const double a = left.Get_OffsetTime(), b = right.Get_OffsetTime();
  const int order = ticks != 0 || !analog ? ticks : (a < b ? -1 : (b < a ? 1 : 0));
  CheckRelations(kTimeRelations, left, right,
                 {order == 0, order != 0, (order < 0), (order <= 0), (order > 0), (order >= 0)}, context);
}

// Against an integer, the integer is a time with offset 0.0: each relation
// answers as the time relation at the paired index.
void CheckIntegerRelations(const Operands& operands, bool analog, const std::string& context) {
  using IntegerRelation = int (*)(const UniversalTime*, const UniversalInteger*);
  static const std::pair<IntegerRelation, int> kAsTimeRelation[] = {
      {UniversalTimeEqualsUniversalInteger, 0},
      {UniversalTimeLessThanUniversalInteger, 2},
      {UniversalTimeLessEqualUniversalInteger, 3},
      {UniversalTimeGreaterThanUniversalInteger, 4},
      {UniversalTimeGreaterEqualUniversalInteger, 5}};
  const UniversalTime right = TimeRecord(operands.integer, 0.0);
  for (const auto& [relation, timeRelation] : kAsTimeRelation) {
    FUZZ_CHECK(
        relation(&operands.left, &operands.integer) == kTimeRelations[timeRelation](&operands.left, &right),
        "time-integer relation %d, analog %d, %s", timeRelation, analog, context.c_str());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteReader reader(data, size);
  const auto mode = reader.Read<std::uint8_t>();
  Operands operands;
  operands.left = reader.Read<UniversalTime>();
  operands.right = reader.Read<UniversalTime>();
  operands.integer = reader.Read<UniversalInteger>();
  operands.real = reader.Read<double>();
  operands.other = reader.Read<double>();
  operands.factor = reader.Read<int>();
  if ((mode & 2) != 0) {
    operands.left = fuzz::Repaired(operands.left);
    operands.right = fuzz::Repaired(operands.right);
    operands.integer = fuzz::Repaired(operands.integer);
  }
  const bool analog = (mode & 1) != 0;
  UniversalTime::Set_AnalogExists(analog);
  CheckReals(operands);
  CheckIntegerFromReal(operands.real);
  CheckIntegerByReal(operands);
  const bool valid =
      KeepsInvariants(operands.left) && KeepsInvariants(operands.right) && KeepsInvariants(operands.integer);
  CheckTimeArithmetic(operands, valid, analog);
  if (valid) {
    const std::string context = operands.Text();
    CheckTimeRelations(operands.left, operands.right, analog, context);
    CheckIntegerRelations(operands, analog, context);
  }
  return 0;
}
