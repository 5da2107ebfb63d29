#include "imaging/JpegFileWriter.h"

#include "imaging/JpegError.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrane {
namespace {

// Enough for every "name (n)" a folder can plausibly hold, yet bounded.
constexpr int kMaxNameAttempts = 10000;
constexpr int kMaxTemporaryAttempts = 100;

[[noreturn]] void fail(const QString &path, int errnoValue) { throw JpegError::fileFailed(path, errnoValue); }

QByteArray folderOf(const QByteArray &path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0)
    return QByteArrayLiteral(".");
  return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// 0, or the errno of the failed write.
int writeAll(int fd, const QByteArray &bytes) {
  const char *next = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t done = ::write(fd, next, std::size_t(left));
    if (done < 0) {
      if (errno == EINTR)
        continue;
      return errno;
    }
    if (done == 0)
      return EIO;
    next += done;
    left -= done;
  }
  return 0;
}

// 0, or the errno of a failed close (which can be the first sign of a full
// disk on some file systems).
int closeChecked(int &fd) {
  const int closing = fd;
  fd = -1;
  return ::close(closing) == 0 ? 0 : errno;
}

// A hidden file beside the destination that is removed again unless it was
// moved into place.
class TemporaryFile {
public:
  // Throws JpegError for `reportedPath` when no file can be made in the folder.
  TemporaryFile(const QByteArray &folder, const QString &reportedPath) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    int error = EEXIST;
    for (int attempt = 0; attempt < kMaxTemporaryAttempts && error == EEXIST; ++attempt) {
      QByteArray name = folder + "/.veltrane-";
      for (int i = 0; i < 12; ++i)
        name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
      name += ".tmp";
      // Created like any new file, so the umask and default ACLs apply.
      m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
      if (m_fd >= 0) {
        m_path = name;
        return;
      }
      error = errno;
    }
    fail(reportedPath, error);
  }
  TemporaryFile(const TemporaryFile &) = delete;
  TemporaryFile &operator=(const TemporaryFile &) = delete;
  ~TemporaryFile() {
    if (m_fd >= 0)
      ::close(m_fd);
    if (!m_path.isEmpty())
      ::unlink(m_path.constData());
  }

  int fd() const { return m_fd; }
  const QByteArray &path() const { return m_path; }
  int close() { return closeChecked(m_fd); }
  // The file now lives under another name.
  void moved() { m_path.clear(); }

private:
  int m_fd = -1;
  QByteArray m_path;
};

// Creates the file only if the name is free and fills it; 0 or the errno.
int createExclusively(const QByteArray &target, const QByteArray &bytes) {
  int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0)
    return errno;
  int error = writeAll(fd, bytes);
  const int closeError = closeChecked(fd);
  if (!error)
    error = closeError;
  if (error)
    ::unlink(target.constData());
  return error;
}

bool lacksHardLinks(int error) {
  return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == EXDEV || error == ENOSYS;
}

bool lacksExclusiveRename(int error) {
  return error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS;
}

// Puts the finished temporary file at the target unless the name is taken;
// 0, EEXIST or another errno. Falls back to the next method when the file
// system lacks the current one.
int publish(NewFileMethod &method, TemporaryFile &temporary, const QByteArray &target,
            const QByteArray &bytes) {
  if (method == NewFileMethod::HardLink) {
    if (::link(temporary.path().constData(), target.constData()) == 0)
      return 0;
    if (!lacksHardLinks(errno))
      return errno;
    method = NewFileMethod::RenameNoReplace;
  }
  if (method == NewFileMethod::RenameNoReplace) {
    if (::renameat2(AT_FDCWD, temporary.path().constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0) {
      temporary.moved();
      return 0;
    }
    if (!lacksExclusiveRename(errno))
      return errno;
    method = NewFileMethod::ExclusiveCreate;
  }
  return createExclusively(target, bytes);
}

} // namespace

bool SaveJPG(const cDIBSection &surface, const QString &path, int quality) {
  JpegEncoder encoder;
  return SaveJPG(surface, path, quality, encoder);
}

bool SaveJPG(const cDIBSection &surface, const QString &path, int quality, JpegEncoder &encoder) {
  writeJpegFile(path, encoder.encode(surface, quality));
  return true;
}

void writeJpegFile(const QString &path, const QByteArray &bytes) {
  const QByteArray target = QFile::encodeName(path);
  if (target.isEmpty())
    fail(path, ENOENT);
  struct stat old {};
  const bool replacing = ::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode);
  // The counterpart of a read-only file: it is not replaced.
  if (replacing && (old.st_mode & 0222) == 0)
    fail(path, EACCES);

  TemporaryFile temporary(folderOf(target), path);
  if (const int error = writeAll(temporary.fd(), bytes))
    fail(path, error);
  if (replacing) {
    // Best effort, as on the old file's own system: the picture is what
    // counts, so a refusal here does not fail the write.
    ::fchmod(temporary.fd(), old.st_mode & 07777);
    const struct timespec times[2] = {old.st_atim, old.st_mtim};
    ::futimens(temporary.fd(), times);
  }
  if (const int error = temporary.close())
    fail(path, error);
  if (::rename(temporary.path().constData(), target.constData()) != 0)
    fail(path, errno);
  temporary.moved();
}

QString writeNewJpegFile(const QString &wantedPath, const QByteArray &bytes,
                         const std::function<QString(const QString &)> &nextFreeName, NewFileMethod first) {
  const QByteArray wanted = QFile::encodeName(wantedPath);
  if (wanted.isEmpty())
    fail(wantedPath, ENOENT);
  TemporaryFile temporary(folderOf(wanted), wantedPath);
  if (const int error = writeAll(temporary.fd(), bytes))
    fail(wantedPath, error);
  if (const int error = temporary.close())
    fail(wantedPath, error);

  NewFileMethod method = first;
  QString candidate = wantedPath;
  for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
    const int error = publish(method, temporary, QFile::encodeName(candidate), bytes);
    if (error == 0)
      return candidate;
    if (error != EEXIST)
      fail(candidate, error);
    // The free name is counted from the wanted one; should the namer still
    // offer the name just found taken, ask it past that name instead.
    QString next = nextFreeName(wantedPath);
    if (next == candidate)
      next = nextFreeName(candidate);
    candidate = next;
  }
  fail(wantedPath, EEXIST);
}

} // namespace veltrane
