// Damaged, hostile and odd files of every format, the memory every decode
// reserves, and files on disk: one table each, through the decoder front.

#include "DecoderFixture.h"
#include "FormatTestFiles.h"
#include "QuadrantCheck.h"
#include "TestData.h"
#include "TestPictures.h"
#include "imaging/DecoderFileReader.h"
#include "imaging/HeifColourProfile.h"
#include "imaging/MemoryBudget.h"

#include <QColorSpace>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <libheif/heif.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace veltrane;
using namespace veltrane::test;

namespace {

const QString kTooLarge = "picture too large (65500 x 65500 pixels)";

qsizetype scanStart(const QByteArray &jpeg) {
  const qsizetype marker = jpeg.indexOf("\xFF\xDA");
  return marker + 2 + (uchar(jpeg[marker + 2]) << 8 | uchar(jpeg[marker + 3]));
}

// `bytes` written over the scan data a fraction `at` of the way through.
QByteArray withScanBytes(QByteArray jpeg, double at, const QByteArray &bytes) {
  const qsizetype start = scanStart(jpeg);
  return jpeg.replace(start + qsizetype(double(jpeg.size() - 2 - start) * at), bytes.size(), bytes);
}

QByteArray garbled(QByteArray file, qsizetype at, qsizetype length = 64, char with = 0x5A) {
  return file.replace(at, length, QByteArray(length, with));
}

// Cut short, with the RIFF and chunk sizes made to agree: only the image data knows.
QByteArray webpCutInside(const QByteArray &webp) {
  QByteArray cut = webp.left(webp.size() / 2);
  const quint32 chunk = quint32(cut.size() - 20);
  for (int i = 0; i < 4; ++i) {
    cut[4 + i] = char((chunk + 12) >> 8 * i);
    cut[16 + i] = char(chunk >> 8 * i);
  }
  return cut;
}

struct DamageCase {
  QString name;
  QByteArray file;
  QString reason; // empty: it decodes whole; ending in "(": libheif's own words follow
  DecodeRequest request = {};
};

std::vector<DamageCase> jpegBmpGifDamage() {
  const QByteArray jpeg = testSource("quadrants-320x240.jpg"),
                   progressive = testSource("quadrants-320x240-progressive.jpg");
  const QByteArray large = testSource("quadrants-1600x1200.jpg");
  const qsizetype scan = scanStart(jpeg);
  const QByteArray bmp = testSource("quadrants-40x20-24-bit.bmp"),
                   rle8 = testSource("quadrants-40x20-rle8.bmp");
  // The first (bottom) row changed, in place of its two runs of 20.
  const auto rleMoved = [](const char *how) {
    return testSource(QStringLiteral("quadrants-40x20-rle8-moved-%1.bmp").arg(how));
  };
  const auto bitfields = [&](QList<quint32> masks) {
    QByteArray file = testSource("quadrants-40x20-16-bit-bitfields.bmp");
    for (int i = 0; i < 3; ++i)
      for (int b = 0; b < 4; ++b)
        file[54 + 4 * i + b] = char(masks[i] >> 8 * b);
    return file;
  };
  const QByteArray gif = testSource("quadrants-40x20.gif");
  const qsizetype frame = gif.indexOf(','); // neither its screen nor its colours hold a 0x2C
  // The frame's height in the descriptor changed; the LZW data stays.
  const auto gifOfHeight = [&](int height) {
    return QByteArray(gif).replace(frame + 7, 2, QByteArray{char(height), char(height >> 8)});
  };
  const QString truncated = "truncated JPEG data", damaged = "damaged JPEG data";
  return {
      {"empty", {}, "empty file"},
      {"text", "just some text, not a picture\n", "not a picture"},
      {"cut in the header", jpeg.left(scan - 20), truncated},
      {"cut in the scan", jpeg.left((scan + jpeg.size()) / 2), truncated},
      {"progressive, cut between scans", progressive.left(progressive.lastIndexOf("\xFF\xDA")), truncated},
      // Arithmetic decoding fills in missing data silently.
      {"arithmetic coding, cut", testSource("quadrants-320x240-arithmetic.jpg").chopped(300), truncated},
      {"end marker inside the scan", withScanBytes(jpeg, 0.4, "\xFF\xD9"), damaged},
      {"garbage in the scan", withScanBytes(jpeg, 0.4, QByteArray(64, char(0xFE))), damaged},
      {"no rows", withFrameSize(jpeg, 320, 0), damaged + " (Empty JPEG image (DNL not supported))"},
      {"huge header", withFrameSize(jpeg, 65500, 65500), kTooLarge},
      // Progressive coefficients stay at full size, however reduced the output.
      {"huge progressive header, reduced", withFrameSize(progressive, 65500, 65500), kTooLarge,
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
      {"restarts, no end marker", testSource("quadrants-320x240-restarts.jpg").chopped(2), {}},
      {"progressive, no end marker", progressive.chopped(2), {}},
      {"bytes after the end marker", jpeg + QByteArray(1000, 'x'), {}},
      {"BMP one byte short", bmp.chopped(1), "truncated BMP data"},
      {"BMP cut in the file header", bmp.left(10), "truncated BMP data"},
      {"RLE8 cut", rle8.chopped(30), "truncated BMP data"},
      {"RLE8 moved to the right edge", rleMoved("to-the-right-edge"), {}},
      {"RLE8 moved right out of the picture", rleMoved("right-out"), "damaged BMP data"},
      {"RLE8 moved up out of the picture", rleMoved("up-out"), "damaged BMP data"},
      {"RLE8 run past the row", rleMoved("run-past-the-row"), "damaged BMP data"},
      {"RLE8 absolute data past the row", rleMoved("absolute-past-the-row"), "damaged BMP data"},
      {"bitfields, no masks", bitfields({0, 0, 0}), "damaged BMP data"},
      {"bitfields, no blue", bitfields({0xF800, 0x07E0, 0}), "damaged BMP data"},
      {"huge BMP", testSource("header-65500x65500.bmp"), kTooLarge},
      {"BMP of a JPEG", testSource("embedded-jpeg.bmp"), "unsupported BMP (embedded JPEG or PNG)"},
      {"GIF cut in the frame", gif.chopped(8), "truncated GIF data"},
      {"GIF with codes beyond the table", garbled(gif, frame + 14, 8, char(0xFF)), "damaged GIF data"},
      {"GIF data for fewer rows", gifOfHeight(30), "damaged GIF data"},
      {"GIF data for more rows", gifOfHeight(10), "damaged GIF data"},
      // Pillow's GIF with one byte changed: a code past the table, still exactly 300 x 200 pixels of codes.
      {"GIF with one code past the table", testData("gif-lzw-one-byte-changed.gif"), "damaged GIF data"},
      {"GIF cut in the header", gif.left(12), "truncated GIF data"},
      {"GIF without a frame", QByteArray("GIF89a\1\0\1\0\0\0\0;", 14), "damaged GIF data"},
      {"huge GIF", testSource("quadrants-40x20-screen-65000x65000.gif"),
       "picture too large (65000 x 65000 pixels)"},
  };
}

std::vector<DamageCase> qtFormatDamage() {
  const QImage noise = noisePicture({200, 150});
  const QByteArray png = qtFile(noise, "png"), lossless = qtFile(noise, "webp"),
                   lossy = qtFile(noise, "webp", 80);
  const QByteArray tiff = qtFile(noise, "tiff"), lzw = qtFile(noise, "tiff", 100, 1),
                   strips = stripTiff(noise);
  const QString seekError = "damaged TIFF data (Seek error accessing TIFF directory)";
  return {
      {"PNG cut in its header", png.left(20), "truncated PNG data"},
      {"PNG cut before its image data", png.left(pngChunkAt(png, "IDAT") + 4), "truncated PNG data"},
      {"PNG cut in its image data", png.left(png.size() / 2), "truncated PNG data"},
      {"PNG cut before its end chunk", png.chopped(12), "truncated PNG data"},
      {"PNG cut in its end chunk", png.chopped(2), "truncated PNG data"},
      {"PNG with garbage in its image data", garbled(png, png.size() / 2), "damaged PNG data"},
      {"PNG with data for fewer rows", withPngSize(png, 200, 300), "damaged PNG data"},
      {"PNG without a width", withPngSize(png, 0, 150), "damaged PNG data"},
      {"huge PNG", withPngSize(png, 65500, 65500), kTooLarge},
      {"WebP cut in its header", lossless.left(16), "truncated WebP data"},
      {"WebP cut in its image data", lossless.left(lossless.size() / 2), "truncated WebP data"},
      {"WebP one byte short", lossless.chopped(1), "truncated WebP data"},
      {"lossless WebP ending early inside", webpCutInside(lossless), "damaged WebP data"},
      {"lossy WebP ending early inside", webpCutInside(lossy), "damaged WebP data"},
      // (Garbage among the pixel codes decodes to other colours: WebP has no checksum to tell.)
      {"lossless WebP with garbage in its code tables", garbled(lossless, 30), "damaged WebP data"},
      {"WebP canvas larger than its picture", extendedWebp(lossless, {400, 300}), "damaged WebP data"},
      {"huge WebP", withLosslessWebpSize(lossless, 16383, 16383), "picture too large (16383 x 16383 pixels)"},
      {"TIFF cut before its directory", tiff.left(tiff.size() / 2), seekError},
      {"TIFF cut in its strips", strips.left(strips.size() / 2),
       "damaged TIFF data (Read error at scanline 0; got 1660 bytes, expected 4800)"},
      {"TIFF one byte short", strips.chopped(1),
       "damaged TIFF data (Read error at scanline 0; got 3599 bytes, expected 3600)"},
      {"LZW TIFF with garbage", garbled(lzw, lzw.size() / 3),
       "damaged TIFF data (Using code not yet in table)"},
      {"TIFF directory beyond its end", QByteArray("II*\0\xF0\xFF\0\0", 8) + QByteArray(64, '\0'), seekError},
      {"huge TIFF", withStripTiffSize(strips, 65500, 65500), kTooLarge},
  };
}

std::vector<DamageCase> heifDamage(const char *kind, const QByteArray &file) {
  const qsizetype data = file.indexOf("mdat") + 4;
  const QString truncated = QStringLiteral("truncated %1 data").arg(kind),
                damaged = QStringLiteral("damaged %1 data (").arg(kind);
  return {
      {"only its file type", file.left(file.indexOf("meta") - 4), damaged},
      {"cut in its boxes", file.left(file.indexOf("iloc")), truncated},
      {"cut in its picture data", file.left((data + file.size()) / 2), truncated},
      {"one byte short", file.chopped(1), truncated},
      // (Garbage further on decodes to other colours: neither codec has a checksum to tell.)
      {"garbage in its first coded unit", garbled(file, data + 4, 32, 'Z'), damaged},
      {"huge", withHeifSize(file, 65500, 65500), "picture too large ("},
  };
}

class DecoderDamageTest : public DecoderFixture {};

} // namespace

// A reason in words and no picture, or the picture whole; no pixel memory
// asked for when the header alone is too large, and all given back.
TEST_F(DecoderDamageTest, DamageFailsWithItsReasonAndHarmlessTroubleDecodes) {
  std::vector<DamageCase> cases = jpegBmpGifDamage();
  for (DamageCase &c : qtFormatDamage())
    cases.push_back(std::move(c));
  for (const auto &[kind, codec] : kHeifCodecs) {
    const QByteArray file = heifFile(noisePicture({256, 192}), codec);
    if (file.isEmpty())
      std::printf("No %s encoder in this libheif: its cases are skipped.\n", kind);
    else
      for (DamageCase &c : heifDamage(kind, file))
        cases.push_back({QString(kind) + ", " + c.name, std::move(c.file), c.reason});
  }
  const QByteArray jpeg = testSource("quadrants-320x240.jpg");
  MemoryBudget budget(qint64(1) << 30);
  int reservations = 0;
  for (const DamageCase &c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    DecodeRequest request = c.request;
    request.memoryBudget = &budget;
    request.callerBytes = [&](QSize) {
      ++reservations;
      return qint64(0);
    };
    reservations = 0;
    {
      const DecodeResult result = decode(c.file, request);
      if (c.reason.endsWith('(')) {
        EXPECT_TRUE(result.error.startsWith(c.reason)) << result.error.toStdString();
      } else {
        EXPECT_EQ(result.error, c.reason);
      }
      EXPECT_EQ(result.ok(), c.reason.isEmpty());
      if (result.ok()) {
        EXPECT_TRUE(showsQuadrants(result.picture->image, kStored, 6));
      }
      if (c.reason.startsWith("picture too large")) {
        EXPECT_EQ(reservations, 0) << "memory asked for";
      }
    }
    EXPECT_EQ(budget.held(), 0);
    // The decoders are reused after every failure.
    const DecodeResult next = decode(jpeg);
    ASSERT_TRUE(next.ok()) << "after it";
    EXPECT_TRUE(showsQuadrants(next.picture->image, kStored, 6)) << "after it";
  }
}

// Every decoder reserves its pixels (at least `atLeast`), the file and the
// caller's copies (a byte a pixel here) before making them; the picture
// holds the reservation and gives it all back.
TEST_F(DecoderDamageTest, EveryKindReservesItsMemoryAndThePictureHoldsIt) {
  const QImage picture = rgbQuadrants({200, 100});
  const auto source = [](const char *name) { return testSource(QStringLiteral("quadrants-200x100") + name); };
  struct ReservationCase {
    const char *name;
    QByteArray file;
    qint64 atLeast;
  };
  std::vector<ReservationCase> cases = {
      {"JPEG", source(".jpg"), 200 * 100 * 4},
      // Its coefficients too: 2 bytes each, half as many for each chroma plane.
      {"progressive JPEG", source("-progressive.jpg"), 200 * 100 * (4 + 3)},
      {"turned JPEG", source("-exif-6.jpg"), 200 * 100 * 8},
      {"GIF", source("-screen-400x300.gif"), 400 * 300 * 4},
      {"BMP", testSource("quadrants-40x20-24-bit.bmp"), 40 * 20 * 4},
      {"RLE8 BMP", testSource("quadrants-40x20-rle8.bmp"), 40 * 20 * 4},
      // Qt's picture (8 bytes a pixel at 16 bits) and our RGB32 copy.
      {"PNG", qtFile(picture, "png"), 200 * 100 * 8},
      {"PNG, 16 bits", qtFile(picture.convertToFormat(QImage::Format_RGBA64), "png"), 200 * 100 * 12},
      {"PNG, turned", withPngChunk(qtFile(picture, "png"), "eXIf", exifBlock(6, false).mid(6)),
       200 * 100 * 12},
      {"WebP", qtFile(picture, "webp"), 200 * 100 * 8},
      {"TIFF", qtFile(picture, "tiff"), 200 * 100 * 8},
  };
  QImage translucent = picture.convertToFormat(QImage::Format_ARGB32);
  translucent.setPixel(0, 0, qRgba(0, 0, 0, 0));
  for (const auto &[name, codec] : kHeifCodecs)
    if (const QByteArray file = heifFile(translucent, codec, {}, 1, true); !file.isEmpty())
      cases.push_back({name, file, 200 * 100 * 8}); // with its alpha plane
  MemoryBudget budget(qint64(1) << 30);
  DecodeRequest request;
  request.memoryBudget = &budget;
  request.callerBytes = [](QSize full) { return qint64(full.width()) * full.height(); };
  for (const ReservationCase &c : cases) {
    {
      const DecodeResult result = decode(c.file, request);
      ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
      const QSize full = result.picture->fullSize;
      EXPECT_GE(result.picture->memory.bytes(), c.atLeast + c.file.size() + full.width() * full.height())
          << c.name;
      EXPECT_EQ(budget.held(), result.picture->memory.bytes()) << c.name;
    }
    EXPECT_EQ(budget.held(), 0) << c.name;
  }
}

// Qt's default allocation limit (128 MB) refuses these; the pixel limit allows them.
TEST_F(DecoderDamageTest, FiftyMegapixelPicturesDecode) {
  QImage bits(8000, 6250, QImage::Format_Mono); // red over blue; Qt writes a BMP of it one bit a pixel
  bits.setColorTable({kRed, kBlue});
  bits.fill(0);
  for (int y = 3125; y < 6250; ++y)
    std::memset(bits.scanLine(y), 0xFF, size_t(bits.bytesPerLine()));
  for (const QByteArray &file : {testSource("halves-8000x6250.gif"), qtFile(bits, "bmp"),
                                 qtFile(bits.convertToFormat(QImage::Format_RGB32), "png", 50)}) {
    const DecodeResult result = decode(file);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const QImage &image = result.picture->image;
    EXPECT_EQ(image.size(), QSize(8000, 6250));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(7999, 0), kRed);
    EXPECT_EQ(image.pixel(0, 6249), kBlue);
  }
}

