#include "batch/OutputFolder.h"

#include "presets/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace veltrane {

QString prepareOutputFolder(const QString &folder) {
  if (folder.trimmed().isEmpty())
    return QStringLiteral("Please choose the folder to save the resized pictures to.");
  const QString native = QDir::toNativeSeparators(folder);
  if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
    return QStringLiteral("The folder \"%1\" cannot be created, so no picture was resized.").arg(native);
  QString error;
  if (!writeFileAtomically(QDir(folder).filePath(kFolderMarkerName), kFolderMarkerBytes, &error))
    return QStringLiteral("Nothing can be saved in the folder \"%1\", so no picture was resized.")
        .arg(native);
  return {};
}

} // namespace veltrane
