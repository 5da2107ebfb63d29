#pragma once

#include "common/Result.h"

#include <QString>
#include <QtGlobal>

namespace veltrane {

// The words for what the JPEG writer cannot do, as the batch report shows them.

// "Failed to initialise the JPEG encoder: " and the encoder's code.
inline Failure encoderSetupFailure(int code) {
  return failure(QStringLiteral("Failed to initialise the JPEG encoder: ") + QString::number(code));
}

// "Failed to save to JPG " and the encoder's code.
inline Failure encodingFailure(int code) {
  return failure(QStringLiteral("Failed to save to JPG ") + QString::number(code));
}

// "Failed to save to JPG " followed by the path in quotes and the system's
// reason, e.g. `Failed to save to JPG "/out/a.jpg": No space left on device`.
inline Failure fileWriteFailure(const QString &path, int errnoValue) {
  return failure(QStringLiteral("Failed to save to JPG \"%1\": %2").arg(path, qt_error_string(errnoValue)));
}

} // namespace veltrane
