#pragma once

#include <cstdint>

// Counts the heap allocations the soak's own thread makes between Start and Stop: through the
// sanitizer allocator's malloc hook in sanitizer builds (every malloc, calloc, realloc and
// operator new), through a replaced global operator new otherwise.
namespace soak {

void StartCountingAllocations();
// The allocations since the last start.
uint64_t StopCountingAllocations();

}  // namespace soak
