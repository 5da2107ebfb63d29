#include "imaging/PictureDecoder.h"

#include "DecoderTestFiles.h"
#include "TempFolder.h"
#include "imaging/DecoderFileReader.h"
#include "imaging/ExifOrientation.h"

#include <QFile>
#include <array>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace veltrane;
using namespace veltrane::test;

namespace {

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255),
           kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0);
using Quadrants = std::array<QRgb, 4>; // top left, top right, bottom left, bottom right
const Quadrants kStored = {kRed, kGreen, kBlue, kWhite};

std::string describe(QRgb colour) {
  return QStringLiteral("(%1, %2, %3)")
      .arg(qRed(colour))
      .arg(qGreen(colour))
      .arg(qBlue(colour))
      .toStdString();
}

// The colour at the middle of each quadrant, where JPEG's blur at the edges does not reach.
Quadrants quadrantsOf(const QImage &image) {
  const int w = image.width(), h = image.height();
  return {image.pixel(w / 4, h / 4), image.pixel(3 * w / 4, h / 4), image.pixel(w / 4, 3 * h / 4),
          image.pixel(3 * w / 4, 3 * h / 4)};
}

::testing::AssertionResult near(QRgb actual, QRgb expected, int tolerance) {
  const int worst =
      std::max({std::abs(qRed(actual) - qRed(expected)), std::abs(qGreen(actual) - qGreen(expected)),
                std::abs(qBlue(actual) - qBlue(expected))});
  if (worst <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << describe(actual) << " is not " << describe(expected);
}

void expectQuadrants(const QImage &image, const Quadrants &expected, int tolerance, const std::string &what) {
  const Quadrants actual = quadrantsOf(image);
  for (size_t i = 0; i < 4; ++i)
    EXPECT_TRUE(near(actual[i], expected[i], tolerance)) << what << ", quadrant " << i;
}

// Format_RGB32 promises 0xFF in the unused byte: other code may rely on it.
bool rgb32AndOpaque(const QImage &image) {
  if (image.format() != QImage::Format_RGB32)
    return false;
  for (int y = 0; y < image.height(); ++y) {
    const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(row[x]) != 255)
        return false;
  }
  return true;
}

DecodeRequest needing(QSize size, bool applyOrientation = true) {
  DecodeRequest request;
  request.neededSize = [size](QSize) { return size; };
  request.applyOrientation = applyOrientation;
  return request;
}

QByteArray quadrantJpeg(QSize size, JpegOptions options = {}) {
  return jpegFile(quadrantPicture(size), options);
}

QByteArray withFrameHeaderLength(QByteArray jpeg, int length) {
  const qsizetype at = jpeg.indexOf("\xFF\xC0");
  jpeg[at + 2] = char(length >> 8);
  jpeg[at + 3] = char(length & 0xFF);
  return jpeg;
}

const JpegOptions kProgressive{.progressive = true};
const JpegOptions kRestarts{.restartRows = 1};

class PictureDecoderTest : public ::testing::Test {
protected:
  DecodeResult decode(const QByteArray &bytes, const DecodeRequest &request = {}) {
    return decoder.decodeBytes(bytes, request);
  }

  PictureDecoder decoder;
  TempFolder folder;
};

} // namespace

TEST_F(PictureDecoderTest, JpegKindsDecodeToTheirColours) {
  using Colours = JpegOptions::Colours;
  // Luma of red, green, blue and white.
  const Quadrants grey = {qRgb(76, 76, 76), qRgb(150, 150, 150), qRgb(29, 29, 29), kWhite};
  const struct {
    const char *name;
    JpegOptions options;
    Quadrants expected;
  } cases[] = {
      {"baseline", {}, kStored},
      {"progressive", kProgressive, kStored},
      {"restart markers", kRestarts, kStored},
      {"arithmetic coding", {.arithmetic = true}, kStored},
      {"grey", {.colours = Colours::Grey}, grey},
      {"grey progressive", {.progressive = true, .colours = Colours::Grey}, grey},
      {"Adobe CMYK", {.colours = Colours::Cmyk}, kStored},
      {"Adobe YCCK", {.colours = Colours::Ycck}, kStored},
      {"CMYK without Adobe marker", {.colours = Colours::Cmyk, .adobeInvertedCmyk = false}, kStored},
      {"Adobe CMYK progressive", {.progressive = true, .colours = Colours::Cmyk}, kStored},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(quadrantJpeg({96, 64}, c.options));
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    EXPECT_EQ(result.picture->image.size(), QSize(96, 64)) << c.name;
    EXPECT_EQ(result.picture->fullSize, QSize(96, 64)) << c.name;
    EXPECT_TRUE(rgb32AndOpaque(result.picture->image)) << c.name;
    expectQuadrants(result.picture->image, c.expected, 6, c.name);
  }
}

