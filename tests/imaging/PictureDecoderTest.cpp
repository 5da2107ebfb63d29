#include "imaging/PictureDecoder.h"
#include "DecoderFixture.h"

#include "DecoderTestFiles.h"
#include "QuadrantCheck.h"
#include "TempFolder.h"
#include "TestPictures.h"
#include "imaging/DecoderFileReader.h"
#include "imaging/MemoryBudget.h"

#include <QFile>
#include <array>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace veltrane;
using namespace veltrane::test;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const JpegOptions kProgressive{.progressive = true};

DecodeRequest needing(QSize size, bool applyOrientation = true, qint64 maxPixels = kMaxDecodedPixels) {
  return {[size](QSize) { return size; }, applyOrientation, maxPixels};
}

QByteArray quadrantJpeg(QSize size, const JpegOptions &options = {}) {
  return jpegFile(indexedQuadrants(size), options);
}

qsizetype scanStart(const QByteArray &jpeg) {
  const qsizetype marker = jpeg.indexOf("\xFF\xDA");
  return marker + 2 + (uchar(jpeg[marker + 2]) << 8 | uchar(jpeg[marker + 3]));
}

// `bytes` written over the scan data a fraction `at` of the way through.
QByteArray withScanBytes(QByteArray jpeg, double at, const QByteArray &bytes) {
  const qsizetype start = scanStart(jpeg);
  return jpeg.replace(start + qsizetype(double(jpeg.size() - 2 - start) * at), bytes.size(), bytes);
}

class PictureDecoderTest : public DecoderFixture {};

} // namespace

TEST_F(PictureDecoderTest, EveryKindDecodesToItsColours) {
  using Colours = JpegOptions::Colours;
  const QImage indexed = indexedQuadrants({96, 64});
  const QList<QRgb> palette = indexed.colorTable();
  const Quadrants luma = {qRgb(76, 76, 76), qRgb(150, 150, 150), qRgb(29, 29, 29), kWhite};
  QImage redGreen = indexed; // one bit holds two colours
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 96; ++x)
      redGreen.scanLine(y)[x] &= 1;
  QImage blueTransparent = indexed;
  blueTransparent.setColor(2, kBlack);
  // The bottom half, a move of (48, 15) to the top right quadrant's middle row, green there, and
  // the end: the rest keeps colour 0, red.
  const QByteArray rleSkips =
      bmpRle(indexed.copy(0, 32, 96, 32), false).chopped(2) + QByteArray("\0\0\0\2\x30\x0f\x30\x01\0\1", 10);
  const auto bmp = [](int bits, quint32 compression, const QList<QRgb> &palette, const QByteArray &pixels) {
    return bmpFile(96, 64, bits, compression, palette, pixels);
  };
  const struct {
    const char *name;
    QByteArray file;
    Quadrants expected;
  } cases[] = {
      {"baseline", jpegFile(indexed), kStored},
      {"progressive", jpegFile(indexed, kProgressive), kStored},
      {"restart markers", jpegFile(indexed, {.restartRows = 1}), kStored},
      {"grey", jpegFile(indexed, {.colours = Colours::Grey}), luma},
      {"Adobe CMYK", jpegFile(indexed, {.colours = Colours::Cmyk}), kStored},
      {"Adobe YCCK", jpegFile(indexed, {.colours = Colours::Ycck}), kStored},
      {"plain CMYK", jpegFile(indexed, {.colours = Colours::Cmyk, .adobeInvertedCmyk = false}), kStored},
      {"BMP 1 bit", bmp(1, 0, {kRed, kGreen}, bmpRows(redGreen, 1)), {kRed, kGreen, kRed, kGreen}},
      {"BMP 4 bits", bmp(4, 0, palette, bmpRows(indexed, 4)), kStored},
      {"BMP 8 bits", bmp(8, 0, palette, bmpRows(indexed, 8)), kStored},
      {"BMP 16 bits, bitfields", bmp(16, 3, {}, bmpRows(indexed, 16)), kStored},
      {"BMP 24 bits", bmp(24, 0, {}, bmpRows(indexed, 24)), kStored},
      {"BMP 24 bits, top-down", bmpFile(96, -64, 24, 0, {}, bmpRows(indexed.mirrored(false, true), 24)),
       kStored},
      {"BMP 32 bits", bmp(32, 0, {}, bmpRows(indexed, 32)), kStored},
      {"BMP RLE8", bmp(8, 1, palette, bmpRle(indexed, false)), kStored},
      {"BMP RLE4", bmp(4, 2, palette, bmpRle(indexed, true)), kStored},
      // What the file leaves open comes out the same every time: black for an index beyond
      // the palette (Qt alone makes it white at 1 bit), colour 0 where RLE skips or ends early.
      {"BMP 1 bit, beyond", bmp(1, 0, {kRed}, bmpRows(redGreen, 1)), {kRed, kBlack, kRed, kBlack}},
      {"BMP 8 bits, beyond", bmp(8, 0, {kRed, kGreen}, bmpRows(indexed, 8)), {kRed, kGreen, kBlack, kBlack}},
      {"BMP RLE8, beyond", bmp(8, 1, {kRed, kGreen}, bmpRle(indexed, false)), {kRed, kGreen, kBlack, kBlack}},
      {"BMP RLE8 skips", bmp(8, 1, palette, rleSkips), kStored},
      {"GIF", gifFile(indexed), kStored},
      {"GIF, transparent blue on white", gifFile(blueTransparent, 2), {kRed, kGreen, kWhite, kWhite}},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(c.file);
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    EXPECT_EQ(result.picture->image.size(), QSize(96, 64)) << c.name;
    EXPECT_EQ(result.picture->fullSize, QSize(96, 64)) << c.name;
    EXPECT_TRUE(showsQuadrants(result.picture->image, c.expected, 8))
        << c.name; // BMP's 16 bits keep 5 or 6 of 8
  }
}

