#include "AllocationCounter.h"

#if defined(__SANITIZE_ADDRESS__)

void startCountingAllocations(std::size_t)
{
}

long stopCountingAllocations()
{
    return -1;
}

#else

#include <atomic>
#include <cstdint>

// glibc's own allocator, which the replacements below hand every call to.
extern "C" void *__libc_malloc(std::size_t size);
extern "C" void *__libc_calloc(std::size_t count, std::size_t size);
extern "C" void *__libc_realloc(void *pointer, std::size_t size);

namespace
{
std::atomic<std::size_t> smallestCounted{SIZE_MAX};
std::atomic<long> counted{0};

void *count(void *pointer, std::size_t size)
{
    if (size >= smallestCounted.load(std::memory_order_relaxed))
        counted.fetch_add(1, std::memory_order_relaxed);
    return pointer;
}
} // namespace

extern "C" void *malloc(std::size_t size)
{
    return count(__libc_malloc(size), size);
}

extern "C" void *calloc(std::size_t n, std::size_t size)
{
    return count(__libc_calloc(n, size), n * size);
}

extern "C" void *realloc(void *pointer, std::size_t size)
{
    return count(__libc_realloc(pointer, size), size);
}

void startCountingAllocations(std::size_t bytes)
{
    counted = 0;
    smallestCounted = bytes;
}

long stopCountingAllocations()
{
    smallestCounted = SIZE_MAX;
    return counted.load();
}

#endif