// Files on disk, through both doors: the size read, or why not. The probe
// reads the header from the first bytes, and the rest of the file only when
// what it needs lies further on (WebP's EXIF after the image, a TIFF
// directory written last, libheif checking the data's extents).
TEST_F(DecoderDamageTest, FilesAreReadByContentNotNameAndFailInAUsersWords) {
  const QByteArray bmp = testSource("quadrants-40x20-24-bit.bmp");
  const QString fifo = folder.file("pipe.jpg");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString notRegular = "not a regular file";
  const QImage noise = noisePicture({400, 300}); // over the probe's first read in every format
  const auto writeLarge = [&](const QString &name, const QByteArray &file) {
    EXPECT_GT(file.size(), 256 * 1024) << name.toStdString() << " fits the probe's first read";
    return folder.write(name, file);
  };
  QByteArray padded = testSource("quadrants-64x32.jpg");
  for (int i = 0; i < 6; ++i)
    padded.insert(2, QByteArray("\xFF\xEF\xEA\x62", 4) + QByteArray(60000, 'p')); // APP15 of 60000 bytes
  struct Case {
    QString path, decoded, probed = {}; // no probed: as decoded
  };
  std::vector<Case> cases = {
      {folder.write("sub/photo.gif", testSource("quadrants-40x20.jpg")), "40 x 20"},
      {folder.write("sub/drawing.jpg", testSource("quadrants-40x20.gif")), "40 x 20"},
      {folder.write("sub/scan.JPEG", bmp), "40 x 20"},
      {folder.write("turned.jpg", testSource("quadrants-64x32-exif-6.jpg")), "32 x 64"},
      // 360 kB of markers ahead of the frame header.
      {folder.write("long.jpg", padded), "64 x 32"},
      {writeLarge("large.png", withPngChunk(qtFile(noise, "png"), "eXIf", exifBlock(8, false).mid(6))),
       "300 x 400"},
      {writeLarge("exif-last.webp", extendedWebp(qtFile(noise, "webp"), {400, 300}, {}, exifBlock(6, false))),
       "300 x 400"},
      {writeLarge("directory-last.tif", qtFile(noise, "tiff")), "400 x 300"},
      {writeLarge("strips-first.tif", stripTiff(noise, 5)), "300 x 400"},
      {folder.write("cut.bmp", bmp.chopped(10)), "truncated BMP data"},
      // 1/8 of it might decode; a progressive one keeps every coefficient at full size.
      {folder.write("huge.jpg", withFrameSize(testSource("quadrants-64x32.jpg"), 65500, 65500)), kTooLarge,
       "65500 x 65500"},
      {folder.write("huge-progressive.jpg",
                    withFrameSize(testSource("quadrants-64x32-progressive.jpg"), 65500, 65500)),
       kTooLarge},
      {folder.write("huge.bmp", testSource("header-65500x65500.bmp")), kTooLarge},
      {folder.write("empty.jpg"), "empty file"},
      // Nobody writes to the FIFO: reading it would hang for ever.
      {fifo, notRegular},
      {folder.path(), notRegular},
      {"/dev/zero", notRegular},
      {folder.file("missing.jpg"), "file not found"},
      {folder.file("missing/folder/a.jpg"), "file not found"},
  };
  for (const auto &[kind, codec] : kHeifCodecs) {
    const QByteArray file = heifFile(noisePicture({640, 480}), codec, {}, 8, true);
    if (file.isEmpty())
      continue; // no such encoder here
    cases.push_back({writeLarge(QStringLiteral("large.%1").arg(kind), file), "480 x 640"});
    const QString cut = QStringLiteral("truncated %1 data").arg(kind);
    cases.push_back({folder.write(QStringLiteral("cut.%1").arg(kind), file.chopped(1000)), cut});
  }
  const auto described = [](const DecodeResult &result) {
    if (!result.ok())
      return result.error;
    return QStringLiteral("%1 x %2")
        .arg(result.picture->fullSize.width())
        .arg(result.picture->fullSize.height());
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    // The batch's read-ahead hint comes first; it too must never block on a FIFO or touch a device.
    adviseReadingSoon(c.path);
    const DecodeResult decoded = decoder.decodeFile(c.path), probed = decoder.probeFile(c.path);
    EXPECT_EQ(described(decoded), c.decoded);
    EXPECT_EQ(described(probed), c.probed.isEmpty() ? c.decoded : c.probed);
    if (decoded.ok()) {
      EXPECT_EQ(decoded.picture->image.size(), decoded.picture->fullSize);
    }
    if (probed.ok()) {
      EXPECT_TRUE(probed.picture->image.isNull());
    }
  }
  if (::geteuid() != 0) { // root reads every file
    const QString locked = folder.write("locked.jpg", testSource("quadrants-40x20.jpg"));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
    EXPECT_EQ(decoder.decodeFile(locked).error, "permission denied");
  }
  EXPECT_EQ(fileErrorText(ENOTDIR), "file not found");
  EXPECT_EQ(fileErrorText(EACCES), "permission denied");
  EXPECT_EQ(fileErrorText(EPERM), "permission denied");
  EXPECT_EQ(fileErrorText(EISDIR), "not a regular file");
  EXPECT_TRUE(fileErrorText(EIO).startsWith("cannot read the file ("));
}

