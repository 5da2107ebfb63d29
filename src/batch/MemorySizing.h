#pragma once

#include <QtGlobal>
#include <optional>

namespace veltrane {

// How much memory the pictures of a batch may hold between them, and the
// most that one picture may take at all (see MemoryBudget).
struct MemorySizing {
  qint64 shared = 0;
  qint64 mostForOne = 0;
};

// `askedBytes` (--memory) when given: both limits. Otherwise a quarter of
// what the machine has free shared, so a batch never crowds out the rest of
// the desktop, and three quarters for one picture running alone: the rest is
// the program's own, the files waiting to be written and whatever else the
// machine runs meanwhile. When the machine
// says nothing, 120 MB shared and no limit for one.
MemorySizing memorySizingFor(qint64 askedBytes, std::optional<qint64> available);
// The same, reading what this machine has free only when nothing was asked.
MemorySizing memorySizingFor(qint64 askedBytes);

} // namespace veltrane
