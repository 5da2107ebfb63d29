// Every format through the decoder front, one table per behaviour: JPEG, BMP
// and GIF by our own decoders, PNG, WebP and TIFF by Qt's readers held to the
// same strictness, HEIC and AVIF by libheif (their cases skipped where this
// libheif has no encoder).

#include "imaging/PictureDecoder.h"
#include "DecoderFixture.h"

#include "FilePatches.h"
#include "FormatTestFiles.h"
#include "QuadrantCheck.h"
#include "TestData.h"
#include "TestPictures.h"
#include "imaging/MemoryBudget.h"

#include <QBuffer>
#include <QImageWriter>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace veltrane;
using namespace veltrane::test;

namespace {

const QRgb kBlack = qRgb(0, 0, 0), kHalfBlue = qRgb(127, 127, 255);
const QSize kSize(96, 64);
// Lossy coding of 4:2:0 chroma keeps the quadrants' middles close, not exact.
constexpr int kHeifTolerance = 24;

// The quadrants as each EXIF orientation turns them upright.
const Quadrants kUpright[9] = {
    {},
    kStored,
    {kGreen, kRed, kWhite, kBlue},
    {kWhite, kBlue, kGreen, kRed},
    {kBlue, kWhite, kRed, kGreen},
    {kRed, kBlue, kGreen, kWhite},
    {kBlue, kRed, kWhite, kGreen},
    {kWhite, kGreen, kBlue, kRed},
    {kGreen, kWhite, kRed, kBlue},
};

// Orientation in the EXIF block of a PNG (without the JPEG prefix, as the format has it).
QByteArray turnedPng(const QImage &picture, int orientation) {
  return withPngChunk(qtFile(picture, "png"), "eXIf", exifBlock(orientation, false).mid(6));
}

QByteArray quarterTurnedTiff(const QImage &picture) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "tiff");
  writer.setTransformation(QImageIOHandler::TransformationRotate90);
  EXPECT_TRUE(writer.write(picture));
  return out;
}

// A file to decode; an empty one (no such encoder here) is skipped.
bool unmade(const QByteArray &file, const char *name) {
  if (file.isEmpty())
    std::printf("No encoder for %s in this libheif: skipped.\n", name);
  return file.isEmpty();
}

class PictureDecoderTest : public DecoderFixture {};

} // namespace