TEST_F(PictureDecoderTest, JpegShrinksOnLoadToTheSmallestScaleCoveringTheNeededSize) {
  const QByteArray landscape = quadrantJpeg({1600, 1200});
  const QByteArray upright = quadrantJpeg({1600, 1200}, {.exifOrientation = 6}); // upright 1200 x 1600
  const struct {
    const char *name;
    const QByteArray &file;
    DecodeRequest request;
    QSize decoded, full;
  } cases[] = {
      {"1/8 exactly", landscape, needing({200, 150}), {200, 150}, {1600, 1200}},
      {"one pixel more takes 2/8", landscape, needing({201, 150}), {400, 300}, {1600, 1200}},
      {"height decides", landscape, needing({100, 151}), {400, 300}, {1600, 1200}},
      {"half", landscape, needing({800, 600}), {800, 600}, {1600, 1200}},
      {"7/8", landscape, needing({1300, 100}), {1400, 1050}, {1600, 1200}},
      {"full size", landscape, needing({1600, 1200}), {1600, 1200}, {1600, 1200}},
      {"enlarging decodes at full size", landscape, needing({3200, 2400}), {1600, 1200}, {1600, 1200}},
      {"no needed size", landscape, {}, {1600, 1200}, {1600, 1200}},
      {"empty needed size", landscape, needing({0, 0}), {1600, 1200}, {1600, 1200}},
      // The needed size is upright: the stored sides swap when comparing.
      {"upright 1/8", upright, needing({150, 200}), {150, 200}, {1200, 1600}},
      {"upright needs 2/8", upright, needing({200, 150}), {300, 400}, {1200, 1600}},
      {"orientation off", upright, needing({200, 150}, false), {200, 150}, {1600, 1200}},
      {"progressive 1/4",
       quadrantJpeg({1600, 1200}, kProgressive),
       needing({400, 300}),
       {400, 300},
       {1600, 1200}},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(c.file, c.request);
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    EXPECT_EQ(result.picture->image.size(), c.decoded) << c.name;
    EXPECT_EQ(result.picture->fullSize, c.full) << c.name;
    EXPECT_EQ(result.picture->image.format(), QImage::Format_RGB32) << c.name;
  }
}

TEST_F(PictureDecoderTest, NeededSizeIsAskedWithTheUprightFullSize) {
  QSize asked;
  DecodeRequest request;
  request.neededSize = [&asked](QSize full) {
    asked = full;
    return full / 4;
  };
  const DecodeResult result = decode(quadrantJpeg({800, 400}, {.exifOrientation = 8}), request);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(asked, QSize(400, 800));
  EXPECT_EQ(result.picture->image.size(), QSize(100, 200));
}

TEST_F(PictureDecoderTest, ExifOrientationTurnsThePictureUpright) {
  const struct {
    int orientation;
    Quadrants upright;
  } cases[] = {
      {1, {kRed, kGreen, kBlue, kWhite}}, {2, {kGreen, kRed, kWhite, kBlue}},
      {3, {kWhite, kBlue, kGreen, kRed}}, {4, {kBlue, kWhite, kRed, kGreen}},
      {5, {kRed, kBlue, kGreen, kWhite}}, {6, {kBlue, kRed, kWhite, kGreen}},
      {7, {kWhite, kGreen, kBlue, kRed}}, {8, {kGreen, kWhite, kRed, kBlue}},
  };
  for (const auto &c : cases) {
    const QByteArray file = // both byte orders
        quadrantJpeg({64, 32}, {.exifOrientation = c.orientation, .exifBigEndian = c.orientation % 2 == 0});
    const std::string name = "orientation " + std::to_string(c.orientation);
    const QSize upright = c.orientation >= 5 ? QSize(32, 64) : QSize(64, 32);

    const DecodeResult turned = decode(file);
    ASSERT_TRUE(turned.ok()) << name;
    EXPECT_EQ(turned.picture->image.size(), upright) << name;
    EXPECT_EQ(turned.picture->fullSize, upright) << name;
    EXPECT_TRUE(rgb32AndOpaque(turned.picture->image)) << name;
    expectQuadrants(turned.picture->image, c.upright, 8, name);

    DecodeRequest asStored;
    asStored.applyOrientation = false;
    const DecodeResult stored = decode(file, asStored);
    ASSERT_TRUE(stored.ok()) << name;
    EXPECT_EQ(stored.picture->fullSize, QSize(64, 32)) << name;
    expectQuadrants(stored.picture->image, kStored, 8, name + " left as stored");
  }
}

