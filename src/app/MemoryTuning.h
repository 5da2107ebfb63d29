#pragma once

#include "common/GlibcMalloc.h"

#if VELTRANE_GLIBC_MALLOC
#include <malloc.h>
#endif

namespace veltrane {

// Each picture allocates and frees the same large buffers (libjpeg's
// coefficients, the decoded and scaled pictures). Memory the system hands
// out anew is faulted in and zeroed page by page, which cost a batch a third
// of its time; so freed blocks stay in one heap shared by every worker (one
// arena, so two threads do not each keep their own) for the next picture to
// reuse, and nothing is handed back behind the batch's back. The worker pool
// gives back what it keeps beyond its budget (see SpareMemory.h).
inline void keepFreedMemoryForReuse() {
#if VELTRANE_GLIBC_MALLOC
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
}

} // namespace veltrane
