// PNG, WebP and TIFF through the decoder front: Qt's readers held to the
#include "DecoderFixture.h"
// same strictness as our own decoders.

#include "DecoderTestFiles.h"
#include "FormatTestFiles.h"
#include "QuadrantCheck.h"
#include "TempFolder.h"
#include "imaging/MemoryBudget.h"
#include "imaging/PictureDecoder.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>
#include <gtest/gtest.h>

using namespace veltrane;
using namespace veltrane::test;

namespace {

const QSize kSize(96, 64);

QImage quadrants(QSize size = kSize) { return rgbQuadrants(size); }

QImage withColourSpace(QImage image, const QColorSpace &space) {
  image.setColorSpace(space);
  return image;
}

// Orientation 6 in the EXIF block of a PNG (without the JPEG prefix, as the format has it).
QByteArray turnedPng(const QImage &picture, int orientation) {
  return withPngChunk(qtFile(picture, "png"), "eXIf", exifBlock(orientation, false).mid(6));
}

QByteArray turnedTiff(const QImage &picture, QImageIOHandler::Transformations turn) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "tiff");
  writer.setTransformation(turn);
  EXPECT_TRUE(writer.write(picture));
  return out;
}

class QtFormatDecoderTest : public DecoderFixture {};

} // namespace

TEST_F(QtFormatDecoderTest, EveryKindDecodesToItsColours) {
  const QImage picture = quadrants();
  const QByteArray lossless = qtFile(picture, "webp");
  const struct {
    const char *name;
    QByteArray file;
    int tolerance = 0;
  } cases[] = {
      {"PNG", qtFile(picture, "png")},
      {"PNG, palette", qtFile(indexedQuadrants(kSize), "png")},
      {"PNG, 16 bits", qtFile(picture.convertToFormat(QImage::Format_RGBX64), "png")},
      {"PNG, 16 bits with alpha", qtFile(picture.convertToFormat(QImage::Format_RGBA64), "png")},
      {"WebP, lossless", lossless},
      {"WebP, lossy", qtFile(picture, "webp", 90), 12},
      {"WebP, extended", extendedWebp(lossless, kSize)},
      {"TIFF", qtFile(picture, "tiff")},
      {"TIFF, LZW", qtFile(picture, "tiff", 100, 1)},
      {"TIFF, 16 bits", qtFile(picture.convertToFormat(QImage::Format_RGBX64), "tiff")},
      {"TIFF, strips first", stripTiff(picture)},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(c.file);
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    EXPECT_EQ(result.picture->image.size(), kSize) << c.name;
    EXPECT_EQ(result.picture->fullSize, kSize) << c.name;
    EXPECT_TRUE(showsQuadrants(result.picture->image, kStored, c.tolerance)) << c.name;
    EXPECT_TRUE(result.picture->iccProfile.isEmpty()) << c.name;
  }
  // 16 bits a sample round to the nearest 8-bit value.
  QImage grey(8, 8, QImage::Format_Grayscale16);
  grey.fill(QColor::fromRgba64(0x8080, 0x8080, 0x8080));
  const DecodeResult result = decode(qtFile(grey, "png"));
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  EXPECT_EQ(result.picture->image.pixel(3, 3), qRgb(128, 128, 128));
}

// Transparent pixels lie on white: fully transparent ones are white whatever
// colour they hide, half transparent ones are half white.
TEST_F(QtFormatDecoderTest, TransparencyLiesOnWhite) {
  QImage picture(kSize, QImage::Format_ARGB32);
  picture.fill(qRgba(255, 0, 0, 255));
  for (int y = 0; y < kSize.height(); ++y)
    for (int x = 0; x < kSize.width(); ++x)
      if (x >= kSize.width() / 2 || y >= kSize.height() / 2)
        picture.setPixel(x, y, x < kSize.width() / 2 ? qRgba(0, 0, 255, 128) : qRgba(0, 0, 0, 0));
  QImage palette(kSize, QImage::Format_Indexed8); // PNG's tRNS chunk: alpha by palette entry
  palette.setColorTable({qRgba(255, 0, 0, 255), qRgba(0, 0, 255, 128), qRgba(0, 255, 0, 0)});
  for (int y = 0; y < kSize.height(); ++y)
    for (int x = 0; x < kSize.width(); ++x)
      palette.scanLine(y)[x] = x >= kSize.width() / 2 ? 2 : y >= kSize.height() / 2 ? 1 : 0;
  const struct {
    const char *name;
    QByteArray file;
  } cases[] = {
      {"PNG", qtFile(picture, "png")},
      {"PNG, 16 bits", qtFile(picture.convertToFormat(QImage::Format_RGBA64), "png")},
      {"PNG, palette", qtFile(palette, "png")},
      {"WebP", qtFile(picture, "webp")},
      {"TIFF", qtFile(picture, "tiff")},
  };
  const QRgb halfBlue = qRgb(127, 127, 255);
  for (const auto &c : cases) {
    const DecodeResult result = decode(c.file);
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    EXPECT_TRUE(showsQuadrants(result.picture->image, {kRed, kWhite, halfBlue, kWhite}, 2)) << c.name;
  }
}

