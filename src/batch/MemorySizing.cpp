#include "batch/MemorySizing.h"

#include "platform/MachineMemory.h"

#include <algorithm>
#include <limits>

namespace veltrane {

MemorySizing memorySizingFor(qint64 askedBytes, std::optional<qint64> available) {
  constexpr qint64 kMB = 1024 * 1024;
  if (askedBytes > 0)
    return {askedBytes, askedBytes};
  if (!available)
    return {120 * kMB, std::numeric_limits<qint64>::max()};
  // A machine nearly out of memory still gets a picture of a few megapixels
  // at a time; the limit for one says no to more.
  return {std::max(*available / 4, 16 * kMB), std::max(*available / 4 * 3, 16 * kMB)};
}

MemorySizing memorySizingFor(qint64 askedBytes) {
  return memorySizingFor(askedBytes, askedBytes > 0 ? std::nullopt : availableMemory());
}

} // namespace veltrane
