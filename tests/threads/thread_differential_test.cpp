// Threads on their own random records make every flat arithmetic, comparison
// and scaling call and parse literals; each result must match, byte for byte, the same call made
// alone, for either analog setting. (Image calls share buffers by design.)
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "support/integer_operations.h"
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

// Ticks, factor and real serve the integer calls too.
struct Operands : TimeOperands {
  UniversalInteger b;
  std::string literal;
};

// Literals in every unit: based (the counted form refuses them), decimal, negative exponent.
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

// Each call's name and what it gives: its status or relations, then its records.
using Call = std::function<void(const Operands&, std::string&)>;
template <typename Result, typename Apply>
Call Into(Apply apply) {
  return [apply](const Operands& o, std::string& bytes) {
    Result result{};
    Append(bytes, apply(o, &result));
    Append(bytes, result);
  };
}

// Every relation of left to right, one bit each.
#define RELATIONS(left, right, ...)                                                 \
  [](const Operands& o, std::string& bytes) {                                       \
    int bits = 0, bit = 0;                                                          \
    for (const auto relation : __VA_ARGS__) bits |= relation(left, right) << bit++; \
    Append(bytes, bits);                                                            \
  }

const std::map<std::string, Call>& Calls() {
  static const std::map<std::string, Call> calls = [] {
    std::map<std::string, Call> calls = {
        {"IntegerDividedByDouble", Into<UniversalInteger>([](const Operands& o, auto* r) {
           return UniversalIntegerDividedByDouble(&o.ticks, o.real, r);
         })},
        {"IntegerTimesDouble",
         [](const Operands& o, std::string& bytes) {
           UniversalInteger product;
           UniversalReal remainder;
           Append(bytes, UniversalIntegerTimesDouble(o.ticks, o.real, &product, &remainder));
           Append(bytes, product);
           Append(bytes, remainder);
         }},
        {"TimeRelations", RELATIONS(&o.left, &o.right, kTimeRelations)},
        {"TimeIntegerRelations",
         RELATIONS(&o.left, &o.ticks,
                   {UniversalTimeEqualsUniversalInteger, UniversalTimeLessThanUniversalInteger,
                    UniversalTimeLessEqualUniversalInteger, UniversalTimeGreaterThanUniversalInteger,
                    UniversalTimeGreaterEqualUniversalInteger})},
        {"TimeInSeconds",  // reads the analog flag
         [](const Operands& o, std::string& bytes) { Append(bytes, static_cast<double>(o.left.UniversalToRealTime())); }},
        {"TimeValueFromTimeString and _CF",
         [](const Operands& o, std::string& bytes) {
           UTypes_StatusCode status = UTypes_Error;
           Append(bytes, TimeValueFromTimeString(o.literal.c_str(), status));
           Append(bytes, status);
           int ticksArray[5] = {};
           int* ticks = ticksArray;
           TimeValueFromTimeString_CF(o.literal.data(), static_cast<int>(o.literal.size()), ticks, status);
           Append(bytes, ticksArray);
           Append(bytes, status);
         }},
    };
    for (const auto& operation : kTimeOperations) calls.emplace(operation.name, Into<UniversalTime>(operation.call));
    for (const IntegerOperation& operation : kIntegerOperations) {
      const auto flat = operation.flat;
      const auto byInt = operation.byInt;
      calls.emplace(std::string("integer ") + operation.name,
                    Into<UniversalInteger>([flat](const Operands& o, auto* r) { return flat(&o.ticks, &o.b, r); }));
      if (byInt == nullptr) continue;
      calls.emplace(std::string("integer, by int, ") + operation.name,
                    Into<UniversalInteger>([byInt](const Operands& o, auto* r) { return byInt(&o.ticks, o.factor, r); }));
    }
    calls.emplace("integer relations", [](const Operands& o, std::string& bytes) {
      for (const IntegerRelation& relation : kIntegerRelations) Append(bytes, relation.flat(&o.ticks, &o.b));
    });
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
