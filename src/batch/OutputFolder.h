#pragma once

#include <QString>

namespace veltrane {

inline const QString kFolderMarkerName = QStringLiteral("desktop.ini");
inline const QByteArray kFolderMarkerBytes = "[.ShellClassInfo]\r\n"
                                             "IconFile=%SystemRoot%\\system32\\SHELL32.dll\r\n"
                                             "IconIndex = 127\r\n";

// Makes the output folder (with any missing parents), removes temporary
// files that killed batches left there, checks that files can be made in it
// and marks it with the marker file unless something already has that name.
// Returns why nothing can be saved there, in words for the user; empty on
// success. A batch that gets an error here writes nothing.
QString prepareOutputFolder(const QString &folder);

} // namespace veltrane
