#pragma once

#include "imaging/JpegEncoder.h"
#include "imaging/PixelSurface.h"
#include "presets/TemporaryFile.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace veltrane {

// Writes the surface as a JPEG file at the quality (0 to 100), replacing a
// file already at that path as writeJpegFile does. Returns true; throws
// JpegError when the picture cannot be encoded or the file written.
bool SaveJPG(const cDIBSection &surface, const QString &path, int quality);
bool SaveJPG(const cDIBSection &surface, const QString &path, int quality, JpegEncoder &encoder);

// Puts the bytes at the path. The bytes go to a hidden temporary file in the
// same folder first (a TemporaryFile, which a later batch removes should
// this process be killed), which replaces the old file only once complete,
// so a failed write (a full disk, say) leaves the old file as it was and no
// temporary file behind. The new file keeps a replaced file's access and
// modification times and permission bits; a file without any write
// permission is kept and the write refused. A symbolic link at the path is
// replaced, not followed. Throws JpegError (Kind::File) on failure.
void writeJpegFile(const QString &path, const QByteArray &bytes);

// Writes the bytes as a new file at the wanted path, or, when that name is
// taken (also by another program in the meantime, or by a symbolic link,
// which is never followed), at the name nextFreeName gives for the wanted
// path. Never replaces anything. Returns the path written; throws JpegError
// (Kind::File), leaving nothing behind, when no file could be written.
// `first` is the method tried first; later methods take over when the file
// system lacks it.
QString writeNewJpegFile(const QString &wantedPath, const QByteArray &bytes,
                         const std::function<QString(const QString &)> &nextFreeName,
                         NewFileMethod first = NewFileMethod::HardLink);

} // namespace veltrane
