#include "storage/AtomicFile.h"

#include "storage/TemporaryFile.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace veltrane {

Result<> writeFileAtomically(const QString &path, const QByteArray &bytes,
                             const std::function<void()> &beforePublishing) {
  const auto failed = [&](int errnoValue) {
    return failure(QStringLiteral("%1: %2").arg(path, qt_error_string(errnoValue)));
  };
  const QByteArray target = QFile::encodeName(path);
  if (target.isEmpty())
    return failed(ENOENT);
  struct stat old {};
  const bool replacing = ::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode);
  // A file nobody may write is kept, also from root.
  if (replacing && (old.st_mode & 0222) == 0)
    return failed(EACCES);

  const QByteArray folder = folderOfPath(target);
  TemporaryFile temporary(folder);
  if (temporary.error())
    return failed(temporary.error());
  if (const int writeError = temporary.write(bytes))
    return failed(writeError);
  // Best effort: the contents are what counts.
  if (replacing)
    ::fchmod(temporary.fd(), old.st_mode & 07777);
  if (const int closeError = temporary.close(true))
    return failed(closeError);
  if (beforePublishing)
    beforePublishing();
  if (const int renameError = temporary.replace(target))
    return failed(renameError);
  syncFolder(folder);
  return {};
}

} // namespace veltrane
