#include "platform/LeanMemory.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

#ifdef __GLIBC__
#include <malloc.h>
#endif

void keepLargeBlocksApart()
{
#ifdef __GLIBC__
    // Fixed, so that the library does not raise it after the first free.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}
