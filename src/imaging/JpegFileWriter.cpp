#include "imaging/JpegFileWriter.h"

#include "imaging/JpegError.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace veltrane {
namespace {

// Enough for every "name (n)" a folder can plausibly hold, yet bounded.
constexpr int kMaxNameAttempts = 10000;

} // namespace

Result<QString> writeNewJpegFile(const QString &wantedPath, const QByteArray &bytes,
                                 const std::function<QString(const QString &)> &nextFreeName,
                                 NewFileMethod first) {
  const QByteArray wanted = QFile::encodeName(wantedPath);
  if (wanted.isEmpty())
    return fileWriteFailure(wantedPath, ENOENT);
  TemporaryFile temporary(folderOfPath(wanted));
  if (temporary.error())
    return fileWriteFailure(wantedPath, temporary.error());
  if (const int error = temporary.write(bytes))
    return fileWriteFailure(wantedPath, error);
  // Whole on disk before it has a name: after a power cut a name that exists
  // holds its picture, never an empty file.
  if (const int error = temporary.close(true))
    return fileWriteFailure(wantedPath, error);

  NewFileMethod method = first;
  QString candidate = wantedPath;
  for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
    const int error = temporary.publishNew(QFile::encodeName(candidate), bytes, method);
    if (error == 0)
      return candidate;
    if (error != EEXIST)
      return fileWriteFailure(candidate, error);
    // The free name is counted from the wanted one; should the namer still
    // offer the name just found taken, ask it past that name instead.
    QString next = nextFreeName(wantedPath);
    if (next == candidate)
      next = nextFreeName(candidate);
    candidate = next;
  }
  return fileWriteFailure(wantedPath, EEXIST);
}

} // namespace veltrane
