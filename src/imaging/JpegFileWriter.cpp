#include "imaging/JpegFileWriter.h"

#include "imaging/JpegError.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace veltrane {
namespace {

// Enough for every "name (n)" a folder can plausibly hold, yet bounded.
constexpr int kMaxNameAttempts = 10000;

[[noreturn]] void fail(const QString &path, int errnoValue) { throw JpegError::fileFailed(path, errnoValue); }

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

  TemporaryFile temporary(folderOfPath(target));
  if (temporary.error())
    fail(path, temporary.error());
  if (const int error = temporary.write(bytes))
    fail(path, error);
  if (replacing) {
    // Best effort, as on the old file's own system: the picture is what
    // counts, so a refusal here does not fail the write.
    ::fchmod(temporary.fd(), old.st_mode & 07777);
    const struct timespec times[2] = {old.st_atim, old.st_mtim};
    ::futimens(temporary.fd(), times);
  }
  // Not flushed to disk: pictures are many and can be made again.
  if (const int error = temporary.close(false))
    fail(path, error);
  if (const int error = temporary.replace(target))
    fail(path, error);
}

QString writeNewJpegFile(const QString &wantedPath, const QByteArray &bytes,
                         const std::function<QString(const QString &)> &nextFreeName, NewFileMethod first) {
  const QByteArray wanted = QFile::encodeName(wantedPath);
  if (wanted.isEmpty())
    fail(wantedPath, ENOENT);
  TemporaryFile temporary(folderOfPath(wanted));
  if (temporary.error())
    fail(wantedPath, temporary.error());
  if (const int error = temporary.write(bytes))
    fail(wantedPath, error);
  if (const int error = temporary.close(false))
    fail(wantedPath, error);

  NewFileMethod method = first;
  QString candidate = wantedPath;
  for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
    const int error = temporary.publishNew(QFile::encodeName(candidate), bytes, method);
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
