#pragma once

#include "common/Result.h"
#include "storage/TemporaryFile.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace veltrane {

// Writes the bytes as a new file at the wanted path, or, when that name is
// taken (also by another program in the meantime, or by a symbolic link,
// which is never followed), at the name nextFreeName gives for the wanted
// path. Never replaces anything. Gives the path written; fails, leaving
// nothing behind, when no file could be written. The contents are made
// durable before the name is given; the folder's entry is the caller's to
// sync (syncFolder), once for all it wrote there.
// `first` is the method tried first; later methods take over when the file
// system lacks it.
Result<QString> writeNewJpegFile(const QString &wantedPath, const QByteArray &bytes,
                                 const std::function<QString(const QString &)> &nextFreeName,
                                 NewFileMethod first = NewFileMethod::HardLink);

} // namespace veltrane
