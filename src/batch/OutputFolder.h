#pragma once

#include "common/Result.h"

#include <QString>

namespace veltrane {

inline const QString kFolderMarkerName = QStringLiteral("desktop.ini");
inline const QByteArray kFolderMarkerBytes = "[.ShellClassInfo]\r\n"
                                             "IconFile=%SystemRoot%\\system32\\SHELL32.dll\r\n"
                                             "IconIndex = 127\r\n";

// Makes the output folder (with any missing parents), removes temporary
// files that killed batches left there, checks that files can be made in it
// and marks it with the marker file unless something already has that name.
// Fails with why nothing can be saved there, in words for the user. A batch
// that fails here writes nothing.
Result<> prepareOutputFolder(const QString &folder);

// Makes a folder of a mirrored tree below a prepared output folder, one
// component at a time: a link or a file in the way is refused rather than
// followed, so nothing is ever written outside the output folder. Cleans
// temporary files that killed batches left there; no marker.
Result<> prepareOutputSubfolder(const QString &outputFolder, const QString &subfolder);

} // namespace veltrane
