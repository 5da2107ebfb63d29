#pragma once

#include <QByteArray>
#include <QString>

namespace veltrane::test {

// A folder that refuses every write, also from root: a read-only tmpfs
// mounted over it when the tests run as root, else its permission bits
// (which root would ignore). Put its files in with write() first, then
// seal(). skipReason() says why it could not be made; the test then skips.
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

} // namespace veltrane::test
