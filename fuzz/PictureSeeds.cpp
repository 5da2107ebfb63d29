// Pictures for the decoder front, the decoder tests' committed files and
// builders: every kind the program reads (HEIC and AVIF when libheif can
// encode them), then the damaged and hostile ones.

#include "FilePatches.h"
#include "FormatTestFiles.h"
#include "Seeds.h"
#include "TestData.h"

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QList>
#include <QRgb>

namespace veltrane::fuzz {

using namespace veltrane::test;

namespace {

const QSize kSize(24, 16);

// The committed quadrants picture, indexed as the GIF stores it.
QImage indexedQuadrants() { return QImage::fromData(testSource("quadrants-24x16.gif"), "GIF"); }

QByteArray le(quint32 value, int bytes) {
  QByteArray out;
  for (int i = 0; i < bytes; ++i)
    out.append(char(value >> 8 * i));
  return out;
}

QByteArray patched(QByteArray bytes, qsizetype at, const QByteArray &with) {
  return bytes.replace(at, with.size(), with);
}

QByteArray flipped(QByteArray bytes, qsizetype at) {
  bytes[at] = char(bytes[at] ^ 0xFF);
  return bytes;
}

// An APP1 marker right after the start of image.
QByteArray withApp1(const QByteArray &jpeg, const QByteArray &payload) {
  const int length = int(payload.size()) + 2;
  return jpeg.left(2) + "\xFF\xE1" + char(length >> 8) + char(length) + payload + jpeg.mid(2);
}

QList<Seed> jpegSeeds() {
  const QByteArray baseline = testSource("quadrants-24x16.jpg");
  const QByteArray progressive = testSource("quadrants-64x32-progressive.jpg");
  QList<Seed> seeds{
      {"jpeg-baseline.jpg", baseline},
      {"jpeg-progressive.jpg", progressive},
      {"jpeg-grey.jpg", testSource("quadrants-96x64-grey.jpg")},
      {"jpeg-cmyk-adobe.jpg", testSource("quadrants-96x64-cmyk.jpg")},
      {"jpeg-cmyk-plain.jpg", testSource("quadrants-96x64-cmyk-plain.jpg")},
      {"jpeg-ycck.jpg", testSource("quadrants-96x64-ycck.jpg")},
      {"jpeg-exif-6-little-endian.jpg", testSource("quadrants-200x100-exif-6.jpg")},
      {"jpeg-exif-8-big-endian.jpg", testSource("quadrants-64x32-exif-8.jpg")},
      {"jpeg-restart-markers.jpg", testSource("quadrants-96x64-restarts.jpg")},
      {"jpeg-arithmetic.jpg", testSource("quadrants-320x240-arithmetic.jpg")},
      {"jpeg-odd-size.jpg", testSource("quadrants-17x9.jpg")},
      // Headers that promise more than the data holds.
      {"jpeg-frame-15000x15000.jpg", withFrameSize(baseline, 15000, 15000)},
      {"jpeg-frame-65535x1.jpg", withFrameSize(progressive, 65535, 1)},
      {"jpeg-frame-zero-width.jpg", withFrameSize(baseline, 0, 16)},
      // EXIF blocks that point outside themselves or say nonsense.
      {"jpeg-exif-ifd-beyond.jpg", withApp1(baseline, QByteArray("Exif\0\0II*\0", 10) + le(0xFFFFFFF0, 4))},
      {"jpeg-exif-many-entries.jpg",
       withApp1(baseline, QByteArray("Exif\0\0II*\0", 10) + le(8, 4) + le(0xFFFF, 2) + le(0x0112, 2))},
      {"jpeg-exif-orientation-9.jpg", withApp1(baseline, exifBlock(9, false))},
      {"jpeg-exif-cut.jpg", withApp1(baseline, exifBlock(6, true).left(20))},
      // Cut short: after the start, inside the headers, at the scan, half way, before the end marker.
      {"jpeg-cut-after-soi.jpg", baseline.left(3)},
      {"jpeg-cut-in-headers.jpg", baseline.left(120)},
      {"jpeg-cut-at-scan.jpg", baseline.left(baseline.indexOf("\xFF\xDA") + 14)},
      {"jpeg-cut-half.jpg", baseline.left(baseline.size() / 2)},
      {"jpeg-cut-no-end-marker.jpg", baseline.left(baseline.size() - 2)},
      {"jpeg-progressive-cut-half.jpg", progressive.left(progressive.size() * 2 / 3)},
      // Harmless oddities: junk before the end marker, data after it.
      {"jpeg-extraneous-before-d9.jpg", baseline.left(baseline.size() - 2) + "\x12\x34\x56\x78\xFF\xD9"},
      {"jpeg-trailing-data.jpg", baseline + QByteArray(64, 'x')},
  };
  // Byte flips across the whole file: tables, frame header, scan data.
  for (int k = 1; k <= 8; ++k) {
    const qsizetype at = baseline.size() * k / 9;
    seeds.append({QStringLiteral("jpeg-flip-%1.jpg").arg(at), flipped(baseline, at)});
  }
  const qsizetype progressiveScan = progressive.indexOf("\xFF\xDA");
  seeds.append({"jpeg-progressive-flip.jpg", flipped(progressive, progressiveScan + 20)});
  return seeds;
}

QList<Seed> gifSeeds() {
  const QByteArray gif = testSource("quadrants-24x16.gif");
  // Header 6, screen 7, four colours 12: the frame's descriptor, then its LZW data.
  constexpr qsizetype kDescriptor = 25, kLzw = kDescriptor + 10;
  QByteArray extensions = gif;
  extensions.insert(kDescriptor, QByteArray("\x21\xFE\x05hello\0\x21\xFF\x0BNETSCAPE2.0\x03\x01\0\0\0", 28));
  QByteArray twoFrames = gif;
  twoFrames.insert(gif.size() - 1, gif.mid(kDescriptor, gif.size() - 1 - kDescriptor));
  return {
      {"gif-quadrants.gif", gif},
      {"gif-87a.gif", patched(gif, 3, "87a")},
      {"gif-transparent.gif", testSource("quadrants-96x64-transparent-blue.gif")},
      {"gif-screen-larger.gif", testSource("quadrants-20x10-at-an-offset.gif")},
      {"gif-interlaced.gif", patched(gif, kDescriptor + 9, "\x40")},
      {"gif-extensions.gif", extensions},
      {"gif-two-frames.gif", twoFrames},
      {"gif-screen-15000x15000.gif", patched(gif, 6, le(15000, 2) + le(15000, 2))},
      {"gif-screen-zero.gif", patched(gif, 6, le(0, 4))},
      {"gif-screen-height-zero.gif", patched(gif, 6, le(40, 2) + le(0, 2))},
      {"gif-frame-outside-screen.gif", patched(gif, kDescriptor + 1, le(60000, 2) + le(60000, 2))},
      {"gif-frame-65535.gif", patched(gif, kDescriptor + 5, le(65535, 2) + le(65535, 2))},
      {"gif-header-only.gif", gif.left(13)},
      // Broken or cut LZW data.
      {"gif-lzw-cut-half.gif", gif.left(kLzw + (gif.size() - kLzw) / 2)},
      {"gif-lzw-cut-at-start.gif", gif.left(kLzw + 1)},
      {"gif-lzw-bad-codes.gif", patched(gif, kLzw + 2, QByteArray(4, '\xFF'))},
      {"gif-lzw-code-size-12.gif", patched(gif, kLzw, "\x0C")},
      {"gif-lzw-code-size-0.gif", patched(gif, kLzw, QByteArray(1, '\0'))},
      {"gif-lzw-block-overruns.gif", patched(gif, kLzw + 1, "\xFF")},
      {"gif-lzw-no-end.gif", gif.left(gif.size() - 3) + ";"},
      {"gif-no-trailer.gif", gif.left(gif.size() - 1)},
  };
}

// A committed BMP's header with other pixel data, its sizes made to agree.
QByteArray withPixels(const QByteArray &bmp, const QByteArray &pixels) {
  const qsizetype offset = qsizetype(uchar(bmp[10])) | qsizetype(uchar(bmp[11])) << 8;
  return patched(patched(bmp.left(offset), 2, le(quint32(offset + pixels.size()), 4)), 34,
                 le(quint32(pixels.size()), 4)) +
         pixels;
}

QByteArray rleBmp(bool fourBits, const QByteArray &runs) {
  return withPixels(testSource(fourBits ? "quadrants-96x64-rle4.bmp" : "quadrants-96x64-rle8.bmp"), runs);
}

QList<Seed> bmpSeeds() {
  const auto source = [](const char *name) { return testSource(QStringLiteral("quadrants-96x64-") + name); };
  const QByteArray bgr = testSource("quadrants-40x20-24-bit.bmp");
  const QByteArray fields16 = source("16-bit-bitfields.bmp"), bgrx = source("32-bit.bmp");
  // Marked BITFIELDS: its first pixels stand for the masks.
  const QByteArray fields32 = patched(bgrx, 30, le(3, 4));
  // An OS/2 core header: 12 bytes, 16-bit sizes, two 24-bit pixels a row.
  const QByteArray core = QByteArray("BM") + le(26 + 16, 4) + le(0, 4) + le(26, 4) + le(12, 4) + le(2, 2) +
                          le(2, 2) + le(1, 2) + le(24, 2) + QByteArray(16, '\x7F');
  QByteArray v4 = bgr;
  v4.replace(14, 4, le(108, 4)).insert(54, QByteArray(68, '\0')).replace(10, 4, le(54 + 68, 4));
  const QByteArray rle8Bomb =
      withPixels(patched(source("rle8.bmp"), 18, le(15000, 4) + le(15000, 4)), QByteArray("\0\1", 2));
  return {
      {"bmp-1-bit.bmp", source("1-bit.bmp")},
      {"bmp-4-bit.bmp", source("4-bit.bmp")},
      {"bmp-8-bit.bmp", source("8-bit.bmp")},
      {"bmp-16-bit.bmp", patched(fields16, 30, le(0, 4))},
      {"bmp-16-bit-bitfields.bmp", fields16},
      {"bmp-24-bit.bmp", bgr},
      {"bmp-32-bit.bmp", bgrx},
      {"bmp-top-down.bmp", source("24-bit-top-down.bmp")},
      {"bmp-core-header.bmp", core},
      {"bmp-v4-header.bmp", v4},
      {"bmp-rle8.bmp", source("rle8.bmp")},
      {"bmp-rle4.bmp", source("rle4.bmp")},
      // 72 bytes that ask for 15000 x 15000 pixels.
      {"bmp-rle8-15000x15000.bmp", rle8Bomb},
      // RLE runs that leave the picture: deltas past its edges, runs and
      // literal runs longer than a row, data ending inside a literal run.
      {"bmp-rle8-delta-right.bmp", rleBmp(false, QByteArray("\0\2\xC8\0\2\1\0\1", 8))},
      {"bmp-rle8-delta-up.bmp", rleBmp(false, QByteArray("\0\2\0\xC8\2\1\0\1", 8))},
      {"bmp-rle8-delta-max.bmp", rleBmp(false, QByteArray("\0\2\xFF\xFF\0\2\xFF\xFF\1\1\0\1", 12))},
      {"bmp-rle8-run-too-long.bmp", rleBmp(false, QByteArray("\xFF\2\xFF\3\0\1", 6))},
      {"bmp-rle8-literal-too-long.bmp",
       rleBmp(false, QByteArray("\0\x40", 2) + QByteArray(64, '\1') + "\0\1")},
      {"bmp-rle8-literal-cut.bmp", rleBmp(false, QByteArray("\0\xFE\1\2\3", 5))},
      {"bmp-rle8-too-many-rows.bmp", rleBmp(false, QByteArray(80, '\0'))},
      {"bmp-rle8-no-end.bmp", rleBmp(false, QByteArray("\4\1", 2))},
      {"bmp-rle8-index-beyond-palette.bmp", rleBmp(false, QByteArray("\x18\xF0\0\1", 4))},
      {"bmp-rle4-delta-right.bmp", rleBmp(true, QByteArray("\0\2\xC8\0\2\x11\0\1", 8))},
      {"bmp-rle4-run-too-long.bmp", rleBmp(true, QByteArray("\xFF\x12\xFF\x34\0\1", 6))},
      {"bmp-rle4-literal-too-long.bmp",
       rleBmp(true, QByteArray("\0\x40", 2) + QByteArray(32, '\x12') + "\0\1")},
      {"bmp-rle4-literal-cut.bmp", rleBmp(true, QByteArray("\0\xFE\x12", 3))},
      {"bmp-rle8-in-24-bit.bmp", patched(source("rle8.bmp"), 28, le(24, 2))},
      // BITFIELDS masks: all zero, all ones, overlapping.
      {"bmp-bitfields-16-zero-masks.bmp", patched(fields16, 54, QByteArray(12, '\0'))},
      {"bmp-bitfields-32-zero-masks.bmp", patched(fields32, 54, QByteArray(12, '\0'))},
      {"bmp-bitfields-32-full-masks.bmp", patched(fields32, 54, QByteArray(12, '\xFF'))},
      {"bmp-bitfields-overlapping.bmp", patched(fields16, 54, le(0xFFFF, 4) + le(0x0FF0, 4) + le(0x00FF, 4))},
      // Headers that lie.
      {"bmp-rows-cut.bmp", bgr.left(bgr.size() - 100)},
      {"bmp-offset-beyond.bmp", patched(bgr, 10, le(0x7FFFFFFF, 4))},
      {"bmp-width-zero.bmp", patched(bgr, 18, le(0, 4))},
      {"bmp-height-min.bmp", patched(bgr, 22, le(0x80000000, 4))},
      {"bmp-width-huge.bmp", patched(bgr, 18, le(0x7FFFFFFF, 4))},
      {"bmp-bits-0.bmp", patched(bgr, 28, le(0, 2))},
      {"bmp-bits-7.bmp", patched(bgr, 28, le(7, 2))},
      {"bmp-bits-64.bmp", patched(bgr, 28, le(64, 2))},
      {"bmp-palette-count-huge.bmp", patched(source("8-bit.bmp"), 46, le(0xFFFFFFFF, 4))},
      {"bmp-header-size-huge.bmp", patched(bgr, 14, le(0xFFFFFFF0, 4))},
      {"bmp-compression-jpeg.bmp", patched(bgr, 30, le(4, 4))},
      {"bmp-compression-png.bmp", patched(bgr, 30, le(5, 4))},
      {"bmp-header-only.bmp", bgr.left(30)},
  };
}

QByteArray garbled(QByteArray bytes, qsizetype at, qsizetype length) {
  return bytes.replace(at, length, QByteArray(length, char(0x5A)));
}

QImage rgbQuadrants() { return indexedQuadrants().convertToFormat(QImage::Format_RGB32); }

QImage translucentQuadrants() {
  QImage picture = rgbQuadrants().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < kSize.height(); ++y)
    for (int x = kSize.width() / 2; x < kSize.width(); ++x)
      picture.setPixel(x, y, qRgba(0, 0, 255, y * 16));
  return picture;
}

QList<Seed> pngSeeds() {
  const QImage rgb = rgbQuadrants();
  QImage adobe = rgb;
  adobe.setColorSpace(QColorSpace::AdobeRgb);
  const QByteArray png = qtFile(rgb, "png");
  const qsizetype imageData = pngChunkAt(png, "IDAT");
  return {
      {"png-rgb.png", png},
      {"png-palette.png", qtFile(indexedQuadrants(), "png")},
      {"png-16-bit-alpha.png", qtFile(translucentQuadrants().convertToFormat(QImage::Format_RGBA64), "png")},
      {"png-alpha.png", qtFile(translucentQuadrants(), "png")},
      {"png-grey-16.png", qtFile(rgb.convertToFormat(QImage::Format_Grayscale16), "png")},
      {"png-adobe-rgb.png", qtFile(adobe, "png")},
      {"png-exif-6.png", withPngChunk(png, "eXIf", exifBlock(6, false).mid(6))},
      {"png-exif-cut.png", withPngChunk(png, "eXIf", exifBlock(6, true).mid(6, 12))},
      {"png-cut-in-header.png", png.left(20)},
      {"png-cut-in-data.png", png.left((imageData + png.size()) / 2)},
      {"png-no-end-chunk.png", png.chopped(12)},
      {"png-data-garbled.png", garbled(png, imageData + 10, 8)},
      {"png-fewer-rows.png", withPngSize(png, 24, 64)},
      {"png-15000x15000.png", withPngSize(png, 15000, 15000)},
      {"png-zero-width.png", withPngSize(png, 0, 16)},
  };
}

QList<Seed> webpSeeds() {
  const QImage rgb = rgbQuadrants();
  const QByteArray lossless = qtFile(rgb, "webp"), lossy = qtFile(rgb, "webp", 80);
  const QByteArray icc = QColorSpace(QColorSpace::DisplayP3).iccProfile();
  return {
      {"webp-lossless.webp", lossless},
      {"webp-lossy.webp", lossy},
      {"webp-alpha.webp", qtFile(translucentQuadrants(), "webp")},
      {"webp-extended-icc-exif.webp", extendedWebp(lossless, kSize, icc, exifBlock(8, true))},
      {"webp-canvas-larger.webp", extendedWebp(lossless, {400, 300})},
      {"webp-cut-half.webp", lossless.left(lossless.size() / 2)},
      {"webp-lossy-cut-half.webp", lossy.left(lossy.size() / 2)},
      {"webp-riff-too-long.webp", patched(lossless, 4, le(0x7FFFFFF0, 4))},
      {"webp-header-garbled.webp", garbled(lossless, 25, 8)},
      {"webp-15000x15000.webp", withLosslessWebpSize(lossless, 15000, 15000)},
  };
}

QList<Seed> tiffSeeds() {
  const QImage rgb = rgbQuadrants();
  QImage p3 = rgb;
  p3.setColorSpace(QColorSpace::DisplayP3);
  const QByteArray strips = stripTiff(rgb, 6, 4);
  return {
      {"tiff-rgb.tif", qtFile(rgb, "tiff")},
      {"tiff-lzw.tif", qtFile(rgb, "tiff", 100, 1)},
      {"tiff-alpha.tif", qtFile(translucentQuadrants(), "tiff")},
      {"tiff-16-bit.tif", qtFile(rgb.convertToFormat(QImage::Format_RGBX64), "tiff")},
      {"tiff-display-p3.tif", qtFile(p3, "tiff")},
      {"tiff-strips-first-turned.tif", strips},
      {"tiff-strips-cut.tif", strips.left(strips.size() * 2 / 3)},
      {"tiff-lzw-garbled.tif", garbled(qtFile(rgb, "tiff", 100, 1), 12, 16)},
      {"tiff-15000x15000.tif", withStripTiffSize(strips, 15000, 15000)},
      {"tiff-directory-beyond.tif", QByteArray("MM\0*\x7F\xFF\xFF\0", 8) + QByteArray(16, '\0')},
  };
}

// Made with libheif's encoders when it has them.
QList<Seed> heifSeeds() {
  QList<Seed> seeds;
  const QByteArray icc = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
  for (const auto &[name, codec] : {std::pair{"heic", HeifCodec::Hevc}, std::pair{"avif", HeifCodec::Av1}}) {
    const QByteArray file = heifFile(rgbQuadrants(), codec);
    if (file.isEmpty())
      continue;
    const QString prefix = QStringLiteral("%1-").arg(QLatin1String(name)),
                  suffix = u'.' + QLatin1String(name);
    const qsizetype data = file.indexOf("mdat") + 4;
    seeds += {
        {prefix + "plain" + suffix, file},
        {prefix + "turned-6" + suffix, heifFile(rgbQuadrants(), codec, {}, 6)},
        {prefix + "profile" + suffix, heifFile(rgbQuadrants(), codec, icc)},
        {prefix + "alpha" + suffix, heifFile(translucentQuadrants(), codec, {}, 1, true)},
        {prefix + "cut-in-boxes" + suffix, file.left(file.indexOf("iloc"))},
        {prefix + "cut-in-data" + suffix, file.left((data + file.size()) / 2)},
        {prefix + "data-garbled" + suffix, garbled(file, data + 4, 16)},
        {prefix + "15000x15000" + suffix, withHeifSize(file, 15000, 15000)},
    };
  }
  return seeds;
}

// The grid pictures the tests read, made once by a script beside them (their
// tiles need avifenc): a valid grid and hostile ones that claim another
// size; and from the valid one, grids broken in their structure.
QList<Seed> gridSeeds() {
  QList<Seed> seeds;
  const QDir folder(QStringLiteral(VELTRANE_HEIF_GRIDS));
  for (const QString &name : folder.entryList({QStringLiteral("*.avif")}, QDir::Files, QDir::Name)) {
    QFile file(folder.filePath(name));
    if (file.open(QIODevice::ReadOnly))
      seeds += {QStringLiteral("avif-") + name, file.readAll()};
  }
  QFile file(folder.filePath(QStringLiteral("grid-2x2.avif")));
  if (!file.open(QIODevice::ReadOnly))
    return seeds;
  const QByteArray grid = file.readAll();
  const qsizetype descriptor = grid.indexOf("mdat") + 4, firstTile = grid.indexOf("dimg") + 8;
  seeds += {
      {"avif-grid-3x2-of-4-tiles.avif", patched(grid, descriptor + 2, "\x02")},
      {"avif-grid-32-bit-sizes-cut.avif", patched(grid, descriptor + 1, "\x01")},
      {"avif-grid-in-itself.avif", patched(grid, firstTile, QByteArray("\0\x01", 2))},
      {"avif-grid-tile-missing.avif", patched(grid, firstTile, QByteArray("\0\x09", 2))},
  };
  return seeds;
}

} // namespace

QList<Seed> pictureSeeds() {
  QList<Seed> seeds{
      {"empty", {}},
      {"not-a-picture.txt", "Veltrane resizes pictures in batches.\n"},
      {"jpeg-signature-only.jpg", "\xFF\xD8\xFF"},
      {"bmp-signature-only.bmp", "BM"},
      {"gif-signature-only.gif", "GIF89a"},
  };
  seeds += jpegSeeds();
  seeds += gifSeeds();
  seeds += bmpSeeds();
  seeds += pngSeeds();
  seeds += webpSeeds();
  seeds += tiffSeeds();
  seeds += heifSeeds();
  seeds += testDataSeeds({QStringLiteral("*.gif"), QStringLiteral("*.png"), QStringLiteral("*.tif")});
  seeds += gridSeeds();
  return seeds;
}

} // namespace veltrane::fuzz
