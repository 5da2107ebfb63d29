#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace veltrane::test {

// A folder that refuses every write, also from root: a read-only tmpfs
// mounted over it when the tests run as root, else its permission bits
// (which root would ignore). Put its files in with write() first, then
// seal(). skipReason() says why it could not be made (also when the sealed
// folder still takes writes); the test then skips.
class ReadOnlyFolder {
public:
  explicit ReadOnlyFolder(const QString &path);
  ReadOnlyFolder(const ReadOnlyFolder &) = delete;
  ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;
  ~ReadOnlyFolder();

  QString write(const QString &name, const QByteArray &bytes) const;
  void seal();
  const QString &skipReason() const { return m_skipReason; }

private:
  QString m_path;
  bool m_mounted = false;
  bool m_sealed = false;
  QString m_skipReason;
};

// A real, small file system: a tmpfs of `bytes` mounted at the path (root
// only; skipReason() otherwise). fill() takes all its free room.
class SmallDisk {
public:
  SmallDisk(const QString &path, qint64 bytes);
  SmallDisk(const SmallDisk &) = delete;
  SmallDisk &operator=(const SmallDisk &) = delete;
  ~SmallDisk();

  void fill() const;
  const QString &skipReason() const { return m_skipReason; }

private:
  QString m_path;
  bool m_mounted = false;
  QString m_skipReason;
};

// A folder that takes no new file, holding one file written before: either
// kind of fault above, for tests that expect the same of both.
enum class Unwritable { ReadOnly, FullDisk };
class UnwritableFolder {
public:
  UnwritableFolder(const QString &path, Unwritable kind, const QString &name, const QByteArray &bytes);
  const QString &skipReason() const { return m_readOnly ? m_readOnly->skipReason() : m_disk->skipReason(); }

private:
  std::optional<ReadOnlyFolder> m_readOnly;
  std::optional<SmallDisk> m_disk;
};

// Runs the action in a child process that is killed at its end, as a program
// is killed halfway through its work; true when the child died of SIGKILL. An
// action whose objects would clean up on leaving raises SIGKILL itself.
bool killedAfter(const std::function<void()> &action);

} // namespace veltrane::test
