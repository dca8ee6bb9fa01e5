#include "memory.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tirta {

void returnLargeBlocksToSystem()
{
#if defined(__GLIBC__)
    // A fixed threshold also switches off glibc's raising of it.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}

} // namespace tirta
