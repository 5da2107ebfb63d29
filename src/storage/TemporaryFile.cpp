#include "storage/TemporaryFile.h"

#include <QFile>
#include <QRandomGenerator>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrane {
namespace {

constexpr int kMaxCreateAttempts = 100;
constexpr char kPrefix[] = ".veltrane-";
constexpr char kSuffix[] = ".tmp";
constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";

// The machine's name as it goes into file names: anything but letters,
// digits, dots, dashes and underscores becomes an underscore.
QByteArray hostName() {
  char buffer[256] = {};
  if (::gethostname(buffer, sizeof buffer - 1) != 0 || buffer[0] == 0)
    return QByteArrayLiteral("localhost");
  QByteArray name(buffer);
  for (char &c : name)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_'))
      c = '_';
  return name;
}

// ".veltrane-HOST-": what every temporary file of this machine begins with.
QByteArray hostPrefix() { return kPrefix + hostName() + '-'; }

// The process id of a name "PID-RANDOM.tmp" (what follows the host prefix),
// or 0 when the name is not one of ours.
pid_t processOf(const QByteArray &rest) {
  if (!rest.endsWith(kSuffix))
    return 0;
  const QByteArray middle = rest.chopped(int(sizeof kSuffix - 1));
  const qsizetype dash = middle.indexOf('-');
  if (dash <= 0 || dash == middle.size() - 1 || middle.indexOf('-', dash + 1) >= 0)
    return 0;
  for (const char c : middle.mid(dash + 1))
    if (!std::strchr(kLetters, c))
      return 0;
  bool ok = false;
  const long pid = middle.left(dash).toLong(&ok);
  return ok && pid > 0 && pid == pid_t(pid) ? pid_t(pid) : 0;
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

struct FolderCloser {
  void operator()(DIR *folder) const { ::closedir(folder); }
};

} // namespace

TemporaryFile::TemporaryFile(const QByteArray &folder) {
  const QByteArray start = folder + '/' + hostPrefix() + QByteArray::number(::getpid()) + '-';
  m_error = EEXIST;
  for (int attempt = 0; attempt < kMaxCreateAttempts && m_error == EEXIST; ++attempt) {
    QByteArray name = start;
    for (int i = 0; i < 10; ++i)
      name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
    name += kSuffix;
    // Created like any new file, so the umask and default ACLs apply.
    m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (m_fd >= 0) {
      m_path = name;
      m_error = 0;
      return;
    }
    m_error = errno;
  }
}

TemporaryFile::~TemporaryFile() {
  if (m_fd >= 0)
    ::close(m_fd);
  if (!m_path.isEmpty())
    ::unlink(m_path.constData());
}

int TemporaryFile::write(const QByteArray &bytes) { return m_fd < 0 ? EBADF : writeAll(m_fd, bytes); }

int TemporaryFile::close(bool durable) {
  if (m_fd < 0)
    return EBADF;
  int error = 0;
  while (durable && ::fsync(m_fd) != 0) {
    if (errno != EINTR) {
      error = errno;
      break;
    }
  }
  const int closeError = closeChecked(m_fd);
  return error ? error : closeError;
}

int TemporaryFile::replace(const QByteArray &target) {
  if (m_path.isEmpty())
    return EBADF;
  if (::rename(m_path.constData(), target.constData()) != 0)
    return errno;
  m_path.clear();
  return 0;
}

int TemporaryFile::publishNew(const QByteArray &target, const QByteArray &bytes, NewFileMethod &method) {
  if (m_path.isEmpty())
    return EBADF;
  if (method == NewFileMethod::HardLink) {
    if (::link(m_path.constData(), target.constData()) == 0)
      return 0;
    if (!lacksHardLinks(errno))
      return errno;
    method = NewFileMethod::RenameNoReplace;
  }
  if (method == NewFileMethod::RenameNoReplace) {
    if (::renameat2(AT_FDCWD, m_path.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) {
      m_path.clear();
      return 0;
    }
    if (!lacksExclusiveRename(errno))
      return errno;
    method = NewFileMethod::ExclusiveCreate;
  }
  return createExclusively(target, bytes);
}

int removeAbandonedTemporaryFiles(const QString &folder) {
  const QByteArray encoded = QFile::encodeName(folder);
  const int folderFd = ::open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd < 0)
    return 0;
  const std::unique_ptr<DIR, FolderCloser> listing(::fdopendir(folderFd));
  if (!listing) {
    ::close(folderFd);
    return 0;
  }
  const QByteArray prefix = hostPrefix();
  const pid_t self = ::getpid();
  int removed = 0;
  while (const dirent *entry = ::readdir(listing.get())) {
    const QByteArray name(entry->d_name);
    if (!name.startsWith(prefix))
      continue;
    const pid_t owner = processOf(name.mid(prefix.size()));
    // Only a process that no longer exists: one that merely belongs to
    // another user answers EPERM and may still be writing.
    if (owner == 0 || owner == self || ::kill(owner, 0) == 0 || errno != ESRCH)
      continue;
    struct stat info {};
    if (::fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode))
      continue;
    if (::unlinkat(folderFd, entry->d_name, 0) == 0)
      ++removed;
  }
  return removed;
}

void syncFolder(const QByteArray &folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return;
  ::fsync(fd);
  ::close(fd);
}

QByteArray folderOfPath(const QByteArray &path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0)
    return QByteArrayLiteral(".");
  return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

} // namespace veltrane