TEST_F(PictureDecoderTest, EveryKindDecodesToItsColours) {
  const QImage indexed = indexedQuadrants(kSize), picture = rgbQuadrants(kSize);
  const Quadrants luma = {qRgb(76, 76, 76), qRgb(150, 150, 150), qRgb(29, 29, 29), kWhite};
  const Quadrants onWhite = {kRed, kWhite, kHalfBlue, kWhite};
  const auto source = [](const char *name) { return testSource(QStringLiteral("quadrants-96x64-") + name); };
  // Opaque red top left, clear black on the right, half transparent blue bottom left; as a palette
  // (PNG's tRNS chunk: alpha by palette entry) the clear colour is green.
  QImage translucentPalette(kSize, QImage::Format_Indexed8);
  translucentPalette.setColorTable({qRgba(255, 0, 0, 255), qRgba(0, 0, 255, 128), qRgba(0, 0, 0, 0)});
  for (int y = 0; y < kSize.height(); ++y)
    for (int x = 0; x < kSize.width(); ++x)
      translucentPalette.scanLine(y)[x] = x >= kSize.width() / 2 ? 2 : y >= kSize.height() / 2 ? 1 : 0;
  const QImage translucent = translucentPalette.convertToFormat(QImage::Format_ARGB32);
  translucentPalette.setColor(2, qRgba(0, 255, 0, 0));
  const QByteArray lossless = qtFile(picture, "webp");
  struct Case {
    QString name;
    QByteArray file;
    Quadrants expected = kStored;
    int tolerance = 0;
  };
  std::vector<Case> cases = {
      {"baseline", testSource("quadrants-96x64.jpg"), kStored, 8},
      {"progressive", source("progressive.jpg"), kStored, 8},
      {"restart markers", source("restarts.jpg"), kStored, 8},
      {"grey", source("grey.jpg"), luma, 8},
      {"Adobe CMYK", source("cmyk.jpg"), kStored, 8},
      {"Adobe YCCK", source("ycck.jpg"), kStored, 8},
      {"plain CMYK", source("cmyk-plain.jpg"), kStored, 8},
      {"BMP 1 bit", source("1-bit.bmp"), {kRed, kGreen, kRed, kGreen}},
      {"BMP 4 bits", source("4-bit.bmp")},
      {"BMP 8 bits", source("8-bit.bmp")},
      {"BMP 16 bits, bitfields", source("16-bit-bitfields.bmp"), kStored, 8}, // 5 or 6 bits of 8 kept
      {"BMP 24 bits", source("24-bit.bmp")},
      {"BMP 24 bits, top-down", source("24-bit-top-down.bmp")},
      {"BMP 32 bits", source("32-bit.bmp")},
      {"BMP RLE8", source("rle8.bmp")},
      {"BMP RLE4", source("rle4.bmp")},
      // What the file leaves open comes out the same every time: black for an index beyond
      // the palette (Qt alone makes it white at 1 bit), colour 0 where RLE skips or ends early.
      {"BMP 1 bit, beyond", source("1-bit-beyond.bmp"), {kRed, kBlack, kRed, kBlack}},
      {"BMP 8 bits, beyond", source("8-bit-beyond.bmp"), {kRed, kGreen, kBlack, kBlack}},
      {"BMP RLE8, beyond", source("rle8-beyond.bmp"), {kRed, kGreen, kBlack, kBlack}},
      {"BMP RLE8 skips", source("rle8-skips.bmp")},
      {"GIF", testSource("quadrants-96x64.gif")},
      {"GIF, transparent blue on white", source("transparent-blue.gif"), {kRed, kGreen, kWhite, kWhite}},
      {"PNG", qtFile(picture, "png")},
      {"PNG, palette", qtFile(indexed, "png")},
      {"PNG, 16 bits", qtFile(picture.convertToFormat(QImage::Format_RGBX64), "png")},
      {"PNG, 16 bits with alpha", qtFile(picture.convertToFormat(QImage::Format_RGBA64), "png")},
      {"WebP, lossless", lossless},
      {"WebP, lossy", qtFile(picture, "webp", 90), kStored, 12},
      {"WebP, extended", extendedWebp(lossless, kSize)},
      {"TIFF", qtFile(picture, "tiff")},
      {"TIFF, LZW", qtFile(picture, "tiff", 100, 1)},
      {"TIFF, 16 bits", qtFile(picture.convertToFormat(QImage::Format_RGBX64), "tiff")},
      {"TIFF, strips first", stripTiff(picture)},
      // Transparent pixels lie on white: fully transparent ones whatever colour they hide.
      {"PNG, translucent", qtFile(translucent, "png"), onWhite, 2},
      {"PNG, 16 bits, translucent", qtFile(translucent.convertToFormat(QImage::Format_RGBA64), "png"),
       onWhite, 2},
      {"PNG, palette, translucent", qtFile(translucentPalette, "png"), onWhite, 2},
      {"WebP, translucent", qtFile(translucent, "webp"), onWhite, 2},
      {"TIFF, translucent", qtFile(translucent, "tiff"), onWhite, 2},
  };
  for (const NamedHeifCodec &codec : kHeifCodecs) {
    cases.push_back({codec.name, heifFile(picture, codec.codec), kStored, kHeifTolerance});
    cases.push_back(
        {QString(codec.name) + ", translucent", heifFile(translucent, codec.codec, {}, 1, true), onWhite, 4});
  }
  // A budget without the caller's copies: the picture still holds its own pixels.
  MemoryBudget budget(qint64(1) << 30);
  DecodeRequest request;
  request.memoryBudget = &budget;
  // A machine with less than one picture's memory: every decoder refuses.
  MemoryBudget tooLittle(1, 1);
  DecodeRequest starved;
  starved.memoryBudget = &tooLittle;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    if (unmade(c.file, qPrintable(c.name)))
      continue;
    EXPECT_EQ(decode(c.file, starved).error, QStringLiteral("needs 1 MB, 0 MB available"));
    const DecodeResult result = decode(c.file, request);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_GE(result.picture->memory.bytes(), kSize.width() * kSize.height() * 4);
    EXPECT_EQ(result.picture->image.size(), kSize);
    EXPECT_EQ(result.picture->fullSize, kSize);
    EXPECT_TRUE(showsQuadrants(result.picture->image, c.expected, c.tolerance));
    EXPECT_TRUE(result.picture->iccProfile.isEmpty());
  }
  // 16 bits a sample round to the nearest 8-bit value.
  QImage grey(8, 8, QImage::Format_Grayscale16);
  grey.fill(QColor::fromRgba64(0x8080, 0x8080, 0x8080));
  const DecodeResult result = decode(qtFile(grey, "png"));
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  EXPECT_EQ(result.picture->image.pixel(3, 3), qRgb(128, 128, 128));
}