// The canvas is the logical screen (or the frame's extent when the screen is
// empty); around the frame lies the background colour, or white when the
// frame has a transparent colour.
TEST_F(PictureDecoderTest, GifFirstFrameLiesOnItsCanvas) {
  const QImage frame = indexedQuadrants({20, 10}); // red, green / blue, white; index 2 is blue
  const struct {
    const char *name;
    GifOptions options;
    QSize size;
    std::vector<std::pair<QPoint, QRgb>> pixels;
  } cases[] = {
      {"at an offset, background around",
       {.screen = {40, 30}, .offset = {10, 10}, .backgroundIndex = 2},
       {40, 30},
       {{{0, 0}, kBlue}, {{12, 12}, kRed}, {{25, 17}, kWhite}, {{39, 29}, kBlue}}},
      {"transparent green: white around and through",
       {.transparentIndex = 1, .screen = {40, 30}, .offset = {10, 10}, .backgroundIndex = 2},
       {40, 30},
       {{{0, 0}, kWhite}, {{12, 12}, kRed}, {{25, 12}, kWhite}, {{12, 17}, kBlue}}},
      {"empty screen: the frame's extent",
       {.screen = {0, 0}, .offset = {5, 3}},
       {25, 13},
       {{{0, 0}, kRed}, {{6, 4}, kRed}, {{24, 12}, kWhite}}},
      {"clipped by the screen", {.screen = {15, 8}}, {15, 8}, {{{0, 0}, kRed}, {{14, 7}, kWhite}}},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(gifFile(frame, c.options));
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
    EXPECT_EQ(result.picture->fullSize, c.size) << c.name;
    for (const auto &[at, colour] : c.pixels)
      EXPECT_EQ(result.picture->image.pixel(at), colour) << c.name << " at " << at.x() << ", " << at.y();
  }
  QImage stripes(16, 27, QImage::Format_Indexed8); // every row its own colour
  stripes.setColorTable({kRed, kGreen, kBlue, kWhite});
  for (int y = 0; y < stripes.height(); ++y)
    std::memset(stripes.scanLine(y), y % 4, size_t(stripes.width()));
  const DecodeResult interlaced = decode(gifFile(stripes, {.interlaced = true})),
                     plain = decode(gifFile(stripes));
  ASSERT_TRUE(interlaced.ok() && plain.ok());
  EXPECT_EQ(interlaced.picture->image, plain.picture->image);
  EXPECT_EQ(plain.picture->image.pixel(0, 26), kBlue);
  // As high as a GIF goes: its end is checked all the same.
  QImage tall(1, 65535, QImage::Format_Indexed8);
  tall.setColorTable({kRed, kGreen});
  tall.fill(0);
  tall.scanLine(65534)[0] = 1;
  const DecodeResult whole = decode(gifFile(tall));
  ASSERT_TRUE(whole.ok()) << whole.error.toStdString();
  EXPECT_EQ(whole.picture->image.pixel(0, 65534), kGreen);
}

