#include "batch/SpareMemory.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace veltrane {

qint64 spareMemory() {
#ifdef __GLIBC__
  return qint64(mallinfo2().fordblks);
#else
  return 0;
#endif
}

void giveBackSpareMemoryBeyond(qint64 keep) {
#ifdef __GLIBC__
  if (spareMemory() > keep)
    malloc_trim(0);
#else
  Q_UNUSED(keep);
#endif
}

} // namespace veltrane
