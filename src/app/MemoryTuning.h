#pragma once

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace veltrane {

// glibc raises its mmap threshold after large blocks are freed, and then keeps
// the freed coefficient buffers of big JPEGs in each worker thread's arena: a
// batch on two threads would hold twice the memory it needs. A fixed
// threshold hands large blocks back to the system when they are freed.
inline void returnLargeBlocksToTheSystem() {
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}

} // namespace veltrane
