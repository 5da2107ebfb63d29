#include "platform/MachineMemory.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace veltrane {
namespace {

QByteArray readAll(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<qint64> number(const QByteArray &text) {
  bool ok = false;
  const qint64 value = text.trimmed().toLongLong(&ok);
  return ok && value >= 0 ? std::optional(value) : std::nullopt;
}

std::optional<qint64> memAvailable(const QString &proc) {
  for (const QByteArray &line : readAll(proc + QStringLiteral("/meminfo")).split('\n'))
    if (line.startsWith("MemAvailable:")) {
      const QList<QByteArray> words = line.simplified().split(' ');
      if (const auto kilobytes = words.size() >= 2 ? number(words[1]) : std::nullopt)
        return *kilobytes * 1024;
    }
  return std::nullopt;
}

// The room left under one folder's limit, when it has one: "max" and
// version 1's "no limit" (a number near 2^63) say it has none.
std::optional<qint64> roomIn(const QString &folder, const char *limitName, const char *usageName) {
  const std::optional<qint64> limit = number(readAll(folder + u'/' + QLatin1String(limitName)));
  if (!limit || *limit >= (qint64(1) << 60))
    return std::nullopt;
  const qint64 used = number(readAll(folder + u'/' + QLatin1String(usageName))).value_or(0);
  return std::max<qint64>(*limit - used, 0);
}

// The least room under the limits of `path` (as /proc/self/cgroup names it)
// and of every folder above it, below `root`.
std::optional<qint64> leastRoom(const QString &root, QString path, const char *limitName,
                                const char *usageName) {
  std::optional<qint64> least;
  // Inside a container the path is often the host's, and only the root is
  // there: a missing folder is passed over.
  for (;;) {
    if (const auto room = roomIn(QDir::cleanPath(root + u'/' + path), limitName, usageName))
      least = std::min(least.value_or(*room), *room);
    if (path.isEmpty() || path == QStringLiteral("/"))
      return least;
    path = path.left(std::max<qsizetype>(path.lastIndexOf(u'/'), 0));
  }
}

std::optional<qint64> controlGroupRoom(const MemoryFiles &files) {
  std::optional<qint64> least;
  const auto take = [&](std::optional<qint64> room) {
    if (room)
      least = std::min(least.value_or(*room), *room);
  };
  // "0::/path" for version 2, "N:memory:/path" (or "N:cpu,memory:...") for version 1.
  for (const QByteArray &line : readAll(files.proc + QStringLiteral("/self/cgroup")).split('\n')) {
    const QList<QByteArray> parts = line.split(':');
    if (parts.size() < 3)
      continue;
    const QString path = QString::fromUtf8(line.mid(parts[0].size() + parts[1].size() + 2));
    if (parts[0] == "0" && parts[1].isEmpty())
      take(leastRoom(files.cgroup, path, "memory.max", "memory.current"));
    else if (parts[1].split(',').contains("memory"))
      take(leastRoom(files.cgroup + QStringLiteral("/memory"), path, "memory.limit_in_bytes",
                     "memory.usage_in_bytes"));
  }
  return least;
}

} // namespace

std::optional<qint64> availableMemory(const MemoryFiles &files) {
  const std::optional<qint64> machine = memAvailable(files.proc);
  const std::optional<qint64> group = controlGroupRoom(files);
  if (machine && group)
    return std::min(*machine, *group);
  return machine ? machine : group;
}

} // namespace veltrane