// EXIF (JPEG, PNG, WebP), TIFF's own tag and HEIF's irot/imir boxes each turn
// the picture upright when asked, and the probe gives the same upright size.
TEST_F(PictureDecoderTest, OrientationTurnsThePictureUpright) {
  // Small enough that libheif 1.15 writes the quarter-turned HEVC pictures as a one-tile grid
  // whose "ispe" box gives the turned size.
  const QSize stored(64, 32);
  const QImage picture = rgbQuadrants(stored);
  const QByteArray lossless = qtFile(picture, "webp");
  struct Case {
    QString name;
    QByteArray file;
    int orientation;
    int tolerance = 0;
    // libheif 1.15 writes a quarter-turned picture's stored size turned (its "ispe" box), which
    // only the decoded picture can tell.
    bool probesStoredSize = true;
  };
  std::vector<Case> cases = {
      {"PNG, EXIF 6", turnedPng(picture, 6), 6},
      {"PNG, EXIF 3", turnedPng(picture, 3), 3},
      {"PNG, EXIF 1", turnedPng(picture, 1), 1},
      {"PNG, EXIF with its JPEG prefix", withPngChunk(qtFile(picture, "png"), "eXIf", exifBlock(6, true)), 6},
      {"WebP, EXIF 6", extendedWebp(lossless, stored, {}, exifBlock(6, false).mid(6)), 6},
      {"WebP, EXIF 3", extendedWebp(lossless, stored, {}, exifBlock(3, true)), 3},
      {"TIFF, a quarter turn", quarterTurnedTiff(picture), 6},
      {"TIFF, strips first, orientation 6", stripTiff(picture, 6), 6},
      {"TIFF, strips first, orientation 3", stripTiff(picture, 3), 3},
  };
  for (int orientation = 1; orientation <= 8; ++orientation)
    cases.push_back(
        {QStringLiteral("JPEG, EXIF %1").arg(orientation),
         testSource(QStringLiteral("quadrants-64x32-exif-%1.jpg").arg(orientation)), // both byte orders
         orientation, 8});
  for (const NamedHeifCodec &codec : kHeifCodecs)
    for (const int orientation : {1, 2, 3, 6})
      cases.push_back({QStringLiteral("%1, orientation %2").arg(codec.name).arg(orientation),
                       heifFile(picture, codec.codec, {}, orientation), orientation, kHeifTolerance,
                       orientation < 5});
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    if (unmade(c.file, qPrintable(c.name)))
      continue;
    const QSize upright = c.orientation >= 5 ? stored.transposed() : stored;
    const DecodeResult turned = decode(c.file), asStored = decode(c.file, {nullptr, false});
    ASSERT_TRUE(turned.ok()) << turned.error.toStdString();
    ASSERT_TRUE(asStored.ok()) << asStored.error.toStdString();
    EXPECT_EQ(turned.picture->fullSize, upright);
    EXPECT_EQ(turned.picture->image.size(), upright);
    EXPECT_TRUE(showsQuadrants(turned.picture->image, kUpright[c.orientation], c.tolerance));
    EXPECT_EQ(asStored.picture->fullSize, stored) << "left as stored";
    EXPECT_TRUE(showsQuadrants(asStored.picture->image, kStored, c.tolerance)) << "left as stored";
    const QString path = folder.write("turned", c.file);
    const DecodeResult probed = decoder.probeFile(path), probedStored = decoder.probeFile(path, false);
    ASSERT_TRUE(probed.ok() && probedStored.ok()) << probed.error.toStdString();
    EXPECT_EQ(probed.picture->fullSize, upright) << "probed";
    if (c.probesStoredSize) {
      EXPECT_EQ(probedStored.picture->fullSize, stored) << "probed as stored";
    }
  }
}

