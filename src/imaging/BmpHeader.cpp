#include "imaging/BmpHeader.h"

#include "imaging/DecodeLimits.h"

#include <limits>
#include <optional>

namespace veltrane {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12; // OS/2 1.x: 16-bit sizes, 3-byte palette entries

quint32 le16(const unsigned char *p) { return quint32(p[0]) | quint32(p[1]) << 8; }
quint32 le32(const unsigned char *p) { return le16(p) | le16(p + 2) << 16; }

BmpInspection failed(const QString &error) { return {{}, error}; }
BmpInspection truncated() { return failed(QStringLiteral("truncated BMP data")); }
BmpInspection damaged() { return failed(QStringLiteral("damaged BMP data")); }

// The compression must suit the depth, and both must be ones we decode.
QString compressionAndDepthError(const BmpHeader &header) {
  switch (header.compression) {
  case kBmpRgb:
  case kBmpBitfields:
  case kBmpAlphaBitfields: break;
  case kBmpRle8:
    if (header.bitCount != 8)
      return QStringLiteral("damaged BMP data");
    break;
  case kBmpRle4:
    if (header.bitCount != 4)
      return QStringLiteral("damaged BMP data");
    break;
  case kBmpJpeg:
  case kBmpPng: return QStringLiteral("unsupported BMP (embedded JPEG or PNG)");
  default:
    // Windows CE and CMYK variants go up to 13; anything beyond is not a BMP header.
    if (header.compression > 13)
      return QStringLiteral("damaged BMP data");
    return QStringLiteral("unsupported BMP (compression %1)").arg(header.compression);
  }
  switch (header.bitCount) {
  case 1:
  case 4:
  case 8:
  case 16:
  case 24:
  case 32: return {};
  default: return QStringLiteral("unsupported BMP (%1 bits per pixel)").arg(header.bitCount);
  }
}

bool hasBitfields(const BmpHeader &header) {
  return header.compression == kBmpBitfields || header.compression == kBmpAlphaBitfields;
}

// The red, green and blue masks: in the header from version 2 on, else
// right after it. A zero mask leaves its colour black everywhere.
std::optional<BmpInspection> checkMasks(const unsigned char *data, size_t available, const BmpHeader &header,
                                        quint32 headerSize) {
  const size_t masks = headerSize >= 52 ? kFileHeaderSize + 40 : kFileHeaderSize + headerSize;
  if (masks + 12 > available)
    return truncated();
  if (header.bitCount != 16 && header.bitCount != 32)
    return damaged();
  for (int i = 0; i < 3; ++i)
    if (le32(data + masks + 4 * size_t(i)) == 0)
      return damaged();
  return std::nullopt;
}

// The palette sits between the headers (and BITFIELDS masks) and the pixels.
bool readPalette(const unsigned char *data, size_t available, BmpHeader &header, quint32 headerSize,
                 quint32 coloursUsed) {
  const bool core = headerSize == kCoreHeaderSize;
  const size_t entrySize = core ? 3 : 4;
  size_t at = kFileHeaderSize + headerSize;
  if (headerSize == 40 && hasBitfields(header))
    at += header.compression == kBmpBitfields ? 12 : 16;
  const size_t room = header.dataOffset > at ? (header.dataOffset - at) / entrySize : 0;
  const size_t wanted = coloursUsed > 0 ? std::min<quint32>(coloursUsed, 256) : size_t(1) << header.bitCount;
  const size_t count = std::min(wanted, room);
  if (at + count * entrySize > available)
    return false;
  header.palette.reserve(qsizetype(count));
  for (size_t i = 0; i < count; ++i) {
    const unsigned char *entry = data + at + i * entrySize;
    header.palette.append(qRgb(entry[2], entry[1], entry[0]));
  }
  return true;
}

} // namespace

BmpInspection inspectBmp(const unsigned char *data, size_t available, qint64 fileSize, qint64 maxPixels) {
  if (available < kFileHeaderSize + 4)
    return truncated();
  const quint32 headerSize = le32(data + kFileHeaderSize);
  if (headerSize < kCoreHeaderSize || (headerSize > kCoreHeaderSize && headerSize < 16) || headerSize > 4096)
    return damaged();
  const bool core = headerSize == kCoreHeaderSize;
  const unsigned char *info = data + kFileHeaderSize;
  if (available < kFileHeaderSize + std::min<quint32>(headerSize, 40))
    return truncated();

  BmpHeader header;
  header.dataOffset = le32(data + 10);
  quint32 coloursUsed = 0;
  if (core) {
    header.width = le16(info + 4);
    header.height = le16(info + 6);
    header.bitCount = int(le16(info + 10));
  } else {
    header.width = qint32(le32(info + 4));
    const qint32 height = qint32(le32(info + 8));
    if (height == std::numeric_limits<qint32>::min())
      return damaged();
    header.topDown = height < 0;
    header.height = header.topDown ? -qint64(height) : height;
    header.bitCount = int(le16(info + 14));
    if (headerSize >= 20)
      header.compression = le32(info + 16);
    if (headerSize >= 36)
      coloursUsed = le32(info + 32);
  }
  if (header.width <= 0 || header.height <= 0)
    return damaged();

  if (const QString error = compressionAndDepthError(header); !error.isEmpty())
    return failed(error);
  if (header.width * header.height > maxPixels)
    return failed(pictureTooLargeText(header.width, header.height));

  if (header.dataOffset < kFileHeaderSize + headerSize)
    return damaged();
  if (header.dataOffset > fileSize)
    return truncated();
  if (hasBitfields(header))
    if (auto refused = checkMasks(data, available, header, headerSize))
      return *refused;
  const bool compressed = header.compression == kBmpRle8 || header.compression == kBmpRle4;
  if (!compressed) {
    const qint64 stride = (header.width * header.bitCount + 31) / 32 * 4;
    if (qint64(header.dataOffset) + stride * header.height > fileSize)
      return truncated();
  }

  if (header.bitCount <= 8 && !readPalette(data, available, header, headerSize, coloursUsed))
    return truncated();
  return {header, {}};
}

} // namespace veltrane
