#pragma once

#include <QString>
#include <QtGlobal>

namespace veltrane {

// Pictures whose decoded pixels would pass this are refused from the header,
// before any pixel memory is allocated (a reduced JPEG decode counts its reduced size).
inline constexpr qint64 kMaxDecodedPixels = 250'000'000;

// The error every decoder gives a picture refused for its size.
inline QString pictureTooLargeText(qint64 width, qint64 height) {
  return QStringLiteral("picture too large (%1 x %2 pixels)").arg(width).arg(height);
}

} // namespace veltrane
