#pragma once

// Small byte edits of committed files: EXIF blocks as cameras write them, a
// JPEG's EXIF segment given another payload, its frame given another size.

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <initializer_list>
#include <utility>

namespace veltrane::test {

// An APP1 payload: "Exif\0\0", a TIFF header and IFD0 with a Make entry, then the orientation.
inline QByteArray exifBlock(int orientation, bool bigEndian) {
  QByteArray out("Exif\0\0", 6);
  out.append(bigEndian ? "MM" : "II");
  const auto append = [&](std::initializer_list<std::pair<quint32, int>> fields) {
    for (const auto &[value, bytes] : fields)
      for (int i = 0; i < bytes; ++i)
        out.append(char(value >> 8 * (bigEndian ? bytes - 1 - i : i)));
  };
  append({{42, 2}, {8, 4}, {2, 2}});     // IFD0 right after the header: 2 entries
  append({{0x010F, 2}, {2, 2}, {4, 4}}); // Make, ASCII, inline: an entry to skip
  out.append("Cam", 4);
  // The orientation, one SHORT; no next IFD.
  append({{0x0112, 2}, {3, 2}, {1, 4}, {quint32(orientation), 2}, {0, 2}, {0, 4}});
  return out;
}

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

// The frame header's width and height replaced (baseline or progressive: in scan data 0xFF
// is never followed by these).
inline QByteArray withFrameSize(QByteArray jpeg, int width, int height) {
  const qsizetype frame = std::max(jpeg.indexOf("\xFF\xC0"), jpeg.indexOf("\xFF\xC2"));
  const char size[] = {char(height >> 8), char(height), char(width >> 8), char(width)};
  return jpeg.replace(frame + 5, 4, size, 4);
}

} // namespace veltrane::test