// PNG and WebP carry the EXIF orientation, TIFF its own tag: each turns the
// picture upright when asked, and the probe gives the same upright size.
TEST_F(QtFormatDecoderTest, OrientationTurnsThePictureUpright) {
  const QImage picture = quadrants({64, 32});
  const QByteArray lossless = qtFile(picture, "webp");
  const Quadrants sixth = {kBlue, kRed, kWhite, kGreen}, third = {kWhite, kBlue, kGreen, kRed};
  const struct {
    const char *name;
    QByteArray file;
    Quadrants upright;
    bool turnsAQuarter;
  } cases[] = {
      {"PNG, EXIF 6", turnedPng(picture, 6), sixth, true},
      {"PNG, EXIF 3", turnedPng(picture, 3), third, false},
      {"PNG, EXIF 1", turnedPng(picture, 1), kStored, false},
      {"PNG, EXIF with its JPEG prefix", withPngChunk(qtFile(picture, "png"), "eXIf", exifBlock(6, true)),
       sixth, true},
      {"WebP, EXIF 6", extendedWebp(lossless, {64, 32}, {}, exifBlock(6, false).mid(6)), sixth, true},
      {"WebP, EXIF 3", extendedWebp(lossless, {64, 32}, {}, exifBlock(3, true)), third, false},
      {"TIFF, a quarter turn", turnedTiff(picture, QImageIOHandler::TransformationRotate90), sixth, true},
      {"TIFF, strips first, orientation 6", stripTiff(picture, 6), sixth, true},
      {"TIFF, strips first, orientation 3", stripTiff(picture, 3), third, false},
  };
  for (const auto &c : cases) {
    const QSize upright = c.turnsAQuarter ? QSize(32, 64) : QSize(64, 32);
    const DecodeResult turned = decode(c.file), stored = decode(c.file, {nullptr, false});
    ASSERT_TRUE(turned.ok()) << c.name << ": " << turned.error.toStdString();
    ASSERT_TRUE(stored.ok()) << c.name << ": " << stored.error.toStdString();
    EXPECT_EQ(turned.picture->fullSize, upright) << c.name;
    EXPECT_EQ(turned.picture->image.size(), upright) << c.name;
    EXPECT_TRUE(showsQuadrants(turned.picture->image, c.upright, 0)) << c.name;
    EXPECT_EQ(stored.picture->fullSize, QSize(64, 32)) << c.name << " left as stored";
    EXPECT_TRUE(showsQuadrants(stored.picture->image, kStored, 0)) << c.name << " left as stored";
    const QString path = folder.write("turned", c.file);
    const DecodeResult probed = decoder.probeFile(path), probedStored = decoder.probeFile(path, false);
    ASSERT_TRUE(probed.ok() && probedStored.ok()) << c.name << ": " << probed.error.toStdString();
    EXPECT_EQ(probed.picture->fullSize, upright) << c.name << " probed";
    EXPECT_EQ(probedStored.picture->fullSize, QSize(64, 32)) << c.name << " probed as stored";
  }
}