TEST_F(PictureDecoderTest, JpegShrinksOnLoadToTheSmallestScaleCoveringTheNeededSize) {
  const QByteArray landscape = quadrantJpeg({1600, 1200});
  const QByteArray upright = quadrantJpeg({1600, 1200}, {.exifOrientation = 6}); // upright 1200 x 1600
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
    const DecodeResult turned = decode(file), stored = decode(file, needing({}, false));
    ASSERT_TRUE(turned.ok() && stored.ok()) << c.orientation;
    EXPECT_EQ(turned.picture->fullSize, c.orientation >= 5 ? QSize(32, 64) : QSize(64, 32)) << c.orientation;
    EXPECT_EQ(turned.picture->image.size(), turned.picture->fullSize) << c.orientation;
    EXPECT_TRUE(showsQuadrants(turned.picture->image, c.upright, 8)) << c.orientation;
    EXPECT_EQ(stored.picture->fullSize, QSize(64, 32)) << c.orientation;
    EXPECT_TRUE(showsQuadrants(stored.picture->image, kStored, 8)) << c.orientation << " left as stored";
  }
}

// One table for every outcome of a damaged or odd file; an empty reason: it decodes whole.
TEST_F(PictureDecoderTest, DamageFailsWithItsReasonAndHarmlessTroubleDecodes) {
  const QByteArray jpeg = quadrantJpeg({320, 240}), progressive = quadrantJpeg({320, 240}, kProgressive);
  const QByteArray large = quadrantJpeg({1600, 1200});
  const qsizetype scan = scanStart(jpeg);
  const QImage indexed = indexedQuadrants({40, 20});
  const QList<QRgb> palette = indexed.colorTable();
  const QByteArray bmp = bmpFile(40, 20, 24, 0, {}, bmpRows(indexed, 24));
  const QByteArray rle8 = bmpFile(40, 20, 8, 1, palette, bmpRle(indexed, false));
  // The first (bottom) row as given in hex, in place of its two runs of 20.
  const auto rleWithFirstRow = [&](const char *hex) {
    return bmpFile(40, 20, 8, 1, palette, QByteArray::fromHex(hex) + bmpRle(indexed, false).mid(4));
  };
  const auto bitfields = [&](QList<quint32> masks) {
    QByteArray file = bmpFile(40, 20, 16, 3, {}, bmpRows(indexed, 16));
    for (int i = 0; i < 3; ++i)
      for (int b = 0; b < 4; ++b)
        file[54 + 4 * i + b] = char(masks[i] >> 8 * b);
    return file;
  };
  const QByteArray gif = gifFile(indexed);
  const qsizetype frame = gifFrameAt(gif);
  // The frame's height in the descriptor changed; the LZW data stays.
  const auto gifOfHeight = [&](int height) {
    return QByteArray(gif).replace(frame + 7, 2, QByteArray{char(height), char(height >> 8)});
  };
  const QString truncated = "truncated JPEG data", damaged = "damaged JPEG data";
  const QString tooLarge = "picture too large (65500 x 65500 pixels)";
  const struct {
    const char *name;
    QByteArray file;
    QString reason;
    DecodeRequest request = {};
  } cases[] = {
      {"empty", {}, "empty file"},
      {"text", "just some text, not a picture\n", "not a picture"},
      {"cut in the header", jpeg.left(scan - 20), truncated},
      {"cut in the scan", jpeg.left((scan + jpeg.size()) / 2), truncated},
      {"progressive, cut between scans", progressive.left(progressive.lastIndexOf("\xFF\xDA")), truncated},
      // Arithmetic decoding fills in missing data silently.
      {"arithmetic coding, cut", quadrantJpeg({320, 240}, {.arithmetic = true}).chopped(300), truncated},
      {"end marker inside the scan", withScanBytes(jpeg, 0.4, "\xFF\xD9"), damaged},
      {"garbage in the scan", withScanBytes(jpeg, 0.4, QByteArray(64, char(0xFE))), damaged},
      {"no rows", withFrameSize(jpeg, 320, 0), damaged + " (Empty JPEG image (DNL not supported))"},
      {"huge header", withFrameSize(jpeg, 65500, 65500), tooLarge},
      // Progressive coefficients stay at full size, however reduced the output.
      {"huge progressive header, reduced", withFrameSize(progressive, 65500, 65500), tooLarge,
       needing({100, 100})},
      // 1/8 of it is within the limit: the data, made for 320 x 240, fails at its first row.
      {"huge header, reduced", withFrameSize(jpeg, 65500, 65500), damaged, needing({100, 100})},
      {"over the pixel limit", large, "picture too large (1600 x 1200 pixels)", needing({}, true, 1'000'000)},
      {"reduced within the pixel limit", large, {}, needing({800, 600}, true, 1'000'000)},
      // Data left between the last block and the end marker: how a stream that lost its sync ends.
      {"junk before the end marker", jpeg.chopped(2) + "some junk\xFF\xD9", damaged},
      // (Its Huffman decoder drops the few bytes it read ahead without a word.)
      {"progressive, junk before the end marker", progressive.chopped(2) + QByteArray(32, 'j') + "\xFF\xD9",
       damaged},
      {"no end marker", jpeg.chopped(2), {}},
      {"restarts, no end marker", quadrantJpeg({320, 240}, {.restartRows = 1}).chopped(2), {}},
      {"progressive, no end marker", progressive.chopped(2), {}},
      {"bytes after the end marker", jpeg + QByteArray(1000, 'x'), {}},
      {"BMP one byte short", bmp.chopped(1), "truncated BMP data"},
      {"BMP cut in the file header", bmp.left(10), "truncated BMP data"},
      {"RLE8 cut", rle8.chopped(30), "truncated BMP data"},
      {"RLE8 moved to the right edge", rleWithFirstRow("1402 0002 1400"), {}},
      {"RLE8 moved right out of the picture", rleWithFirstRow("1402 0002 1500"), "damaged BMP data"},
      {"RLE8 moved up out of the picture", rleWithFirstRow("1402 0002 0014"), "damaged BMP data"},
      {"RLE8 run past the row", rleWithFirstRow("1402 1503"), "damaged BMP data"},
      {"RLE8 absolute data past the row",
       rleWithFirstRow("1402 0016 03030303030303030303 030303030303030303030303"), "damaged BMP data"},
      {"bitfields, no masks", bitfields({0, 0, 0}), "damaged BMP data"},
      {"bitfields, no blue", bitfields({0xF800, 0x07E0, 0}), "damaged BMP data"},
      {"huge BMP", bmpFile(65500, 65500, 24, 0, {}, QByteArray(16, '\0')), tooLarge},
      {"BMP of a JPEG", bmpFile(4, 4, 24, 4, {}, {}), "unsupported BMP (embedded JPEG or PNG)"},
      {"GIF cut in the frame", gif.chopped(8), "truncated GIF data"},
      {"GIF with codes beyond the table", QByteArray(gif).replace(frame + 14, 8, QByteArray(8, char(0xFF))),
       "damaged GIF data"},
      {"GIF data for fewer rows", gifOfHeight(30), "damaged GIF data"},
      {"GIF data for more rows", gifOfHeight(10), "damaged GIF data"},
      {"GIF cut in the header", gif.left(12), "truncated GIF data"},
      {"GIF without a frame", QByteArray("GIF89a\1\0\1\0\0\0\0;", 14), "damaged GIF data"},
      {"huge GIF", gifFile(indexed, -1, {65000, 65000}), "picture too large (65000 x 65000 pixels)"},
  };
  for (const auto &c : cases) {
    const DecodeResult result = decode(c.file, c.request);
    EXPECT_EQ(result.error, c.reason) << c.name;
    EXPECT_EQ(result.ok(), c.reason.isEmpty()) << c.name;
    if (result.ok()) {
      EXPECT_TRUE(showsQuadrants(result.picture->image, kStored, 6)) << c.name;
    }
    // The JPEG decompressor is reused after every failure.
    const DecodeResult next = decode(jpeg);
    ASSERT_TRUE(next.ok()) << "after " << c.name;
    EXPECT_TRUE(showsQuadrants(next.picture->image, kStored, 6)) << "after " << c.name;
  }
}

