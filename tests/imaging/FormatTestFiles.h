#pragma once

// Builders of PNG, WebP, TIFF, HEIC and AVIF source files for the decoder
// tests: Qt's and libheif's writers, with the chunks, tags and boxes that
// writers leave out added by hand.

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace veltrane::test {

// Through Qt's writers: "png", "webp" (lossless at quality 100), "tiff"
// (compression 1: LZW). The picture's colour space becomes the file's profile.
QByteArray qtFile(const QImage &picture, const char *format, int quality = 100, int compression = 0);

// A PNG with one more chunk, its CRC made right, before the first IDAT.
QByteArray withPngChunk(const QByteArray &png, const char *type, const QByteArray &data);
// Where the first chunk of that type starts (its length field), -1 for none.
qsizetype pngChunkAt(const QByteArray &png, const char *type);
// The IHDR's width and height replaced (its CRC made right again).
QByteArray withPngSize(QByteArray png, quint32 width, quint32 height);

// The extended WebP format around a simple one's image chunk: VP8X, then
// ICCP when `icc` is given, the image, then EXIF when `exif` is given.
QByteArray extendedWebp(const QByteArray &simpleWebp, QSize canvas, const QByteArray &icc = {},
                        const QByteArray &exif = {});
// The image chunk's own width and height replaced (lossless VP8L only).
QByteArray withLosslessWebpSize(QByteArray webp, int width, int height);

// A TIFF laid out as cameras and scanners write it: the header, IFD0 at
// once, then uncompressed RGB strips of `rowsPerStrip` rows; an Orientation
// tag when `orientation` is not 0.
QByteArray stripTiff(const QImage &picture, int orientation = 0, int rowsPerStrip = 8);
// stripTiff's width and height replaced.
QByteArray withStripTiffSize(QByteArray tiff, quint32 width, quint32 height);

// Through libheif's encoders: HEVC (HEIC) or AV1 (AVIF), with `icc` as the
// profile, `orientation` (EXIF numbering) as irot/imir boxes and `exif` as
// its Exif item. Empty when this libheif has no such encoder.
enum class HeifCodec { Hevc, Av1 };
// Both, by the name of their format.
struct NamedHeifCodec {
  const char *name;
  HeifCodec codec;
};
inline constexpr NamedHeifCodec kHeifCodecs[] = {{"HEIC", HeifCodec::Hevc}, {"AVIF", HeifCodec::Av1}};
QByteArray heifFile(const QImage &picture, HeifCodec codec, const QByteArray &icc = {}, int orientation = 1,
                    bool lossless = false, const QByteArray &exif = {});
// The ispe box's width and height replaced.
QByteArray withHeifSize(QByteArray heif, quint32 width, quint32 height);

} // namespace veltrane::test
