// Results never depend on what runs beside them: threads, each on its own
// random records, make every flat integer and time call and both literal
// parsers, and every result must match, byte for byte, the same call made
// alone beforehand. The analog flag is set before the threads start, once
// for each setting. (The image calls share their buffers by design and are
// left out; the real calls are plain double arithmetic.)
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "support/record_source.h"
#include "support/test_scale.h"
#include "support/time_operations.h"
#include "universaltypes/flat.h"
#include "universaltypes/time_text.h"

namespace {

constexpr std::uint64_t kSeed = 0x7412EAD5;
constexpr int kThreads = 4;
constexpr long kRecordsPerThread = 5000;
constexpr int kRounds = 4;

// The time operands, then a second integer and a literal: ticks, factor
// and real serve the integer calls too.
struct Operands : TimeOperands {
  UniversalInteger b;
  std::string literal;
};

// Literals in every unit: based (refused by the counted form), decimal and
// with a negative exponent.
std::string Literal(RecordSource& source) {
  const std::string unit =
      source.Pick<std::string>({" fs", " ps", " ns", " us", " ms", " sec", " min", " hr"});
  const auto number = [&](int bound) { return std::to_string(source.Below(bound)); };
  switch (source.Below(3)) {
    case 0: return "16#" + number(4096) + "#" + unit;
    case 1: return number(100000) + "." + number(1000) + unit;
    default: return number(1000) + "E-" + number(9) + unit;
  }
}

// Braced initialisers draw in order, so the seed fixes every operand.
Operands Next(RecordSource& source) {
  return {{source.Time(), source.Time(), source.Integer(), UniversalReal(source.Real()), source.Int(), source.Real()},
          source.Integer(),
          Literal(source)};
}

template <typename Record>
void Append(std::string& bytes, const Record& record) {
  bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
}

// Each call's name and what it gives: its status or relation, then the
// records it writes.
using Call = std::function<void(const Operands&, std::string&)>;
template <typename Result, typename Apply>
Call Into(Apply) {
  return [](const Operands& o, std::string& bytes) {
    Result result{};
    Append(bytes, Apply{}(o, &result));
    Append(bytes, result);
  };
}

// Every relation of left to right, one bit each.
template <typename Left, typename Right>
int Relations(const Left* left, const Right* right,
              std::initializer_list<int (*)(const Left*, const Right*)> relations) {
  int bits = 0, bit = 0;
  for (const auto relation : relations) bits |= relation(left, right) << bit++;
  return bits;
}

#define INTO(Result, expression) Into<Result>([](const Operands& o, Result* r) { return expression; })
#define RELATIONS(left, right, ...) \
  [](const Operands& o, std::string& bytes) { Append(bytes, Relations(left, right, __VA_ARGS__)); }

const std::map<std::string, Call>& Calls() {
  static const std::map<std::string, Call> calls = [] {
    std::map<std::string, Call> calls = {
        {"IntegerPlus", INTO(UniversalInteger, UniversalIntegerPlusUniversalInteger(&o.ticks, &o.b, r))},
        {"IntegerMinus", INTO(UniversalInteger, UniversalIntegerMinusUniversalInteger(&o.ticks, &o.b, r))},
        {"IntegerTimes", INTO(UniversalInteger, UniversalIntegerTimesUniversalInteger(&o.ticks, &o.b, r))},
        {"IntegerTimesInt", INTO(UniversalInteger, UniversalIntegerTimesInt(&o.ticks, o.factor, r))},
        {"IntegerDividedBy", INTO(UniversalInteger, UniversalIntegerDividedByUniversalInteger(&o.ticks, &o.b, r))},
        {"IntegerDividedByInt", INTO(UniversalInteger, UniversalIntegerDividedByInt(&o.ticks, o.factor, r))},
        {"IntegerRem", INTO(UniversalInteger, UniversalIntegerRemUniversalInteger(&o.ticks, &o.b, r))},
        {"IntegerMod", INTO(UniversalInteger, UniversalIntegerModUniversalInteger(&o.ticks, &o.b, r))},
        {"IntegerDividedByDouble", INTO(UniversalInteger, UniversalIntegerDividedByDouble(&o.ticks, o.real, r))},
        {"IntegerTimesDouble",
         [](const Operands& o, std::string& bytes) {
           UniversalInteger product;
           UniversalReal remainder;
           Append(bytes, UniversalIntegerTimesDouble(o.ticks, o.real, &product, &remainder));
           Append(bytes, product);
           Append(bytes, remainder);
         }},
        {"IntegerRelations",
         RELATIONS(&o.ticks, &o.b,
                   {UniversalIntegerEqualsUniversalInteger, UniversalIntegerNotEqualUniversalInteger,
                    UniversalIntegerLessThanUniversalInteger, UniversalIntegerLessEqualUniversalInteger,
                    UniversalIntegerGreaterThanUniversalInteger, UniversalIntegerGreaterEqualUniversalInteger,
                    UniversalIntegerMagnitudeLessThanUniversalInteger,
                    UniversalIntegerMagnitudeGreaterThanUniversalInteger})},
        {"TimeRelations",
         RELATIONS(&o.left, &o.right,
                   {UniversalTimeEqualsUniversalTime, UniversalTimeNotEqualUniversalTime,
                    UniversalTimeLessThanUniversalTime, UniversalTimeLessEqualUniversalTime,
                    UniversalTimeGreaterThanUniversalTime, UniversalTimeGreaterEqualUniversalTime})},
        {"TimeIntegerRelations",
         RELATIONS(&o.left, &o.ticks,
                   {UniversalTimeEqualsUniversalInteger, UniversalTimeLessThanUniversalInteger,
                    UniversalTimeLessEqualUniversalInteger, UniversalTimeGreaterThanUniversalInteger,
                    UniversalTimeGreaterEqualUniversalInteger})},
        {"TimeConversions",
         [](const Operands& o, std::string& bytes) {
           int ints[5];
           UniversalTime back;
           UniversalInteger ticks;
           ConvertUniversalTimeToInts(&o.left, ints);
           ConvertIntsToUniversalTime(ints, &back);
           UniversalToPhysicalTime(&o.left, &ticks);
           Append(bytes, back);
           Append(bytes, ticks);
           Append(bytes, Get_OffsetTime(&o.left));
           Append(bytes, static_cast<double>(o.left.UniversalToRealTime()));
         }},
        {"TimeValueFromTimeString",
         [](const Operands& o, std::string& bytes) {
           UTypes_StatusCode status = UTypes_Error;
           Append(bytes, TimeValueFromTimeString(o.literal.c_str(), status));
           Append(bytes, status);
         }},
        {"TimeValueFromTimeString_CF",
         [](const Operands& o, std::string& bytes) {
           UTypes_StatusCode status = UTypes_Error;
           int ticksArray[5] = {};
           int* ticks = ticksArray;
           TimeValueFromTimeString_CF(o.literal.data(), static_cast<int>(o.literal.size()), ticks, status);
           Append(bytes, ticksArray);
           Append(bytes, status);
         }},
    };
    for (const TimeOperation& operation : kTimeOperations) {
      calls.emplace(operation.name, [&operation](const Operands& o, std::string& bytes) {
        UniversalTime result{};
        Append(bytes, operation.call(o, &result));
        Append(bytes, result);
      });
    }
    return calls;
  }();
  return calls;
}

std::string Result(const Call& call, const Operands& operands) {
  std::string bytes;
  try {
    call(operands, bytes);
  } catch (const UTypes_StatusCodeException& exception) {  // a parse beyond the range
    bytes = "throws " + std::to_string(exception.Get_StatusCode());
  }
  return bytes;
}

// Mismatches by thread and call, over every round.
std::vector<std::map<std::string, long>> ConcurrentMismatches(bool analog) {
  UniversalTime::Set_AnalogExists(analog);
  const long records = ScaledCount(kRecordsPerThread);
  std::vector<std::vector<Operands>> operands(kThreads);
  std::vector<std::map<std::string, std::vector<std::string>>> expected(kThreads);
  for (int thread = 0; thread < kThreads; ++thread) {
    RecordSource source(kSeed + static_cast<std::uint64_t>(thread));
    for (long index = 0; index < records; ++index) operands[thread].push_back(Next(source));
    for (const auto& [name, call] : Calls()) {
      for (const Operands& o : operands[thread]) expected[thread][name].push_back(Result(call, o));
    }
  }
  std::vector<std::map<std::string, long>> mismatches(kThreads);
  std::vector<std::thread> threads;
  for (int thread = 0; thread < kThreads; ++thread) {
    threads.emplace_back([&, thread] {
      for (int round = 0; round < kRounds; ++round) {
        for (long index = 0; index < records; ++index) {
          for (const auto& [name, call] : Calls()) {
            if (Result(call, operands[thread][index]) != expected[thread][name][index]) ++mismatches[thread][name];
          }
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  UniversalTime::Set_AnalogExists(true);
  return mismatches;
}

TEST(ThreadDifferential, EveryResultMatchesTheSameCallMadeAlone) {
  for (const bool analog : {true, false}) {
    for (const auto& perThread : ConcurrentMismatches(analog)) {
      for (const auto& [name, count] : perThread) {
        ADD_FAILURE() << name << ": " << count << " wrong of " << kRounds * ScaledCount(kRecordsPerThread)
                      << " in one thread (analog " << analog << ", seed " << kSeed << ")";
      }
    }
  }
}

}  // namespace