// The profile the pixels are in comes with them, as stored; sRGB and no
// profile give none.
TEST_F(DecoderDamageTest, TheEmbeddedColourProfileComesThrough) {
  const QImage picture = rgbQuadrants({96, 64});
  const QColorSpace adobe(QColorSpace::AdobeRgb), p3(QColorSpace::DisplayP3);
  // The picture tagged with `space` and written by Qt.
  const auto in = [&](QColorSpace::NamedColorSpace space, const char *format) {
    QImage tagged = picture;
    tagged.setColorSpace(space);
    return qtFile(tagged, format);
  };
  struct Case {
    QByteArray file, profile; // no profile: none handed on
    int tolerance = 0;
  };
  std::vector<Case> cases = {
      {in(QColorSpace::AdobeRgb, "png"), adobe.iccProfile()},
      {in(QColorSpace::DisplayP3, "png"), p3.iccProfile()},
      {in(QColorSpace::SRgb, "png"), {}},
      {in(QColorSpace::AdobeRgb, "webp"), adobe.iccProfile()},
      {extendedWebp(qtFile(picture, "webp"), {96, 64}, adobe.iccProfile()), adobe.iccProfile()},
      {in(QColorSpace::DisplayP3, "tiff"), p3.iccProfile()},
      {in(QColorSpace::SRgb, "tiff"), {}},
  };
  for (const HeifCodec codec : {HeifCodec::Hevc, HeifCodec::Av1})
    if (const QByteArray file = heifFile(picture, codec, adobe.iccProfile()); !file.isEmpty())
      cases.push_back({file, adobe.iccProfile(), 24});
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    const DecodeResult result = decode(cases[i].file);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.picture->iccProfile, cases[i].profile);
    // The pixels stay as stored: converting them is the colour step's work.
    EXPECT_TRUE(showsQuadrants(result.picture->image, kStored, cases[i].tolerance));
  }
}

