#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace veltrane {

// Where the kernel tells how much memory there is; a test gives folders of
// its own standing for them.
struct MemoryFiles {
  QString proc = QStringLiteral("/proc");
  QString cgroup = QStringLiteral("/sys/fs/cgroup");
};

// The bytes this process may still take: the machine's MemAvailable, or less
// when the control group it runs in (a container's, a systemd scope's) has a
// limit closer than that, at any level above it. Nothing when the machine
// says nothing.
std::optional<qint64> availableMemory(const MemoryFiles &files = {});

} // namespace veltrane
