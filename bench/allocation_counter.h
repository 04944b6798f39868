// Counts heap allocations: the benchmark executable replaces malloc, calloc
// and realloc with wrappers over glibc's own allocator that count every
// call. operator new, exceptions, std::string and GMP all allocate through
// them, so every allocation a measured operation makes is seen.
#ifndef UNIVERSALTYPES_BENCH_ALLOCATION_COUNTER_H
#define UNIVERSALTYPES_BENCH_ALLOCATION_COUNTER_H

#include <cstdint>

namespace bench {

// Allocations in this process so far.
std::uint64_t AllocationsSoFar();

}  // namespace bench

#endif  // UNIVERSALTYPES_BENCH_ALLOCATION_COUNTER_H