// A picture described only by its primaries (nclx, as AVIF writers do) gets
// a profile made for them, unless they are sRGB's.
TEST(HeifColourProfileTest, PrimariesBecomeAProfile) {
  heif_color_profile_nclx p3{};
  p3.color_primaries = heif_color_primaries_SMPTE_EG_432_1;
  p3.transfer_characteristics = heif_transfer_characteristic_IEC_61966_2_1;
  p3.color_primary_red_x = 0.680f, p3.color_primary_red_y = 0.320f;
  p3.color_primary_green_x = 0.265f, p3.color_primary_green_y = 0.690f;
  p3.color_primary_blue_x = 0.150f, p3.color_primary_blue_y = 0.060f;
  p3.color_primary_white_x = 0.3127f, p3.color_primary_white_y = 0.3290f;
  const QByteArray icc = profileForColourDescription(p3);
  ASSERT_FALSE(icc.isEmpty());
  // Read back by Qt's own parser: Display P3's primaries and sRGB's curve.
  const QColorSpace space = QColorSpace::fromIccProfile(icc);
  EXPECT_EQ(space.primaries(), QColorSpace::Primaries::DciP3D65);
  EXPECT_EQ(space.transferFunction(), QColorSpace::TransferFunction::SRgb);

  heif_color_profile_nclx srgb = p3;
  srgb.color_primaries = heif_color_primaries_ITU_R_BT_709_5;
  EXPECT_TRUE(profileForColourDescription(srgb).isEmpty());
  heif_color_profile_nclx pq = p3;
  pq.transfer_characteristics = heif_transfer_characteristic_ITU_R_BT_2100_0_PQ;
  EXPECT_TRUE(profileForColourDescription(pq).isEmpty());
}
