// The benchmark executable. SystemC starts it: its library's main calls
// sc_main, which sets the 1 fs time resolution before any sc_time exists,
// then registers every row (checking that its implementations agree) and
// runs Google Benchmark with the command line's flags.
#include <benchmark/benchmark.h>

#include <systemc>

#include "benchmarks.h"

// Visible to libsystemc, whose main calls it.
__attribute__((visibility("default"))) int sc_main(int argc, char* argv[]) {
  sc_core::sc_set_time_resolution(1, sc_core::SC_FS);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::RegisterIntegerBenchmarks();
  bench::RegisterTimeBenchmarks();
  bench::RegisterTextBenchmarks();
  bench::RegisterGrowthBenchmarks();
  bench::RegisterEventQueueBenchmarks();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