TEST(ExifOrientation, ReadsOnlyWhatIsThere) {
  const QByteArray little = exifBlock(6, false), big = exifBlock(8, true);
  const auto orientationOf = [](const QByteArray &payload) {
    return exifOrientation(reinterpret_cast<const unsigned char *>(payload.constData()),
                           size_t(payload.size()));
  };
  EXPECT_EQ(orientationOf(little), 6);
  EXPECT_EQ(orientationOf(big), 8);
  QByteArray badOrder = little;
  badOrder[6] = 'X';
  QByteArray farIfd = little;
  farIfd[10] = char(0xF0); // IFD0 offset beyond the block
  QByteArray notShort = little;
  notShort[6 + 8 + 2 + 12 + 2] = 4; // LONG instead of SHORT
  QByteArray outOfRange = exifBlock(9, false);
  const QByteArray cases[] = {
      QByteArray(), QByteArray("Exif"), QByteArray("Exif\0\0II", 8),    badOrder, farIfd,
      notShort,     outOfRange,         QByteArray("JFIF\0\0II*\0", 10)};
  for (const QByteArray &payload : cases)
    EXPECT_EQ(orientationOf(payload), 1) << payload.toHex().toStdString();
  // Every cut of a valid block reads without overrunning it (the sanitizer build watches).
  for (qsizetype length = 0; length < little.size(); ++length) {
    const QByteArray cut = little.left(length);
    const int orientation = orientationOf(cut);
    EXPECT_TRUE(orientation == 1 || orientation == 6);
  }
}

TEST_F(PictureDecoderTest, BadInputFailsWithAReasonAndNoPicture) {
  const QByteArray baseline = quadrantJpeg({320, 240});
  const QByteArray progressiveFile = quadrantJpeg({320, 240}, kProgressive);
  const QByteArray restarts = quadrantJpeg({320, 240}, kRestarts);
  const qsizetype scan = scanDataStart(baseline);
  const struct {
    const char *name;
    QByteArray file;
    DecodeRequest request;
    QString reason;
  } cases[] = {
      {"empty", {}, {}, "empty file"},
      {"text", "just some text, not a picture\n", {}, "not a picture"},
      {"only the start marker", "\xFF\xD8\xFF", {}, "truncated JPEG data"},
      {"cut in the header", baseline.left(scan - 20), {}, "truncated JPEG data"},
      {"cut in the scan", baseline.left((scan + baseline.size()) / 2), {}, "truncated JPEG data"},
      {"progressive cut", progressiveFile.left(progressiveFile.size() * 2 / 3), {}, "truncated JPEG data"},
      {"cut, reduced decode", baseline.left((scan + baseline.size()) / 2), needing({40, 30}),
       "truncated JPEG data"},
      {"marker inside the scan", withScanBytes(baseline, 0.4, "\xFF\xD9"), {}, "damaged JPEG data"},
      {"garbage in the scan",
       withScanBytes(baseline, 0.4, QByteArray(64, char(0xFE))),
       {},
       "damaged JPEG data"},
      {"progressive, marker inside a scan",
       withScanBytes(progressiveFile, 0.3, "\xFF\xD9"),
       {},
       "damaged JPEG data"},
      {"bogus frame header length",
       withFrameHeaderLength(baseline, 5),
       {},
       "damaged JPEG data (Bogus marker length)"},
      {"huge header", withFrameSize(baseline, 65500, 65500), {}, "picture too large (65500 x 65500 pixels)"},
      {"huge progressive header, reduced", withFrameSize(progressiveFile, 65500, 65500), needing({100, 100}),
       "picture too large (65500 x 65500 pixels)"},
      // 1/8 of it is within the pixel limit: the data, made for 320 x 240, ends early.
      {"huge header, reduced", withFrameSize(baseline, 65500, 65500), needing({100, 100}),
       "damaged JPEG data"},
      {"restarts, cut in the scan", restarts.left(restarts.size() / 2), {}, "truncated JPEG data"},
      {"restarts, marker inside the scan", withScanBytes(restarts, 0.5, "\xFF\xD9"), {}, "damaged JPEG data"},
      {"arithmetic coding, cut",
       quadrantJpeg({320, 240}, {.arithmetic = true}).chopped(300),
       {},
       "truncated JPEG data"},
      {"progressive cut between scans",
       progressiveFile.left(progressiveFile.lastIndexOf("\xFF\xDA")),
       {},
       "truncated JPEG data"},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(c.file, c.request);
    EXPECT_FALSE(result.ok()) << c.name;
    EXPECT_EQ(result.error, c.reason) << c.name;
    // The decompressor is reused after every failure.
    const DecodeResult next = decode(baseline);
    ASSERT_TRUE(next.ok()) << "after " << c.name;
    expectQuadrants(next.picture->image, kStored, 6, std::string("after ") + c.name);
  }
}

