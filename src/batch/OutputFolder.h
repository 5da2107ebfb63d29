#pragma once

#include <QString>

namespace veltrane {

inline const QString kFolderMarkerName = QStringLiteral("desktop.ini");
inline const QByteArray kFolderMarkerBytes = "[.ShellClassInfo]\r\n"
                                             "IconFile=%SystemRoot%\\system32\\SHELL32.dll\r\n"
                                             "IconIndex = 127\r\n";

// Makes the output folder (with any missing parents) and writes its marker
// file. Returns why it could not, in words for the user; empty on success.
// A batch that gets an error here writes nothing.
QString prepareOutputFolder(const QString &folder);

} // namespace veltrane
