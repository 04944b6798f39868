// How every benchmark runs: one operation per iteration, on the next entry
// of a pool of operands (cycling), with the heap allocations made inside the
// timed loop counted per operation. Names are "section/operation/
// implementation"; format_table.py builds the table from them.
#ifndef UNIVERSALTYPES_BENCH_HARNESS_H
#define UNIVERSALTYPES_BENCH_HARNESS_H

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "allocation_counter.h"

namespace bench {

// Implementation names, as the table shows them.
inline constexpr const char* kClass = "class";
inline constexpr const char* kFlat = "flat";
inline constexpr const char* kLibrary = "library";
inline constexpr const char* kLibraryInline = "library inline";
inline constexpr const char* kInt128 = "int128";
inline constexpr const char* kInt128Shared = "int128 .so";
inline constexpr const char* kInt128Floor = "lean floor .so";
inline constexpr const char* kBoost = "Boost checked_int128_t";
inline constexpr const char* kGmp = "GMP mpz_t";
inline constexpr const char* kSystemC = "SystemC sc_time";
inline constexpr const char* kInt64Femtoseconds = "int64_t fs";

inline std::string BenchmarkName(const std::string& section, const std::string& operation,
                                 const std::string& implementation) {
  return section + "/" + operation + "/" + implementation;
}

// Operands live until the process exits: the registered benchmarks read them
// whenever the runner calls them.
template <typename T>
const T& KeepForever(T&& value) {
  return *new T(std::forward<T>(value));
}

template <typename Left, typename Right = Left>
struct Pairs {
  std::vector<Left> left;
  std::vector<Right> right;
  std::size_t size() const { return left.size(); }
};

template <typename Convert, typename Source>
auto Map(const std::vector<Source>& values, Convert convert) {
  std::vector<decltype(convert(values.front()))> result;
  result.reserve(values.size());
  for (const Source& value : values) result.push_back(convert(value));
  return result;
}

template <typename Convert, typename Left, typename Right>
auto MapPairs(const Pairs<Left, Right>& pairs, Convert convert) {
  auto left = Map(pairs.left, convert);
  auto right = Map(pairs.right, convert);
  return Pairs<typename decltype(left)::value_type, typename decltype(right)::value_type>{std::move(left),
                                                                                         std::move(right)};
}

// operation(index) on entries 0, 1, ..., size - 1, 0, ... of its pool.
template <typename Operation>
void RunOverPool(benchmark::State& state, std::size_t size, const Operation& operation) {
  const std::uint64_t allocationsBefore = AllocationsSoFar();
  std::size_t index = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(operation(index));
    if (++index == size) index = 0;
  }
  state.counters["allocs/op"] = benchmark::Counter(static_cast<double>(AllocationsSoFar() - allocationsBefore),
                                                   benchmark::Counter::kAvgIterations);
}

// UTYPES_BENCH_ITERATIONS=N runs every benchmark exactly N times instead of
// timing it, so a profiler (valgrind --tool=callgrind) sees N operations.
template <typename Operation>
void Register(const std::string& name, std::size_t size, Operation operation) {
  benchmark::internal::Benchmark* registered = benchmark::RegisterBenchmark(
      name.c_str(), [size, operation](benchmark::State& state) { RunOverPool(state, size, operation); });
  if (const char* iterations = std::getenv("UTYPES_BENCH_ITERATIONS")) {
    registered->Iterations(std::strtoll(iterations, nullptr, 10));
  }
}

// Stops the run unless every entry gives the reference's text: the table
// only compares implementations that compute the same thing.
template <typename Expected, typename Actual>
void RequireAgreement(const std::string& name, std::size_t size, Expected expected, Actual actual) {
  for (std::size_t index = 0; index < size; ++index) {
    const std::string want = expected(index);
    const std::string got = actual(index);
    if (want != got) {
      std::fprintf(stderr, "%s: entry %zu gives '%s' where the reference gives '%s'\n", name.c_str(), index,
                   got.c_str(), want.c_str());
      std::exit(1);
    }
  }
}

}  // namespace bench

#endif  // UNIVERSALTYPES_BENCH_HARNESS_H