// Qt's default allocation limit (128 MB) refuses these; the pixel limit allows them.
TEST_F(PictureDecoderTest, FiftyMegapixelGifAndBmpDecode) {
  QImage stripes(8000, 6250, QImage::Format_Indexed8);
  stripes.setColorTable({kRed, kBlue});
  stripes.fill(0);
  for (int y = 3125; y < 6250; ++y)
    std::memset(stripes.scanLine(y), 1, 8000);
  for (const QByteArray &file :
       {gifFile(stripes), bmpFile(8000, 6250, 1, 0, {kRed, kBlue}, bmpRows(stripes, 1))}) {
    const DecodeResult result = decode(file);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const QImage &image = result.picture->image;
    EXPECT_EQ(image.size(), QSize(8000, 6250));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(7999, 0), kRed);
    EXPECT_EQ(image.pixel(0, 6249), kBlue);
  }
}

// Every decoder reserves its pixels (and the caller's copies) before making
// them, and the picture keeps the reservation.
TEST_F(PictureDecoderTest, EveryKindReservesItsMemoryAndThePictureHoldsIt) {
  const QImage indexed = indexedQuadrants({200, 100});
  expectReservations({
      {"JPEG", jpegFile(indexed), 200 * 100 * 4},
      // Its coefficients too: 2 bytes each, half as many for each chroma plane.
      {"progressive JPEG", jpegFile(indexed, kProgressive), 200 * 100 * (4 + 3)},
      {"turned JPEG", jpegFile(indexed, {.exifOrientation = 6}), 200 * 100 * 8},
      {"GIF", gifFile(indexed, {.screen = {400, 300}}), 400 * 300 * 4},
      {"BMP", bmpFile(200, 100, 24, 0, {}, bmpRows(indexed, 24)), 200 * 100 * 4},
      {"RLE8 BMP", bmpFile(200, 100, 8, 1, indexed.colorTable(), bmpRle(indexed, false)), 200 * 100 * 4},
  });
}

