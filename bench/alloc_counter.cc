// The replaced allocation functions of the benchmark binary. malloc, calloc and realloc count and
// forward to the C library's own entry points; operator new counts and allocates the same way, so
// a call counts once whichever way it allocates.
#include "bench/alloc_counter.h"

#include <cstddef>
#include <new>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void __libc_free(void* p);
}

namespace {
// A trivial thread-local lives in the static TLS block, so counting never allocates.
thread_local uint64_t t_allocations = 0;

void* allocate(std::size_t size) {
  ++t_allocations;
  if (void* p = __libc_malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
}  // namespace

namespace olv::bench {
uint64_t allocations() { return t_allocations; }
}  // namespace olv::bench

extern "C" {
void* malloc(std::size_t size) {
  ++t_allocations;
  return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
  ++t_allocations;
  return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size) {
  ++t_allocations;
  return __libc_realloc(p, size);
}
void free(void* p) { __libc_free(p); }
}

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* p) noexcept { __libc_free(p); }
void operator delete[](void* p) noexcept { __libc_free(p); }
void operator delete(void* p, std::size_t) noexcept { __libc_free(p); }
void operator delete[](void* p, std::size_t) noexcept { __libc_free(p); }
