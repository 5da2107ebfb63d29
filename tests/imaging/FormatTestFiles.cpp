#include "FormatTestFiles.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <libheif/heif_cxx.h>
#include <zlib.h>

namespace veltrane::test {

namespace {

// A test file that cannot be made is a broken test: stop loudly.
[[noreturn]] void stop(const char *what, const char *why = "") {
  std::fprintf(stderr, "test file not made: %s failed %s\n", what, why);
  std::abort();
}

QByteArray bigEndian32(quint32 value) {
  QByteArray out(4, '\0');
  qToBigEndian(value, out.data());
  return out;
}

QByteArray littleEndian(quint32 value, int bytes) {
  QByteArray out;
  for (int i = 0; i < bytes; ++i)
    out.append(char(value >> 8 * i));
  return out;
}

// CRC-32 as PNG counts it.
quint32 crcOf(const QByteArray &bytes) {
  return quint32(crc32(0, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size())));
}

QByteArray pngChunk(const char *type, const QByteArray &data) {
  const QByteArray typed = QByteArray(type, 4) + data;
  return bigEndian32(quint32(data.size())) + typed + bigEndian32(crcOf(typed));
}

QByteArray riffChunk(const char *type, const QByteArray &data) {
  QByteArray chunk = QByteArray(type, 4) + littleEndian(quint32(data.size()), 4) + data;
  if (data.size() % 2)
    chunk.append('\0');
  return chunk;
}

// libheif's output, gathered.
struct HeifBytes : heif::Context::Writer {
  heif_error write(const void *data, size_t size) override {
    bytes.append(static_cast<const char *>(data), qsizetype(size));
    return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
  }
  QByteArray bytes;
};

} // namespace

QByteArray qtFile(const QImage &picture, const char *format, int quality, int compression) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setQuality(quality);
  writer.setCompression(compression);
  if (!writer.write(picture))
    stop(format, qPrintable(writer.errorString()));
  return out;
}

qsizetype pngChunkAt(const QByteArray &png, const char *type) {
  for (qsizetype at = 8; at + 8 <= png.size();) {
    if (png.mid(at + 4, 4) == QByteArray(type, 4))
      return at;
    at += 12 + qsizetype(qFromBigEndian<quint32>(png.constData() + at));
  }
  return -1;
}

QByteArray withPngChunk(const QByteArray &png, const char *type, const QByteArray &data) {
  const qsizetype at = pngChunkAt(png, "IDAT");
  if (at < 0)
    stop("withPngChunk", "(no IDAT)");
  return QByteArray(png).insert(at, pngChunk(type, data));
}

QByteArray withPngSize(QByteArray png, quint32 width, quint32 height) {
  png.replace(16, 8, bigEndian32(width) + bigEndian32(height));
  return png.replace(29, 4, bigEndian32(crcOf(png.mid(12, 17))));
}

QByteArray extendedWebp(const QByteArray &simpleWebp, QSize canvas, const QByteArray &icc,
                        const QByteArray &exif) {
  const char flags = char((icc.isEmpty() ? 0 : 0x20) | (exif.isEmpty() ? 0 : 0x08));
  QByteArray body = "WEBP" + riffChunk("VP8X", QByteArray(1, flags) + QByteArray(3, '\0') +
                                                   littleEndian(quint32(canvas.width() - 1), 3) +
                                                   littleEndian(quint32(canvas.height() - 1), 3));
  if (!icc.isEmpty())
    body += riffChunk("ICCP", icc);
  body += simpleWebp.mid(12); // the image chunk
  if (!exif.isEmpty())
    body += riffChunk("EXIF", exif);
  return "RIFF" + littleEndian(quint32(body.size()), 4) + body;
}

QByteArray withLosslessWebpSize(QByteArray webp, int width, int height) {
  if (webp.mid(12, 4) != "VP8L")
    stop("withLosslessWebpSize", "(not lossless)");
  const quint32 bits = qFromLittleEndian<quint32>(webp.constData() + 21);
  const quint32 sized = (bits & 0xF0000000u) | quint32(width - 1) | quint32(height - 1) << 14;
  return webp.replace(21, 4, littleEndian(sized, 4));
}

