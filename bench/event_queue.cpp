// A simulator's inner loop: a binary-heap scheduler of pending events keyed
// by time. Each step pops the earliest event and schedules its successors
// (one to three, as many as keep the pending count at its bound) at delays
// drawn from typical literals. One benchmark iteration is one event, so the
// table's ns/op is the cost of an event; the same loop runs keyed by the
// library's time through its exported operators and through the inline
// header (time_inline.h), by the plain 128-bit time of the other time benchmarks
// (exact 96-bit ticks and an offset, compared and added inline: what any
// key of that range and precision costs), by int64_t femtoseconds (a 64-bit
// simulator's key, which runs out after 2.56 hours) and by SystemC's
// sc_time, and the pending count grows from 10^3 to 10^6.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include <systemc>

#include "benchmarks.h"
#include "harness.h"
#include "int128_time_reference.h"
#include "operands.h"
#include "universaltypes/time_inline.h"
#include "universaltypes/time_text.h"
#include "universaltypes/universal_time.h"

namespace bench {

namespace {

constexpr const char* kSection = "event queue";
constexpr const char* kDelayLiterals[] = {"1 ns", "2.5 ns", "10 ps", "1 us"};
constexpr std::size_t kDelayCount = std::size(kDelayLiterals);
// Events per measurement of the largest queue: enough to cycle its heap.
constexpr std::int64_t kEventsAtMillion = 10'000'000;

UniversalTime LibraryDelay(const char* literal) {
  UTypes_StatusCode status = UTypes_OK;
  return TimeValueFromTimeString(literal, status);
}

// The literal's whole ticks (every delay here is below 2^64 fs).
std::int64_t FemtosecondDelay(const char* literal) {
  int fields[5];
  LibraryDelay(literal).UniversalToPhysicalTime().ConvertUniversalIntegerToInts(fields);
  return static_cast<std::int64_t>(static_cast<std::uint32_t>(fields[2]) |
                                   std::uint64_t{static_cast<std::uint32_t>(fields[3])} << 32);
}

// The keys: how each makes a delay, orders two times and adds them. All but
// the inline one use the type's own operators.
template <typename Key>
struct OwnOperators {
  template <typename Time>
  static bool Less(const Time& a, const Time& b) {
    return a < b;
  }
  template <typename Time>
  static Time Add(const Time& a, const Time& b) {
    return a + b;
  }
};
struct LibraryKey : OwnOperators<LibraryKey> {
  using Time = UniversalTime;
  static Time Delay(const char* literal) { return LibraryDelay(literal); }
  static Time Zero() { return UniversalTime::Get_TheConstantZero(); }
};
struct InlineKey {
  using Time = UniversalTime;
  static Time Delay(const char* literal) { return LibraryDelay(literal); }
  static Time Zero() { return UniversalTime::Get_TheConstantZero(); }
  static bool Less(const Time& a, const Time& b) { return UniversalTimeLessThanUniversalTime_Inline(&a, &b) != 0; }
  // No sum of the queue's times comes near overflow, so the status is 0.
  static Time Add(const Time& a, const Time& b) {
    Time sum = a;
    UniversalTimePlusUniversalTime_Inline(&a, &b, &sum);
    return sum;
  }
};
struct Int128Key : OwnOperators<Int128Key> {
  using Time = Int128Time;
  static Time Delay(const char* literal) { return Int128Time::Normalized(FemtosecondDelay(literal), 0.0); }
  static Time Zero() { return Int128Time{}; }
};
struct Int64Key : OwnOperators<Int64Key> {
  using Time = std::int64_t;
  static Time Delay(const char* literal) { return FemtosecondDelay(literal); }
  static Time Zero() { return 0; }
};
struct SystemCKey : OwnOperators<SystemCKey> {
  using Time = sc_core::sc_time;
  static Time Delay(const char* literal) {
    return sc_core::sc_time::from_value(static_cast<sc_core::sc_time::value_type>(FemtosecondDelay(literal)));
  }
  static Time Zero() { return sc_core::SC_ZERO_TIME; }
};

template <typename Key>
struct Later {
  bool operator()(const typename Key::Time& a, const typename Key::Time& b) const { return Key::Less(b, a); }
};

// The heap starts on a cache line, whatever malloc hands out: with 24- and
// 32-byte keys, where the vector happens to begin decides how many keys
// straddle two lines, which moved a key's figures from run to run.
template <typename T>
struct CacheLineAllocator {
  using value_type = T;
  static constexpr std::align_val_t kAlignment{64};
  CacheLineAllocator() = default;
  template <typename U>
  CacheLineAllocator(const CacheLineAllocator<U>&) {}
  T* allocate(std::size_t count) { return static_cast<T*>(::operator new(count * sizeof(T), kAlignment)); }
  void deallocate(T* pointer, std::size_t) { ::operator delete(pointer, kAlignment); }
  template <typename U>
  bool operator==(const CacheLineAllocator<U>&) const {
    return true;
  }
};

template <typename Key>
class Scheduler {
 public:
  using Time = typename Key::Time;

