#include "batch/SpareMemory.h"

#include "common/GlibcMalloc.h"

#if VELTRANE_GLIBC_MALLOC
#include <malloc.h>
#endif

namespace veltrane {

qint64 spareMemory() {
#if VELTRANE_GLIBC_MALLOC
  return qint64(mallinfo2().fordblks);
#else
  return 0;
#endif
}

void giveBackSpareMemoryBeyond(qint64 keep) {
#if VELTRANE_GLIBC_MALLOC
  if (spareMemory() > keep)
    malloc_trim(0);
#else
  Q_UNUSED(keep);
#endif
}

} // namespace veltrane
