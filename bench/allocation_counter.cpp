#include "allocation_counter.h"

#include <atomic>
#include <cstddef>

// glibc's allocator under its own names, so the replacements can forward.
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_calloc(std::size_t count, std::size_t size);
extern "C" void* __libc_realloc(void* pointer, std::size_t size);
extern "C" void __libc_free(void* pointer);

// Default visibility, so the shared libraries' calls bind to these.
#define REPLACES_LIBC extern "C" __attribute__((visibility("default")))

namespace {
std::atomic<std::uint64_t> allocations{0};

void CountOne() { allocations.fetch_add(1, std::memory_order_relaxed); }
}  // namespace

REPLACES_LIBC void* malloc(std::size_t size) {
  CountOne();
  return __libc_malloc(size);
}
REPLACES_LIBC void* calloc(std::size_t count, std::size_t size) {
  CountOne();
  return __libc_calloc(count, size);
}
REPLACES_LIBC void* realloc(void* pointer, std::size_t size) {
  CountOne();
  return __libc_realloc(pointer, size);
}
REPLACES_LIBC void free(void* pointer) { __libc_free(pointer); }

std::uint64_t bench::AllocationsSoFar() { return allocations.load(std::memory_order_relaxed); }
