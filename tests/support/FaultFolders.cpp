#include "FaultFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace veltrane::test {
namespace {

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

// Mounts a tmpfs at the path; empty, or why it could not.
QString mountTmpfs(const QString &path, const QByteArray &options) {
  if (::geteuid() != 0)
    return QStringLiteral("not root");
  if (::mount("tmpfs", encoded(path).constData(), "tmpfs", 0, options.constData()) != 0)
    return QStringLiteral("mounting a tmpfs was refused: ") + QString::fromLocal8Bit(std::strerror(errno));
  return {};
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &path) : m_path(path) {
  QDir().mkpath(path);
  if (::geteuid() == 0) {
    m_skipReason = mountTmpfs(path, "size=1m,mode=0755");
    m_mounted = m_skipReason.isEmpty();
  }
}

ReadOnlyFolder::~ReadOnlyFolder() {
  if (m_mounted)
    ::umount2(encoded(m_path).constData(), MNT_DETACH);
  else if (m_sealed)
    ::chmod(encoded(m_path).constData(), 0755);
}

QString ReadOnlyFolder::write(const QString &name, const QByteArray &bytes) const {
  const QString path = QDir(m_path).filePath(name);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly))
    file.write(bytes);
  return path;
}

void ReadOnlyFolder::seal() {
  if (!m_skipReason.isEmpty())
    return;
  m_sealed = true;
  if (m_mounted) {
    if (::mount(nullptr, encoded(m_path).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
      m_skipReason = QStringLiteral("remounting read-only was refused");
  } else {
    ::chmod(encoded(m_path).constData(), 0555);
  }
  if (m_skipReason.isEmpty() && ::access(encoded(m_path).constData(), W_OK) == 0)
    m_skipReason = QStringLiteral("the folder could not be made read-only");
}

SmallDisk::SmallDisk(const QString &path, qint64 bytes) : m_path(path) {
  QDir().mkpath(path);
  m_skipReason = mountTmpfs(path, "size=" + QByteArray::number(bytes) + ",mode=0755");
  m_mounted = m_skipReason.isEmpty();
}

SmallDisk::~SmallDisk() {
  if (m_mounted)
    ::umount2(encoded(m_path).constData(), MNT_DETACH);
}

void SmallDisk::fill() const {
  const int fd = ::open(encoded(QDir(m_path).filePath(QStringLiteral(".filler"))).constData(),
                        O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0)
    return;
  // Large pieces first, then ever smaller ones into what remains.
  const QByteArray block(64 * 1024, 'x');
  for (qsizetype piece = block.size(); piece >= 1; piece /= 2)
    while (::write(fd, block.constData(), std::size_t(piece)) == piece) {
    }
  ::close(fd);
}

UnwritableFolder::UnwritableFolder(const QString &path, Unwritable kind, const QString &name,
                                   const QByteArray &bytes) {
  if (kind == Unwritable::ReadOnly) {
    m_readOnly.emplace(path);
    m_readOnly->write(name, bytes);
    m_readOnly->seal();
    return;
  }
  m_disk.emplace(path, 2 * 1024 * 1024);
  if (!m_disk->skipReason().isEmpty())
    return;
  QFile file(QDir(path).filePath(name));
  if (file.open(QIODevice::WriteOnly))
    file.write(bytes);
  file.close();
  m_disk->fill();
}

bool killedAfter(const std::function<void()> &action) {
  const pid_t child = ::fork();
  if (child == 0) {
    action();
    ::raise(SIGKILL);
    ::_exit(1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

} // namespace veltrane::test
