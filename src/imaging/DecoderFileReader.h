#pragma once

#include <QByteArray>
#include <QString>

namespace veltrane {

// Why a file could not be opened or read, in a user's words: "file not
// found", "permission denied", "not a regular file", ...
QString fileErrorText(int errorNumber);

struct FileReadOutcome {
  qint64 fileSize = 0; // the whole file's length, even when only its start was read
  QString error;       // empty when the bytes were read
  bool ok() const { return error.isEmpty(); }
};

// Reads a regular file into `buffer`, reusing its memory: the whole file, or
// only its first `maxBytes` when that is not negative. A FIFO, device or
// folder is refused without ever blocking on it; so is a file longer than
// `sizeLimit`.
FileReadOutcome readRegularFile(const QString &path, QByteArray &buffer, qint64 maxBytes, qint64 sizeLimit);

// Asks the system to start reading a regular file in the background, so that
// it is in memory when a worker gets to it. Anything else is left alone.
void adviseReadingSoon(const QString &path);

} // namespace veltrane
