#include "batch/OutputFolder.h"
#include "common/MessageText.h"

#include "storage/TemporaryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace veltrane {
namespace {

// The marker is only ever created, from the probe's file: whatever already
// has its name (an earlier batch's marker, a user's own file, a link, a
// folder) is left as it is, and a marker that cannot be written is no reason
// to stop.
void markFolder(TemporaryFile &probe, const QString &folder) {
  const QByteArray marker = QFile::encodeName(QDir(folder).filePath(kFolderMarkerName));
  struct stat existing {};
  if (::lstat(marker.constData(), &existing) == 0 || errno != ENOENT)
    return;
  if (probe.write(kFolderMarkerBytes) != 0 || probe.close(true) != 0)
    return;
  NewFileMethod method = NewFileMethod::HardLink;
  if (probe.publishNew(marker, kFolderMarkerBytes, method) == 0)
    syncFolder(QFile::encodeName(folder));
}

} // namespace

Result<> prepareOutputFolder(const QString &folder) {
  if (folder.trimmed().isEmpty())
    return failure(MessageText::tr("Please choose the folder to save the resized pictures to."));
  const QString native = QDir::toNativeSeparators(folder);
  if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
    return failure(
        MessageText::tr("The folder \"%1\" cannot be created, so no picture was resized.").arg(native));
  // What batches killed half-way through a picture left here.
  removeAbandonedTemporaryFiles(folder);
  // Every picture is written this way first: if this file cannot be made,
  // none can.
  TemporaryFile probe(QFile::encodeName(folder));
  if (probe.error())
    return failure(
        MessageText::tr("Nothing can be saved in the folder \"%1\" (%2), so no picture was resized.")
            .arg(native, qt_error_string(probe.error())));
  markFolder(probe, folder);
  return {};
}

Result<> prepareOutputSubfolder(const QString &outputFolder, const QString &subfolder) {
  const QString native = QDir::toNativeSeparators(QDir(outputFolder).filePath(subfolder));
  QString path = outputFolder;
  for (const QString &part : subfolder.split(u'/')) {
    if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
      return failure(QStringLiteral("\"%1\" is not a folder below the output folder").arg(subfolder));
    path += u'/' + part;
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0777) != 0 && errno != EEXIST)
      return failure(
          QStringLiteral("the folder \"%1\" cannot be created (%2)").arg(native, qt_error_string(errno)));
    struct stat made {};
    if (::lstat(name.constData(), &made) != 0 || !S_ISDIR(made.st_mode))
      return failure(QStringLiteral("\"%1\" is in the way of the folder \"%2\": it is not a folder")
                         .arg(QDir::toNativeSeparators(path), native));
  }
  removeAbandonedTemporaryFiles(path);
  return {};
}

} // namespace veltrane