QByteArray stripTiff(const QImage &picture, int orientation, int rowsPerStrip) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  const quint32 width = quint32(rgb.width()), height = quint32(rgb.height());
  const quint32 strips = (height + quint32(rowsPerStrip) - 1) / quint32(rowsPerStrip);
  const quint32 rowBytes = width * 3;
  const quint16 entries = orientation ? 10 : 9;
  const quint32 ifdSize = 2 + 12u * entries + 4;
  // After the IFD: bits per sample, then the strip offsets and byte counts, then the strips.
  const quint32 bitsAt = 8 + ifdSize, offsetsAt = bitsAt + 6, countsAt = offsetsAt + 4 * strips;
  const quint32 dataAt = countsAt + 4 * strips;
  QByteArray out = QByteArray("II*\0", 4) + littleEndian(8, 4) + littleEndian(entries, 2);
  const auto entry = [&](quint16 tag, quint16 type, quint32 count, quint32 value) {
    out += littleEndian(tag, 2) + littleEndian(type, 2) + littleEndian(count, 4) + littleEndian(value, 4);
  };
  constexpr quint16 kShort = 3, kLong = 4;
  entry(256, kLong, 1, width);
  entry(257, kLong, 1, height);
  entry(258, kShort, 3, bitsAt);
  entry(259, kShort, 1, 1); // no compression
  entry(262, kShort, 1, 2); // RGB
  entry(273, kLong, strips, strips == 1 ? dataAt : offsetsAt);
  if (orientation)
    entry(274, kShort, 1, quint32(orientation));
  entry(277, kShort, 1, 3);
  entry(278, kLong, 1, quint32(rowsPerStrip));
  entry(279, kLong, strips, strips == 1 ? rowBytes * height : countsAt);
  out += littleEndian(0, 4); // no next IFD
  out += littleEndian(8, 2) + littleEndian(8, 2) + littleEndian(8, 2);
  QByteArray offsets, counts, data;
  for (quint32 strip = 0; strip < strips; ++strip) {
    const quint32 rows = std::min(quint32(rowsPerStrip), height - strip * quint32(rowsPerStrip));
    offsets += littleEndian(dataAt + quint32(data.size()), 4);
    counts += littleEndian(rows * rowBytes, 4);
    for (quint32 row = 0; row < rows; ++row)
      data.append(reinterpret_cast<const char *>(rgb.constScanLine(int(strip * quint32(rowsPerStrip) + row))),
                  qsizetype(rowBytes));
  }
  return out + offsets + counts + data;
}

QByteArray withStripTiffSize(QByteArray tiff, quint32 width, quint32 height) {
  tiff.replace(10 + 8, 4, littleEndian(width, 4)); // the first two entries: width, length
  return tiff.replace(22 + 8, 4, littleEndian(height, 4));
}

QByteArray heifFile(const QImage &picture, HeifCodec codec, const QByteArray &icc, int orientation,
                    bool lossless, const QByteArray &exif) {
  const heif_compression_format format =
      codec == HeifCodec::Hevc ? heif_compression_HEVC : heif_compression_AV1;
  if (!heif_have_encoder_for_format(format))
    return {};
  const bool alpha = picture.hasAlphaChannel();
  const QImage pixels = picture.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
  const int width = pixels.width(), height = pixels.height();
  try {
    heif::Image image;
    image.create(width, height, heif_colorspace_RGB,
                 alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
    image.add_plane(heif_channel_interleaved, width, height, 8);
    int stride = 0;
    uint8_t *plane = image.get_plane(heif_channel_interleaved, &stride);
    for (int y = 0; y < height; ++y)
      std::copy_n(pixels.constScanLine(y), size_t(width) * (alpha ? 4 : 3), plane + ptrdiff_t(y) * stride);
    if (!icc.isEmpty())
      image.set_raw_color_profile(heif_color_profile_type_prof, {icc.begin(), icc.end()});
    heif::Encoder encoder(format);
    if (lossless)
      encoder.set_lossless(true);
    else
      encoder.set_lossy_quality(90);
    heif::Context::EncodingOptions options;
    options.image_orientation = heif_orientation(orientation);
    heif::Context context;
    const heif::ImageHandle handle = context.encode_image(image, encoder, options);
    if (!exif.isEmpty())
      context.add_exif_metadata(handle, exif.constData(), int(exif.size()));
    HeifBytes out;
    context.write(out);
    return out.bytes;
  } catch (const heif::Error &error) {
    stop("libheif", error.get_message().c_str());
  }
}

QByteArray withHeifSize(QByteArray heif, quint32 width, quint32 height) {
  const qsizetype at = heif.indexOf("ispe");
  if (at < 0)
    stop("withHeifSize", "(no ispe box)");
  return heif.replace(at + 8, 8, bigEndian32(width) + bigEndian32(height));
}

} // namespace veltrane::test