// The canvas is the logical screen (or the frame's extent when the screen is
// empty); around the frame lies the background colour, or white when the
// frame has a transparent colour.
TEST_F(PictureDecoderTest, GifFirstFrameLiesOnItsCanvas) {
  // A frame of red, green / blue, white, 20 x 10; index 2 is blue.
  const struct {
    const char *name;
    QSize size;
    std::vector<std::pair<QPoint, QRgb>> pixels;
  } cases[] = {
      {"at-an-offset", {40, 30}, {{{0, 0}, kBlue}, {{12, 12}, kRed}, {{25, 17}, kWhite}, {{39, 29}, kBlue}}},
      {"transparent-green",
       {40, 30},
       {{{0, 0}, kWhite}, {{12, 12}, kRed}, {{25, 12}, kWhite}, {{12, 17}, kBlue}}},
      {"empty-screen", {25, 13}, {{{0, 0}, kRed}, {{6, 4}, kRed}, {{24, 12}, kWhite}}},
      {"clipped", {15, 8}, {{{0, 0}, kRed}, {{14, 7}, kWhite}}},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(testSource(QStringLiteral("quadrants-20x10-%1.gif").arg(c.name)));
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    EXPECT_EQ(result.picture->fullSize, c.size) << c.name;
    for (const auto &[at, colour] : c.pixels)
      EXPECT_EQ(result.picture->image.pixel(at), colour) << c.name << " at " << at.x() << ", " << at.y();
  }
  // Every row its own colour.
  const DecodeResult interlaced = decode(testSource("stripes-16x27-interlaced.gif")),
                     plain = decode(testSource("stripes-16x27.gif"));
  ASSERT_TRUE(interlaced.ok() && plain.ok());
  EXPECT_EQ(interlaced.picture->image, plain.picture->image);
  EXPECT_EQ(plain.picture->image.pixel(0, 26), kBlue);
  // As high as a GIF goes: its end is checked all the same.
  const DecodeResult whole = decode(testSource("tall-1x65535.gif"));
  ASSERT_TRUE(whole.ok()) << whole.error.toStdString();
  EXPECT_EQ(whole.picture->image.pixel(0, 65534), kGreen);
}

// Real encoders' GIFs decode whole (the LZW codes past the table that giflib
// passes without a word are in the damage table).
TEST_F(PictureDecoderTest, PillowsGifsDecode) {
  const struct {
    const char *file;
    QSize size;
  } cases[] = {
      {"gif-pillow-shapes.gif", {300, 200}},
      {"gif-pillow-interlaced.gif", {61, 37}},
      {"gif-pillow-two-colours.gif", {40, 30}},
      {"gif-pillow-transparent.gif", {50, 40}},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(testData(c.file));
    ASSERT_TRUE(result.ok()) << c.file << ": " << result.error.toStdString();
    EXPECT_EQ(result.picture->image.size(), c.size) << c.file;
  }
  // The shapes on their light background, where Pillow put them.
  EXPECT_EQ(decode(testData("gif-pillow-shapes.gif")).picture->image.pixel(299, 199), qRgb(240, 240, 230));
}

TEST_F(PictureDecoderTest, JpegShrinksOnLoadToTheSmallestScaleCoveringTheNeededSize) {
  const QByteArray landscape = testSource("quadrants-1600x1200.jpg");
  const QByteArray upright = testSource("quadrants-1600x1200-exif-6.jpg"); // upright 1200 x 1600
  const DecodeRequest eighthOfFull{[](QSize full) { return full / 8; }};
  const struct {
    const char *name;
    const QByteArray &file;
    DecodeRequest request;
    QSize decoded, full;
  } cases[] = {
      {"1/8 exactly", landscape, needing({200, 150}), {200, 150}, {1600, 1200}},
      {"one pixel more takes 2/8", landscape, needing({201, 150}), {400, 300}, {1600, 1200}},
      {"height decides", landscape, needing({100, 151}), {400, 300}, {1600, 1200}},
      {"7/8", landscape, needing({1300, 100}), {1400, 1050}, {1600, 1200}},
      {"enlarging decodes at full size", landscape, needing({3200, 2400}), {1600, 1200}, {1600, 1200}},
      {"no needed size", landscape, {}, {1600, 1200}, {1600, 1200}},
      {"empty needed size", landscape, needing({0, 0}), {1600, 1200}, {1600, 1200}},
      // The needed size is upright: the stored sides swap when comparing.
      {"upright 1/8", upright, needing({150, 200}), {150, 200}, {1200, 1600}},
      {"upright needs 2/8", upright, needing({200, 150}), {300, 400}, {1200, 1600}},
      {"asked with the upright size", upright, eighthOfFull, {150, 200}, {1200, 1600}},
      {"orientation off", upright, needing({200, 150}, false), {200, 150}, {1600, 1200}},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(c.file, c.request);
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    EXPECT_EQ(result.picture->image.size(), c.decoded) << c.name;
    EXPECT_EQ(result.picture->fullSize, c.full) << c.name;
  }
}