// Files on disk, through both doors: the size read, or why not.
TEST_F(PictureDecoderTest, FilesAreReadByContentNotNameAndFailInAUsersWords) {
  const QImage indexed = indexedQuadrants({40, 20});
  const QByteArray bmp = bmpFile(40, 20, 24, 0, {}, bmpRows(indexed, 24));
  const QString fifo = folder.file("pipe.jpg");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString tooLarge = "picture too large (65500 x 65500 pixels)", notRegular = "not a regular file";
  const struct {
    QString path, decoded, probed;
  } cases[] = {
      {folder.write("sub/photo.gif", jpegFile(indexed)), "40 x 20", "40 x 20"},
      {folder.write("sub/drawing.jpg", gifFile(indexed)), "40 x 20", "40 x 20"},
      {folder.write("sub/scan.JPEG", bmp), "40 x 20", "40 x 20"},
      {folder.write("turned.jpg", quadrantJpeg({64, 32}, {.exifOrientation = 6})), "32 x 64", "32 x 64"},
      // 360 kB of markers ahead of the frame header.
      {folder.write("long.jpg", quadrantJpeg({64, 32}, {.paddingMarkers = 6})), "64 x 32", "64 x 32"},
      {folder.write("cut.bmp", bmp.chopped(10)), "truncated BMP data", "truncated BMP data"},
      // 1/8 of it might decode; a progressive one keeps every coefficient at full size.
      {folder.write("huge.jpg", withFrameSize(quadrantJpeg({64, 32}), 65500, 65500)), tooLarge,
       "65500 x 65500"},
      {folder.write("huge-progressive.jpg",
                    withFrameSize(quadrantJpeg({64, 32}, kProgressive), 65500, 65500)),
       tooLarge, tooLarge},
      {folder.write("huge.bmp", bmpFile(65500, 65500, 24, 0, {}, QByteArray(16, '\0'))), tooLarge, tooLarge},
      {folder.write("empty.jpg"), "empty file", "empty file"},
      // Nobody writes to the FIFO: reading it would hang for ever.
      {fifo, notRegular, notRegular},
      {folder.path(), notRegular, notRegular},
      {"/dev/zero", notRegular, notRegular},
      {folder.file("missing.jpg"), "file not found", "file not found"},
      {folder.file("missing/folder/a.jpg"), "file not found", "file not found"},
  };
  const auto described = [](const DecodeResult &result) {
    if (!result.ok())
      return result.error;
    return QStringLiteral("%1 x %2")
        .arg(result.picture->fullSize.width())
        .arg(result.picture->fullSize.height());
  };
  for (const auto &c : cases) {
    // The batch's read-ahead hint comes first; it too must never block on a FIFO or touch a device.
    adviseReadingSoon(c.path);
    const DecodeResult decoded = decoder.decodeFile(c.path), probed = decoder.probeFile(c.path);
    EXPECT_EQ(described(decoded), c.decoded) << c.path.toStdString();
    EXPECT_EQ(described(probed), c.probed) << c.path.toStdString();
    if (decoded.ok()) {
      EXPECT_EQ(decoded.picture->image.size(), decoded.picture->fullSize) << c.path.toStdString();
    }
    if (probed.ok()) {
      EXPECT_TRUE(probed.picture->image.isNull()) << c.path.toStdString();
    }
  }
  if (::geteuid() != 0) { // root reads every file
    const QString locked = folder.write("locked.jpg", quadrantJpeg({40, 20}));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
    EXPECT_EQ(decoder.decodeFile(locked).error, "permission denied");
  }
  EXPECT_EQ(fileErrorText(ENOTDIR), "file not found");
  EXPECT_EQ(fileErrorText(EACCES), "permission denied");
  EXPECT_EQ(fileErrorText(EPERM), "permission denied");
  EXPECT_EQ(fileErrorText(EISDIR), "not a regular file");
  EXPECT_TRUE(fileErrorText(EIO).startsWith("cannot read the file ("));
}
