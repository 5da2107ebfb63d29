#pragma once

#include <QtGlobal>

namespace veltrane {

// Free memory the allocator keeps for reuse, in bytes (0 where this cannot
// be told).
qint64 spareMemory();

// Hands the allocator's free memory back to the system when it keeps more
// than `keep` bytes of it.
void giveBackSpareMemoryBeyond(qint64 keep);

} // namespace veltrane
