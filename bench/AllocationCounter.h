#pragma once

#include <cstddef>

// Counts the allocations of at least a given size that the process makes
// through malloc, calloc and realloc (operator new included), so that a
// benchmark can show that a step allocates no canvas-sized buffer.
// Sanitizer builds keep their own allocator: there nothing is counted.

// Starts counting from zero the allocations of at least `bytes`.
void startCountingAllocations(std::size_t bytes);
// Stops counting and returns the count, or -1 where allocations cannot be counted.
long stopCountingAllocations();
