// The rows of the table, registered in the order the table shows them.
#ifndef UNIVERSALTYPES_BENCH_BENCHMARKS_H
#define UNIVERSALTYPES_BENCH_BENCHMARKS_H

namespace bench {

// Each checks that its implementations agree on their operands first, and
// stops the process when one does not.
void RegisterIntegerBenchmarks();
void RegisterTimeBenchmarks();
void RegisterTextBenchmarks();
void RegisterGrowthBenchmarks();
void RegisterEventQueueBenchmarks();

}  // namespace bench

#endif  // UNIVERSALTYPES_BENCH_BENCHMARKS_H