TEST_F(PictureDecoderTest, TroubleAfterTheLastRowIsHarmless) {
  const QByteArray baseline = quadrantJpeg({320, 240});
  const QByteArray progressiveFile = quadrantJpeg({320, 240}, kProgressive);
  const QByteArray restarts = quadrantJpeg({320, 240}, kRestarts);
  const struct {
    const char *name;
    QByteArray file;
  } cases[] = {
      {"junk before the end marker", withBytesBeforeEnd(baseline, "some trailing junk")},
      {"progressive, junk before the end marker", withBytesBeforeEnd(progressiveFile, "junk")},
      {"no end marker", baseline.left(endMarkerAt(baseline))},
      {"restarts, no end marker", restarts.left(endMarkerAt(restarts))},
      {"progressive, no end marker", progressiveFile.left(endMarkerAt(progressiveFile))},
      {"bytes after the end marker", baseline + QByteArray(1000, 'x')},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(c.file);
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    expectQuadrants(result.picture->image, kStored, 6, c.name);
  }
}

TEST_F(PictureDecoderTest, PixelLimitCountsTheReducedSize) {
  const QByteArray file = quadrantJpeg({1600, 1200});
  DecodeRequest full;
  full.maxPixels = 1'000'000;
  EXPECT_EQ(decode(file, full).error, "picture too large (1600 x 1200 pixels)");
  DecodeRequest reduced = needing({800, 600});
  reduced.maxPixels = 1'000'000;
  EXPECT_TRUE(decode(file, reduced).ok());
}

TEST_F(PictureDecoderTest, BmpDepthsAndCompressionsDecodeToTheirColours) {
  const QImage indexed = indexedQuadrants({40, 20});
  const QImage rgb = indexed.convertToFormat(QImage::Format_RGB32);
  const auto spec = [&](int bits, quint32 compression, QByteArray pixels) {
    BmpSpec s;
    s.width = 40;
    s.height = 20;
    s.bitCount = bits;
    s.compression = compression;
    s.pixels = std::move(pixels);
    if (bits <= 8)
      s.palette = indexed.colorTable();
    if (compression == 3)
      s.masks = {0xF800, 0x07E0, 0x001F};
    return s;
  };
  BmpSpec topDown = spec(24, 0, {});
  topDown.height = -20;
  const QImage flipped = indexed.mirrored(false, true);
  topDown.pixels = bmpRows(flipped, 24);
  // One bit holds two colours: red and green.
  BmpSpec oneBit = spec(1, 0, {});
  QImage twoColours = indexed;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x)
      twoColours.scanLine(y)[x] &= 1;
  oneBit.palette = {kRed, kGreen};
  oneBit.pixels = bmpRows(twoColours, 1);

  const struct {
    const char *name;
    QByteArray file;
    Quadrants expected;
  } cases[] = {
      {"1 bit", bmpFile(oneBit), {kRed, kGreen, kRed, kGreen}},
      {"4 bits", bmpFile(spec(4, 0, bmpRows(indexed, 4))), kStored},
      {"8 bits", bmpFile(spec(8, 0, bmpRows(indexed, 8))), kStored},
      {"16 bits, bitfields", bmpFile(spec(16, 3, bmpRows(rgb, 16))), kStored},
      {"24 bits", bmpFile(spec(24, 0, bmpRows(rgb, 24))), kStored},
      {"24 bits, top-down", bmpFile(topDown), kStored},
      {"32 bits", bmpFile(spec(32, 0, bmpRows(rgb, 32))), kStored},
      {"RLE8", bmpFile(spec(8, 1, bmpRle8(indexed))), kStored},
      {"RLE4", bmpFile(spec(4, 2, bmpRle4(indexed))), kStored},
      {"written by Qt", qtBmpFile(rgb), kStored},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(c.file);
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    EXPECT_EQ(result.picture->fullSize, QSize(40, 20)) << c.name;
    EXPECT_TRUE(rgb32AndOpaque(result.picture->image)) << c.name;
    expectQuadrants(result.picture->image, c.expected, 8, c.name); // 16 bits keep 5 or 6 of each 8
  }
}

