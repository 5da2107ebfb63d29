#include "imaging/QtFormatHeaders.h"

#include <QtEndian>
#include <cstring>

#include <zlib.h>

namespace veltrane {

namespace {

constexpr size_t kPngSignatureSize = 8;
constexpr size_t kRiffHeaderSize = 12; // "RIFF", the size, "WEBP"
// Far beyond any real profile; a deflate bomb stops here.
constexpr size_t kLargestProfile = size_t(16) << 20;

bool named(const unsigned char *type, const char *name) { return std::memcmp(type, name, 4) == 0; }

// EXIF blocks come with or without the JPEG APP1 prefix; the orientation
// reader takes them with it.
QByteArray exifWithPrefix(const unsigned char *data, size_t size) {
  const QByteArray block(reinterpret_cast<const char *>(data), qsizetype(size));
  static const QByteArray prefix("Exif\0\0", 6);
  return block.startsWith(prefix) ? block : prefix + block;
}

quint32 littleEndian24(const unsigned char *data) { return data[0] | data[1] << 8 | quint32(data[2]) << 16; }

// The stored size from an image chunk's own header: VP8X's canvas, VP8's
// key frame or VP8L's header; invalid when it holds none.
QSize webpChunkSize(const unsigned char *type, const unsigned char *data, size_t size) {
  if (named(type, "VP8X") && size >= 10)
    return {int(littleEndian24(data + 4) + 1), int(littleEndian24(data + 7) + 1)};
  if (named(type, "VP8 ") && size >= 10 && data[3] == 0x9D && data[4] == 0x01 && data[5] == 0x2A)
    return {qFromLittleEndian<quint16>(data + 6) & 0x3FFF, qFromLittleEndian<quint16>(data + 8) & 0x3FFF};
  if (named(type, "VP8L") && size >= 5 && data[0] == 0x2F) {
    const quint32 bits = qFromLittleEndian<quint32>(data + 1);
    return {int((bits & 0x3FFF) + 1), int((bits >> 14 & 0x3FFF) + 1)};
  }
  return {};
}

// The zlib stream inflated, or nothing when it is broken or too large.
QByteArray inflated(const unsigned char *data, size_t size) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK)
    return {};
  stream.next_in = const_cast<unsigned char *>(data);
  stream.avail_in = uInt(size);
  QByteArray out;
  int status = Z_OK;
  while (status == Z_OK && size_t(out.size()) < kLargestProfile) {
    const qsizetype done = out.size();
    out.resize(std::min<qsizetype>(std::max<qsizetype>(done * 2, 4096), qsizetype(kLargestProfile)));
    stream.next_out = reinterpret_cast<unsigned char *>(out.data() + done);
    stream.avail_out = uInt(out.size() - done);
    status = inflate(&stream, Z_NO_FLUSH);
    out.resize(qsizetype(stream.total_out));
  }
  inflateEnd(&stream);
  return status == Z_STREAM_END ? out : QByteArray();
}

// iCCP: a name of 1 to 79 bytes and its zero, the method (0, deflate), the
// profile's zlib stream. Qt drops a profile it cannot read without a word;
// this one goes to the colour step, which can say so. One that will not
// inflate goes on as stored, which that step finds damaged.
QByteArray pngProfile(const unsigned char *data, size_t size) {
  const auto *nameEnd = static_cast<const unsigned char *>(std::memchr(data, 0, std::min<size_t>(size, 80)));
  if (nameEnd && nameEnd + 2 <= data + size && nameEnd[1] == 0) {
    const QByteArray profile = inflated(nameEnd + 2, size_t(data + size - nameEnd - 2));
    if (!profile.isEmpty())
      return profile;
  }
  return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace

ChunkLayout pngLayout(const unsigned char *data, size_t size, bool upToImageData) {
  ChunkLayout layout;
  size_t at = kPngSignatureSize;
  while (at + 8 <= size) {
    const quint32 length = qFromBigEndian<quint32>(data + at);
    const unsigned char *type = data + at + 4;
    if (length > 0x7FFFFFFF) { // the format's own bound
      layout.error = QStringLiteral("damaged PNG data");
      return layout;
    }
    if (at == kPngSignatureSize) {
      if (!named(type, "IHDR") || length < 13 || size < at + 16) {
        layout.error =
            at + 16 <= size ? QStringLiteral("damaged PNG data") : QStringLiteral("truncated PNG data");
        return layout;
      }
      layout.size = QSize(int(std::min<quint32>(qFromBigEndian<quint32>(data + at + 8), 0x7FFFFFFF)),
                          int(std::min<quint32>(qFromBigEndian<quint32>(data + at + 12), 0x7FFFFFFF)));
    }
    if (named(type, "IDAT") && upToImageData)
      return layout;
    if (size - at - 8 < size_t(length) + 4) // the data and its CRC
      break;
    if (named(type, "eXIf") && layout.exif.isEmpty())
      layout.exif = exifWithPrefix(data + at + 8, length);
    if (named(type, "iCCP") && layout.icc.isEmpty() && !upToImageData && length > 0)
      layout.icc = pngProfile(data + at + 8, length);
    if (named(type, "IEND")) {
      layout.ended = true;
      return layout;
    }
    at += 12 + size_t(length);
  }
  if (!layout.size.isValid())
    layout.error = QStringLiteral("truncated PNG data");
  return layout;
}

ChunkLayout webpLayout(const unsigned char *data, size_t size) {
  ChunkLayout layout;
  if (size < kRiffHeaderSize + 8) {
    layout.error = QStringLiteral("truncated WebP data");
    return layout;
  }
  const quint32 riffSize = qFromLittleEndian<quint32>(data + 4);
  if (riffSize < 4 + 8 || riffSize > 0xFFFFFFF6u) {
    layout.error = QStringLiteral("damaged WebP data");
    return layout;
  }
  const size_t end = std::min(size, size_t(riffSize) + 8);
  size_t at = kRiffHeaderSize;
  while (at + 8 <= end) {
    const unsigned char *type = data + at;
    const quint32 length = qFromLittleEndian<quint32>(data + at + 4);
    const size_t available = std::min<size_t>(length, end - at - 8);
    if (!layout.size.isValid())
      layout.size = webpChunkSize(type, data + at + 8, available);
    if (available < length)
      break;
    if (named(type, "EXIF") && layout.exif.isEmpty())
      layout.exif = exifWithPrefix(data + at + 8, length);
    if (named(type, "ICCP") && layout.icc.isEmpty())
      layout.icc = QByteArray(reinterpret_cast<const char *>(data + at + 8), qsizetype(length));
    at += 8 + size_t(length) + (length & 1); // chunks are padded to even sizes
  }
  layout.ended = size >= size_t(riffSize) + 8 && at >= end;
  if (!layout.size.isValid())
    layout.error = layout.ended ? QStringLiteral("damaged WebP data") : QStringLiteral("truncated WebP data");
  return layout;
}

} // namespace veltrane
