#include "imaging/ExifOrientation.h"

#include <QTransform>
#include <cstring>

namespace veltrane {

namespace {

// A bounds-checked view of the TIFF block inside the EXIF payload.
class TiffReader {
public:
  TiffReader(const unsigned char *data, size_t size, bool bigEndian)
      : m_data(data), m_size(size), m_bigEndian(bigEndian) {}

  bool has(size_t offset, size_t length) const { return offset <= m_size && length <= m_size - offset; }
  unsigned u16(size_t offset) const {
    const unsigned a = m_data[offset], b = m_data[offset + 1];
    return m_bigEndian ? (a << 8) | b : (b << 8) | a;
  }
  quint32 u32(size_t offset) const {
    const quint32 a = u16(offset), b = u16(offset + 2);
    return m_bigEndian ? (a << 16) | b : (b << 16) | a;
  }

private:
  const unsigned char *m_data;
  size_t m_size;
  bool m_bigEndian;
};

constexpr unsigned kOrientationTag = 0x0112;
constexpr unsigned kTypeShort = 3;
constexpr size_t kEntrySize = 12;

} // namespace

int exifOrientation(const unsigned char *payload, size_t size) {
  if (size < 6 || std::memcmp(payload, "Exif\0\0", 6) != 0)
    return 1;
  const unsigned char *tiff = payload + 6;
  const size_t tiffSize = size - 6;
  if (tiffSize < 8)
    return 1;
  bool bigEndian;
  if (std::memcmp(tiff, "II", 2) == 0)
    bigEndian = false;
  else if (std::memcmp(tiff, "MM", 2) == 0)
    bigEndian = true;
  else
    return 1;
  const TiffReader reader(tiff, tiffSize, bigEndian);
  if (reader.u16(2) != 42)
    return 1;
  const size_t ifd = reader.u32(4);
  if (!reader.has(ifd, 2))
    return 1;
  const unsigned entries = reader.u16(ifd);
  for (unsigned i = 0; i < entries; ++i) {
    const size_t entry = ifd + 2 + size_t(i) * kEntrySize;
    if (!reader.has(entry, kEntrySize))
      return 1;
    if (reader.u16(entry) != kOrientationTag)
      continue;
    if (reader.u16(entry + 2) != kTypeShort || reader.u32(entry + 4) < 1)
      return 1;
    const unsigned value = reader.u16(entry + 8); // a single SHORT sits at the start of the value field
    return value >= 1 && value <= 8 ? int(value) : 1;
  }
  return 1;
}

QImage orientedPicture(QImage stored, int orientation) {
  // Qt turns quarter and half turns with its fast rotation paths; mirroring works in place.
  const auto turned = [](const QImage &image, qreal degrees) {
    return image.transformed(QTransform().rotate(degrees));
  };
  switch (orientation) {
  case 2: return std::move(stored).mirrored(true, false);
  case 3: return std::move(stored).mirrored(true, true); // a half turn
  case 4: return std::move(stored).mirrored(false, true);
  case 5: return turned(stored, 90).mirrored(true, false); // transpose
  case 6: return turned(stored, 90);
  case 7: return turned(stored, 90).mirrored(false, true); // transverse
  case 8: return turned(stored, 270);
  default: return stored;
  }
}

} // namespace veltrane
