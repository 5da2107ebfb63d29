#include "imaging/DecoderFileReader.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrane {

namespace {

// Closes the descriptor however the read ends.
class Descriptor {
public:
  explicit Descriptor(int fd) : m_fd(fd) {}
  ~Descriptor() {
    if (m_fd >= 0)
      ::close(m_fd);
  }
  Descriptor(const Descriptor &) = delete;
  Descriptor &operator=(const Descriptor &) = delete;
  int get() const { return m_fd; }

private:
  int m_fd;
};

FileReadOutcome failed(const QString &error) { return {0, error}; }

} // namespace

QString fileErrorText(int errorNumber) {
  switch (errorNumber) {
  case ENOENT:
  case ENOTDIR:
  case ENAMETOOLONG: return QStringLiteral("file not found");
  case EACCES:
  case EPERM: return QStringLiteral("permission denied");
  case EISDIR: return QStringLiteral("not a regular file");
  case ELOOP: return QStringLiteral("too many symbolic links");
  case ENOMEM: return QStringLiteral("out of memory");
  default:
    return QStringLiteral("cannot read the file (%1)")
        .arg(QString::fromLocal8Bit(std::strerror(errorNumber)));
  }
}

FileReadOutcome readRegularFile(const QString &path, QByteArray &buffer, qint64 maxBytes, qint64 sizeLimit) {
  buffer.resize(0);
  const QByteArray name = QFile::encodeName(path);
  if (name.isEmpty())
    return failed(fileErrorText(ENOENT));
  // Looked at before opening, so that a FIFO or device is never opened at all;
  // checked again on the descriptor in case the name changed in between.
  struct stat info;
  if (::stat(name.constData(), &info) != 0)
    return failed(fileErrorText(errno));
  if (!S_ISREG(info.st_mode))
    return failed(fileErrorText(EISDIR));
  int fd;
  do
    fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  while (fd < 0 && errno == EINTR);
  if (fd < 0)
    return failed(fileErrorText(errno));
  const Descriptor file(fd);
  if (::fstat(fd, &info) != 0)
    return failed(fileErrorText(errno));
  if (!S_ISREG(info.st_mode))
    return failed(fileErrorText(EISDIR));
  const qint64 fileSize = info.st_size;
  if (fileSize > sizeLimit)
    return failed(QStringLiteral("file too large (%1 MB)").arg(fileSize >> 20));
  const qint64 wanted = maxBytes >= 0 ? std::min(fileSize, maxBytes) : fileSize;
  buffer.resize(wanted);
  qint64 done = 0;
  while (done < wanted) {
    const ssize_t got = ::read(fd, buffer.data() + done, size_t(wanted - done));
    if (got < 0) {
      if (errno == EINTR)
        continue;
      const int error = errno;
      buffer.resize(0);
      return failed(fileErrorText(error));
    }
    if (got == 0)
      break; // the file shrank meanwhile: the decoder sees the end where it is
    done += got;
  }
  buffer.resize(done);
  return {fileSize, {}};
}

void adviseReadingSoon(const QString &path) {
  const QByteArray name = QFile::encodeName(path);
  struct stat info;
  if (name.isEmpty() || ::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
    return;
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0)
    return;
  const Descriptor file(fd);
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_WILLNEED);
}

} // namespace veltrane
