#pragma once

#include <QImage>
#include <QSize>
#include <cstddef>

namespace veltrane {

// The EXIF orientation (1 to 8) in a JPEG APP1 payload that starts with
// "Exif\0\0"; 1 when there is none or it cannot be read.
int exifOrientation(const unsigned char *payload, size_t size);

// Orientations 5 to 8 turn the picture a quarter: width and height swap.
inline bool orientationSwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }
inline QSize orientedSize(QSize stored, int orientation) {
  return orientationSwapsSides(orientation) ? stored.transposed() : stored;
}

// The stored picture turned upright.
QImage orientedPicture(QImage stored, int orientation);

} // namespace veltrane
