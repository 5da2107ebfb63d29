#pragma once

// A JPEG's EXIF segment given another payload: damaged and hostile EXIF in
// an otherwise good photo.

#include <QByteArray>
#include <QtEndian>

namespace veltrane::test {

// The file's first APP1 "Exif" segment's payload replaced by `payload`.
inline QByteArray withExifPayload(const QByteArray &jpeg, const QByteArray &payload) {
  qsizetype at = 2;
  while (at + 4 <= jpeg.size() && quint8(jpeg[at]) == 0xFF) {
    const int length = qFromBigEndian<quint16>(jpeg.constData() + at + 2);
    if (quint8(jpeg[at + 1]) == 0xE1 && jpeg.mid(at + 4, 6) == QByteArray("Exif\0\0", 6)) {
      QByteArray segment("\xFF\xE1\0\0", 4);
      qToBigEndian<quint16>(quint16(payload.size() + 2), segment.data() + 2);
      return jpeg.left(at) + segment + payload + jpeg.mid(at + 2 + length);
    }
    at += 2 + length;
  }
  return jpeg;
}

} // namespace veltrane::test