// The profile the pixels are in comes with them; sRGB and no profile give none.
TEST_F(QtFormatDecoderTest, TheEmbeddedColourProfileComesThrough) {
  const QImage picture = quadrants();
  const QColorSpace adobe(QColorSpace::AdobeRgb), p3(QColorSpace::DisplayP3), srgb(QColorSpace::SRgb);
  const QByteArray adobeProfile = adobe.iccProfile();
  const struct {
    const char *name;
    QByteArray file;
    QColorSpace expected; // invalid: no profile handed on
  } cases[] = {
      {"PNG, Adobe RGB", qtFile(withColourSpace(picture, adobe), "png"), adobe},
      {"PNG, Display P3", qtFile(withColourSpace(picture, p3), "png"), p3},
      {"PNG, sRGB", qtFile(withColourSpace(picture, srgb), "png"), {}},
      {"WebP, Adobe RGB", qtFile(withColourSpace(picture, adobe), "webp"), adobe},
      {"WebP, ICCP chunk", extendedWebp(qtFile(picture, "webp"), kSize, adobeProfile), adobe},
      {"TIFF, Display P3", qtFile(withColourSpace(picture, p3), "tiff"), p3},
      {"TIFF, sRGB", qtFile(withColourSpace(picture, srgb), "tiff"), {}},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(c.file);
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    EXPECT_EQ(result.picture->iccProfile.isEmpty(), !c.expected.isValid()) << c.name;
    if (c.expected.isValid()) {
      EXPECT_EQ(QColorSpace::fromIccProfile(result.picture->iccProfile), c.expected) << c.name;
    }
    // The pixels stay as stored: converting them is the colour step's work.
    EXPECT_TRUE(showsQuadrants(result.picture->image, kStored, 0)) << c.name;
  }
}

// One table for every damaged file: a reason in words, no picture, and no
// pixel memory asked for when the header alone is too large.
TEST_F(QtFormatDecoderTest, DamageFailsWithItsReason) {
  const QImage noise = noisePicture({200, 150});
  const QByteArray png = qtFile(noise, "png"), lossless = qtFile(noise, "webp"),
                   lossy = qtFile(noise, "webp", 80);
  const QByteArray tiff = qtFile(noise, "tiff"), lzw = qtFile(noise, "tiff", 100, 1),
                   strips = stripTiff(noise);
  const qsizetype imageData = pngChunkAt(png, "IDAT");
  // Cut short, with the RIFF and chunk sizes made to agree: only the image data knows.
  const auto webpCutInside = [](const QByteArray &webp) {
    QByteArray cut = webp.left(webp.size() / 2);
    const quint32 chunk = quint32(cut.size() - 20);
    for (int i = 0; i < 4; ++i) {
      cut[4 + i] = char((chunk + 12) >> 8 * i);
      cut[16 + i] = char(chunk >> 8 * i);
    }
    return cut;
  };
  const auto garbled = [](QByteArray file, qsizetype at) {
    return file.replace(at, 64, QByteArray(64, char(0x5A)));
  };
  const QString tooLarge = "picture too large (65500 x 65500 pixels)";
  const struct {
    const char *name;
    QByteArray file;
    QString reason;
  } cases[] = {
      {"PNG cut in its header", png.left(20), "truncated PNG data"},
      {"PNG cut before its image data", png.left(imageData + 4), "truncated PNG data"},
      {"PNG cut in its image data", png.left(png.size() / 2), "truncated PNG data"},
      {"PNG cut before its end chunk", png.chopped(12), "truncated PNG data"},
      {"PNG cut in its end chunk", png.chopped(2), "truncated PNG data"},
      {"PNG with garbage in its image data", garbled(png, png.size() / 2), "damaged PNG data"},
      {"PNG with data for fewer rows", withPngSize(png, 200, 300), "damaged PNG data"},
      {"PNG without a width", withPngSize(png, 0, 150), "damaged PNG data"},
      {"huge PNG", withPngSize(png, 65500, 65500), tooLarge},
      {"WebP cut in its header", lossless.left(16), "truncated WebP data"},
      {"WebP cut in its image data", lossless.left(lossless.size() / 2), "truncated WebP data"},
      {"WebP one byte short", lossless.chopped(1), "truncated WebP data"},
      {"lossless WebP ending early inside", webpCutInside(lossless), "damaged WebP data"},
      {"lossy WebP ending early inside", webpCutInside(lossy), "damaged WebP data"},
      // (Garbage among the pixel codes decodes to other colours: WebP has no checksum to tell.)
      {"lossless WebP with garbage in its code tables", garbled(lossless, 30), "damaged WebP data"},
      {"WebP canvas larger than its picture", extendedWebp(lossless, {400, 300}), "damaged WebP data"},
      {"huge WebP", withLosslessWebpSize(lossless, 16383, 16383), "picture too large (16383 x 16383 pixels)"},
      {"TIFF cut before its directory", tiff.left(tiff.size() / 2),
       "damaged TIFF data (Seek error accessing TIFF directory)"},
      {"TIFF cut in its strips", strips.left(strips.size() / 2),
       "damaged TIFF data (Read error at scanline 0; got 1660 bytes, expected 4800)"},
      {"TIFF one byte short", strips.chopped(1),
       "damaged TIFF data (Read error at scanline 0; got 3599 bytes, expected 3600)"},
      {"LZW TIFF with garbage", garbled(lzw, lzw.size() / 3),
       "damaged TIFF data (Using code not yet in table)"},
      {"TIFF directory beyond its end", QByteArray("II*\0\xF0\xFF\0\0", 8) + QByteArray(64, '\0'),
       "damaged TIFF data (Seek error accessing TIFF directory)"},
      {"huge TIFF", withStripTiffSize(strips, 65500, 65500), tooLarge},
  };
  MemoryBudget budget(qint64(1) << 30);
  int reservations = 0;
  DecodeRequest request;
  request.memoryBudget = &budget;
  request.callerBytes = [&](QSize) {
    ++reservations;
    return qint64(0);
  };
  for (const auto &c : cases) {
    reservations = 0;
    const DecodeResult result = decode(c.file, request);
    EXPECT_EQ(result.error, c.reason) << c.name;
    EXPECT_FALSE(result.ok()) << c.name;
    if (c.reason.startsWith("picture too large")) {
      EXPECT_EQ(reservations, 0) << c.name << ": memory asked for";
    }
    EXPECT_EQ(budget.held(), 0) << c.name;
  }
}