TEST_F(PictureDecoderTest, BmpIndexesBeyondThePaletteAreBlack) {
  QImage indexes(8, 2, QImage::Format_Indexed8);
  indexes.fill(0);
  indexes.scanLine(0)[3] = 200; // beyond a palette of 2
  indexes.scanLine(0)[4] = 1;
  QImage ones(8, 2, QImage::Format_Indexed8);
  ones.fill(1);
  ones.scanLine(0)[0] = 0;
  const struct {
    const char *name;
    BmpSpec spec;
    QPoint beyond, inside;
    QRgb insideColour;
  } cases[] = {
      {"8 bits", {8, 2, 8, 0, {kBlue, kGreen}, {}, bmpRows(indexes, 8)}, {3, 0}, {4, 0}, kGreen},
      {"RLE8", {8, 2, 8, 1, {kBlue, kGreen}, {}, bmpRle8(indexes)}, {3, 0}, {4, 0}, kGreen},
      // Index 1 has no colour: Qt alone makes it white.
      {"1 bit", {8, 2, 1, 0, {kBlue}, {}, bmpRows(ones, 1)}, {1, 0}, {0, 0}, kBlue},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(bmpFile(c.spec));
    ASSERT_TRUE(result.ok()) << c.name;
    const QImage &image = result.picture->image;
    EXPECT_TRUE(rgb32AndOpaque(image)) << c.name;
    EXPECT_EQ(image.pixel(c.beyond), kBlack) << c.name;
    EXPECT_EQ(image.pixel(c.inside), c.insideColour) << c.name;
  }
}

TEST_F(PictureDecoderTest, RleSkipsKeepColourZero) {
  // Bottom row: 2 red, delta (2, 1) to the middle row, 1 blue, end of bitmap.
  const QByteArray runs("\x02\x01\x00\x02\x02\x01\x01\x02\x00\x01", 10);
  const DecodeResult result = decode(bmpFile({.width = 6,
                                              .height = 3,
                                              .bitCount = 8,
                                              .compression = 1,
                                              .palette = {kWhite, kRed, kBlue},
                                              .pixels = runs}));
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  const QImage &image = result.picture->image;
  EXPECT_EQ(image.pixel(0, 2), kRed);
  EXPECT_EQ(image.pixel(1, 2), kRed);
  EXPECT_EQ(image.pixel(2, 2), kWhite);
  EXPECT_EQ(image.pixel(4, 1), kBlue);
  EXPECT_EQ(image.pixel(3, 1), kWhite);
  EXPECT_EQ(image.pixel(5, 0), kWhite);
}

