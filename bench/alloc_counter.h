// Counts the heap allocations of the calling thread, through a replaced malloc and operator new.
#pragma once

#include <cstdint>

namespace olv::bench {

// Allocations made on this thread so far.
uint64_t allocations();

}  // namespace olv::bench