// Through files: the probe reads the header from the first bytes, and the
// rest of the file only when what it needs lies further on (WebP's EXIF
// after the image, a TIFF directory written last).
TEST_F(QtFormatDecoderTest, FilesProbeToTheSizeTheyDecodeTo) {
  const QImage noise = noisePicture({400, 300}); // over the probe's first read in every format
  const QByteArray lossless = qtFile(noise, "webp");
  const struct {
    const char *name;
    QByteArray file;
    QSize size;
  } cases[] = {
      {"PNG", turnedPng(noise, 8), {300, 400}},
      {"WebP, EXIF last", extendedWebp(lossless, {400, 300}, {}, exifBlock(6, false)), {300, 400}},
      {"TIFF, directory last", qtFile(noise, "tiff"), {400, 300}},
      {"TIFF, strips first", stripTiff(noise, 5), {300, 400}},
  };
  for (const auto &c : cases) {
    ASSERT_GT(c.file.size(), 256 * 1024) << c.name;
    const QString path = folder.write("picture", c.file);
    const DecodeResult probed = decoder.probeFile(path), decoded = decoder.decodeFile(path);
    ASSERT_TRUE(probed.ok()) << c.name << ": " << probed.error.toStdString();
    ASSERT_TRUE(decoded.ok()) << c.name << ": " << decoded.error.toStdString();
    EXPECT_EQ(probed.picture->fullSize, c.size) << c.name;
    EXPECT_EQ(decoded.picture->fullSize, c.size) << c.name;
    EXPECT_TRUE(probed.picture->image.isNull()) << c.name;
  }
}

// Qt's picture (8 bytes a pixel at 16 bits), our RGB32 copy and the caller's
// copies are reserved before decoding, and the picture holds them.
TEST_F(QtFormatDecoderTest, EveryKindReservesItsMemory) {
  const QImage picture = quadrants({200, 100});
  expectReservations({
      {"PNG", qtFile(picture, "png"), 200 * 100 * 8},
      {"PNG, 16 bits", qtFile(picture.convertToFormat(QImage::Format_RGBA64), "png"), 200 * 100 * 12},
      {"PNG, turned", turnedPng(picture, 6), 200 * 100 * 12},
      {"WebP", qtFile(picture, "webp"), 200 * 100 * 8},
      {"TIFF", qtFile(picture, "tiff"), 200 * 100 * 8},
  });
}

// Qt's default allocation limit (128 MB) refuses this; the pixel limit allows it.
TEST_F(QtFormatDecoderTest, FiftyMegapixelPngDecodes) {
  QImage stripes(8000, 6250, QImage::Format_RGB32);
  stripes.fill(kRed);
  for (int y = 3125; y < 6250; ++y)
    std::fill_n(reinterpret_cast<QRgb *>(stripes.scanLine(y)), 8000, kBlue);
  const DecodeResult result = decode(qtFile(stripes, "png", 50));
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  EXPECT_EQ(result.picture->image.size(), QSize(8000, 6250));
  EXPECT_EQ(result.picture->image.pixel(7999, 0), kRed);
  EXPECT_EQ(result.picture->image.pixel(0, 6249), kBlue);
}