TEST_F(PictureDecoderTest, DamagedBmpAndGifFail) {
  const QImage indexed = indexedQuadrants({40, 20});
  const QByteArray bmp24 = bmpFile(
      {.width = 40, .height = 20, .pixels = bmpRows(indexed.convertToFormat(QImage::Format_RGB32), 24)});
  const QByteArray rle8 = bmpFile({.width = 40,
                                   .height = 20,
                                   .bitCount = 8,
                                   .compression = 1,
                                   .palette = indexed.colorTable(),
                                   .pixels = bmpRle8(indexed)});
  const QByteArray gif = gifFile({indexed, -1, {}});
  const struct {
    const char *name;
    QByteArray file;
    QString reason;
  } cases[] = {
      {"BMP cut in the rows", bmp24.left(bmp24.size() - 100), "truncated BMP data"},
      {"BMP one byte short", bmp24.left(bmp24.size() - 1), "truncated BMP data"},
      {"BMP headers only", bmp24.left(54), "truncated BMP data"},
      {"BMP cut in the file header", bmp24.left(10), "truncated BMP data"},
      {"RLE8 cut", rle8.left(rle8.size() - 30), "truncated BMP data"},
      {"huge BMP", bmpFile({.width = 65500, .height = 65500, .pixels = QByteArray(16, '\0')}),
       "picture too large (65500 x 65500 pixels)"},
      {"BMP holding a JPEG", bmpFile({.width = 40, .height = 20, .compression = 4}),
       "unsupported BMP (embedded JPEG or PNG)"},
      {"GIF cut in the frame", gif.left(gif.size() - 8), "truncated GIF data"},
      {"GIF cut in the header", gif.left(12), "truncated GIF data"},
      {"GIF without a frame", QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00\x3B", 14), "damaged GIF data"},
      {"huge GIF", gifHeaderOnly({65000, 65000}), "picture too large (65000 x 65000 pixels)"},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(c.file);
    EXPECT_FALSE(result.ok()) << c.name;
    EXPECT_EQ(result.error, c.reason) << c.name;
  }
}

TEST_F(PictureDecoderTest, GifFirstFrameDecodesAndTransparencyTurnsWhite) {
  const QImage indexed = indexedQuadrants({40, 20});
  const DecodeResult plain = decode(gifFile({indexed, -1, {}}));
  ASSERT_TRUE(plain.ok()) << plain.error.toStdString();
  EXPECT_TRUE(rgb32AndOpaque(plain.picture->image));
  expectQuadrants(plain.picture->image, kStored, 0, "GIF");

  QImage blueTransparent = indexed;
  blueTransparent.setColor(2, qRgb(0, 0, 0));
  const DecodeResult transparent = decode(gifFile({blueTransparent, 2, {}}));
  ASSERT_TRUE(transparent.ok());
  EXPECT_TRUE(rgb32AndOpaque(transparent.picture->image));
  expectQuadrants(transparent.picture->image, {kRed, kGreen, kWhite, kWhite}, 0, "transparent GIF");
}

// Qt's default allocation limit (128 MB) refuses these; the pixel limit allows them.
TEST_F(PictureDecoderTest, FiftyMegapixelGifAndBmpDecode) {
  QImage stripes(8000, 6250, QImage::Format_Indexed8);
  stripes.setColorTable({kRed, kBlue});
  stripes.fill(0);
  for (int y = 3125; y < 6250; ++y)
    std::memset(stripes.scanLine(y), 1, 8000);
  const QByteArray files[] = {gifFile({stripes, -1, {}}), bmpFile({.width = 8000,
                                                                   .height = 6250,
                                                                   .bitCount = 1,
                                                                   .palette = stripes.colorTable(),
                                                                   .pixels = bmpRows(stripes, 1)})};
  for (const QByteArray &file : files) {
    const DecodeResult result = decode(file);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const QImage &image = result.picture->image;
    EXPECT_EQ(image.size(), QSize(8000, 6250));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(7999, 0), kRed);
    EXPECT_EQ(image.pixel(0, 6249), kBlue);
  }
}

TEST_F(PictureDecoderTest, FilesAreRecognisedByContentNotName) {
  const QImage indexed = indexedQuadrants({40, 20});
  const struct {
    const char *name;
    QByteArray bytes;
  } cases[] = {
      {"photo.gif", quadrantJpeg({40, 20})},
      {"drawing.jpg", gifFile({indexed, -1, {}})},
      {"scan.JPEG", qtBmpFile(indexed.convertToFormat(QImage::Format_RGB32))},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decoder.decodeFile(folder.write(c.name, c.bytes));
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    expectQuadrants(result.picture->image, kStored, 6, c.name);
  }
  EXPECT_EQ(decoder.decodeFile(folder.write("notes.jpg", "a text file\n")).error, "not a picture");
  EXPECT_EQ(decoder.decodeFile(folder.write("empty.jpg")).error, "empty file");
}