  explicit Scheduler(std::size_t pending) : bound_(pending), random_(pending) {
    for (std::size_t index = 0; index < kDelayCount; ++index) delays_[index] = Key::Delay(kDelayLiterals[index]);
    heap_.reserve(pending);
    Time start = Key::Zero();
    while (heap_.size() < bound_) {
      start = Key::Add(start, NextDelay());
      Schedule(start);
    }
  }

  // One event: the earliest leaves the queue and schedules its successors.
  Time Step() {
    std::pop_heap(heap_.begin(), heap_.end(), Later<Key>{});
    const Time now = heap_.back();
    heap_.pop_back();
    const unsigned successors = 1 + static_cast<unsigned>(random_() % 3);
    for (unsigned index = 0; index < successors && heap_.size() < bound_; ++index) Schedule(Key::Add(now, NextDelay()));
    return now;
  }

 private:
  const Time& NextDelay() { return delays_[random_() % kDelayCount]; }
  void Schedule(const Time& time) {
    heap_.push_back(time);
    std::push_heap(heap_.begin(), heap_.end(), Later<Key>{});
  }

  std::size_t bound_;
  Random random_;
  std::array<Time, kDelayCount> delays_;
  std::vector<Time, CacheLineAllocator<Time>> heap_;
};

template <typename Key>
void RegisterQueue(const std::string& operation, const char* implementation, std::size_t pending) {
  benchmark::internal::Benchmark* registered = benchmark::RegisterBenchmark(
      BenchmarkName(kSection, operation, implementation).c_str(), [pending](benchmark::State& state) {
        Scheduler<Key> scheduler(pending);
        for (auto _ : state) benchmark::DoNotOptimize(scheduler.Step());
        state.counters["events/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                        benchmark::Counter::kIsRate);
      });
  if (const char* iterations = std::getenv("UTYPES_BENCH_ITERATIONS")) {
    registered->Iterations(std::strtoll(iterations, nullptr, 10));
  } else if (pending == 1'000'000) {
    registered->Iterations(kEventsAtMillion);
  }
}

}  // namespace

void RegisterEventQueueBenchmarks() {
  for (const std::size_t pending : {std::size_t{1'000}, std::size_t{10'000}, std::size_t{100'000},
                                    std::size_t{1'000'000}}) {
    const std::string operation = std::to_string(pending) + " pending";
    RegisterQueue<LibraryKey>(operation, kLibrary, pending);
    RegisterQueue<InlineKey>(operation, kLibraryInline, pending);
    RegisterQueue<Int128Key>(operation, kInt128, pending);
    RegisterQueue<Int64Key>(operation, kInt64Femtoseconds, pending);
    RegisterQueue<SystemCKey>(operation, kSystemC, pending);
  }
}

}  // namespace bench