TEST_F(PictureDecoderTest, OnlyRegularFilesAreRead) {
  const QString fifo = folder.file("pipe.jpg");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  // Nobody writes to the FIFO: reading it would hang for ever.
  EXPECT_EQ(decoder.decodeFile(fifo).error, "not a regular file");
  EXPECT_EQ(decoder.probeFile(fifo).error, "not a regular file");
  EXPECT_EQ(decoder.decodeFile(folder.path()).error, "not a regular file");
  EXPECT_EQ(decoder.decodeFile("/dev/zero").error, "not a regular file");
  EXPECT_EQ(decoder.decodeFile(folder.file("missing.jpg")).error, "file not found");
  EXPECT_EQ(decoder.decodeFile(folder.file("missing/folder/a.jpg")).error, "file not found");
}

TEST_F(PictureDecoderTest, UnreadableFileSaysPermissionDenied) {
  if (::geteuid() == 0)
    GTEST_SKIP() << "root reads every file; the errno mapping is tested on its own";
  const QString path = folder.write("locked.jpg", quadrantJpeg({40, 20}));
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0), 0);
  EXPECT_EQ(decoder.decodeFile(path).error, "permission denied");
}

TEST(DecoderFileReader, ErrorsInAUsersWords) {
  EXPECT_EQ(fileErrorText(ENOENT), "file not found");
  EXPECT_EQ(fileErrorText(ENOTDIR), "file not found");
  EXPECT_EQ(fileErrorText(EACCES), "permission denied");
  EXPECT_EQ(fileErrorText(EPERM), "permission denied");
  EXPECT_EQ(fileErrorText(EISDIR), "not a regular file");
  EXPECT_TRUE(fileErrorText(EIO).startsWith("cannot read the file ("));
}

TEST_F(PictureDecoderTest, CaricaCollapsesDoubledSlashes) {
  const QString path = folder.write("sub/picture.jpg", quadrantJpeg({40, 20}));
  const QString doubled = QString(path).replace("/sub/", "//sub//");
  const DecodeResult result = carica(decoder, doubled);
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  EXPECT_EQ(result.picture->fullSize, QSize(40, 20));
}

TEST_F(PictureDecoderTest, ProbeReadsTheSizeFromTheHeader) {
  const JpegOptions turned{.exifOrientation = 6};
  const BmpSpec hugeBmp{.width = 65500, .height = 65500, .pixels = QByteArray(16, '\0')};
  const QImage indexed = indexedQuadrants({40, 20});
  const struct {
    const char *name;
    QByteArray bytes;
    bool applyOrientation;
    QSize size;
    QString error;
  } cases[] = {
      {"turned.jpg", quadrantJpeg({64, 32}, turned), true, {32, 64}, {}},
      {"stored.jpg", quadrantJpeg({64, 32}, turned), false, {64, 32}, {}},
      {"long.jpg",
       quadrantJpeg({64, 32}, {.paddingMarkers = 6}),
       true,
       {64, 32},
       {}}, // 360 kB before the frame
      {"drawing.gif", gifFile({indexed, -1, {}}), true, {40, 20}, {}},
      {"scan.bmp", qtBmpFile(indexed), true, {40, 20}, {}},
      // 1/8 of it might decode; a progressive one keeps every coefficient at full size.
      {"huge.jpg", withFrameSize(quadrantJpeg({64, 32}), 65500, 65500), true, {65500, 65500}, {}},
      {"huge-progressive.jpg",
       withFrameSize(quadrantJpeg({64, 32}, kProgressive), 65500, 65500),
       true,
       {},
       "picture too large (65500 x 65500 pixels)"},
      {"huge.bmp", bmpFile(hugeBmp), true, {}, "picture too large (65500 x 65500 pixels)"},
      {"cut.bmp", qtBmpFile(indexed).chopped(10), true, {}, "truncated BMP data"},
      {"text.jpg", "hello", true, {}, "not a picture"},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decoder.probeFile(folder.write(c.name, c.bytes), c.applyOrientation);
    EXPECT_EQ(result.error, c.error) << c.name;
    if (c.error.isEmpty()) {
      ASSERT_TRUE(result.ok()) << c.name;
      EXPECT_EQ(result.picture->fullSize, c.size) << c.name;
      EXPECT_TRUE(result.picture->image.isNull()) << c.name;
    }
  }
}
