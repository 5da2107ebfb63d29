#include "TestData.h"
#include "TestPictures.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PictureEncoder.h"
#include "imaging/PicturePreparer.h"
#include "imaging/SizeLimitedFile.h"

#include <QColorSpace>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltrane;
using veltrane::test::noisePicture;

namespace {

const OutputFormat kFormats[] = {OutputFormat::Jpeg, OutputFormat::Png, OutputFormat::Webp,
                                 OutputFormat::Avif, OutputFormat::Jxl};

// Each format's own reference decoder, so a file is not only readable by us.
QStringList referenceDecoder(OutputFormat format, const QString &in, const QString &out) {
  switch (format) {
  case OutputFormat::Webp: return {QStringLiteral("dwebp"), in, QStringLiteral("-o"), out};
  case OutputFormat::Avif: return {QStringLiteral("avifdec"), in, out};
  case OutputFormat::Jxl: return {QStringLiteral("djxl"), in, out};
  default:
    return {QStringLiteral("/usr/bin/python3"), QStringLiteral("-c"),
            QStringLiteral("import sys; from PIL import Image; Image.open(sys.argv[1]).save(sys.argv[2])"),
            in, out};
  }
}

// The file through its format's reference decoder, back as a picture.
QImage readBack(OutputFormat format, const QByteArray &bytes, const QTemporaryDir &dir) {
  const QString in = dir.filePath(QStringLiteral("in") + formatExtension(format));
  const QString out = dir.filePath(QStringLiteral("out.png"));
  QFile file(in);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    return {};
  file.close();
  QFile::remove(out);
  QStringList command = referenceDecoder(format, in, out);
  if (QProcess::execute(command.takeFirst(), command) != 0)
    return {};
  return QImage(out).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// Transparent sources stay transparent in every format that carries it,
// scaled premultiplied (no dark fringe where colour meets clear); a JPEG
// lies on white.
TEST(OutputFormat, TransparencyIsKeptWhereTheFormatCarriesIt) {
  const QTemporaryDir dir;
  PictureDecoder decoder;
  const PicturePreparer preparer({}, {1024, 768});
  struct Source {
    const char *name;
    int topRightAlpha; // the logo's is half transparent; the GIF has one clear colour
  };
  const Source sources[] = {{"logo-96x64-transparent.png", 128},
                            {"logo-96x64-transparent.webp", 128},
                            {"logo-96x64-transparent.tif", 128},
                            {"logo-96x64-transparent.avif", 128},
                            {"quadrants-96x64-transparent-blue.gif", 255}};
  for (const Source &source : sources) {
    for (const std::optional<OutputFormat> format :
         {std::optional(OutputFormat::Jpeg), std::optional(OutputFormat::Png),
          std::optional(OutputFormat::Webp), std::optional(OutputFormat::Avif),
          std::optional(OutputFormat::Jxl), std::optional<OutputFormat>()}) {
      const OutputFormat written = format.value_or(OutputFormat::Png);
      SCOPED_TRACE(std::string(source.name) + " to " + formatWord(written).toStdString());
      ResizeJob job;
      job.maxWidth = 40; // 40 x 26: the edge between the top and bottom halves falls inside a row
      job.format = format;
      const PrepareResult prepared =
          preparer.preparePicture(decoder, test::testDataPath("sources/") + source.name, job, {});
      ASSERT_TRUE(prepared.ok()) << prepared.error.toStdString();
      const Result<QByteArray> bytes = makeEncoder(written, 1)->encode(prepared.picture->image, 95, {});
      ASSERT_TRUE(bytes) << bytes.reason().toStdString();
      const QImage back = readBack(written, *bytes, dir);
      ASSERT_EQ(back.size(), QSize(40, 26));
      const bool kept = written != OutputFormat::Jpeg;
      const int topRight = kept ? source.topRightAlpha : 255;
      EXPECT_NEAR(qAlpha(back.pixel(30, 5)), topRight, 12);
      EXPECT_NEAR(qAlpha(back.pixel(10, 20)), kept ? 0 : 255, 12);
      EXPECT_TRUE(test::near(back.pixelColor(10, 5), Qt::red, 40));
      const QColor green = kept || source.topRightAlpha == 255 ? QColor(0, 255, 0) : QColor(127, 255, 127);
      EXPECT_TRUE(test::near(back.pixelColor(30, 5), green, 40))
          << back.pixelColor(30, 5).name().toStdString();
      if (!kept) {
        EXPECT_TRUE(test::near(back.pixelColor(10, 20), Qt::white, 40));
      }
      // Lossless, so what shows is the scaling's alone.
      for (int y = 11; y <= 15 && written == OutputFormat::Png; ++y) {
        if (qAlpha(back.pixel(10, y)) > 40) {
          EXPECT_GT(qRed(back.pixel(10, y)), 200) << "a dark fringe at row " << y;
        }
      }
    }
  }
}

// Every format: its reference decoder reads the file at its size, with the
// profile and EXIF in the format's own place, and a size limit always holds.
TEST(OutputFormat, EveryFormatIsReadBackWithItsExtrasAndKeepsTheLimit) {
  const QTemporaryDir dir;
  const QImage picture = noisePicture({96, 64});
  JpegExtras extras;
  extras.iccProfile = QColorSpace(QColorSpace::SRgb).iccProfile();
  extras.markers = {{0xE1, QByteArray("Exif\0\0MM\0*\0\0\0\x08\0\0", 16)}};
  for (const OutputFormat format : kFormats) {
    SCOPED_TRACE(formatWord(format).toStdString());
    const std::unique_ptr<PictureEncoder> encoder = makeEncoder(format, 2);
    const Result<QByteArray> bytes = encoder->encode(picture, 80, {});
    ASSERT_TRUE(bytes) << bytes.reason().toStdString();
    const QImage back = readBack(format, *bytes, dir);
    EXPECT_EQ(back.size(), picture.size()) << "not read back";
    if (format == OutputFormat::Png) {
      EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture.convertToFormat(QImage::Format_RGB32))
          << "PNG is lossless";
    }

    const Result<QByteArray> withExtras = encoder->encode(picture, 80, extras);
    ASSERT_TRUE(withExtras);
    // PNG and JPEG XL compress the profile; JPEG XL keeps EXIF in a box of its own.
    EXPECT_TRUE(withExtras->contains(extras.iccProfile) || withExtras->contains("iCCP") ||
                format == OutputFormat::Jxl);
    EXPECT_TRUE(withExtras->contains(exifOf(extras)) || withExtras->contains("Exif"))
        << withExtras->left(64).toHex().toStdString();

    for (const double limitK : {3.0, 1.5}) {
      const Result<SizeLimitedFile> fitted = encodeWithinLimit(picture, limitK, JpegExtras{}, *encoder);
      ASSERT_TRUE(fitted) << fitted.reason().toStdString();
      EXPECT_LE(fitted->bytes.size(), qsizetype(limitK * 1024));
      PictureDecoder decoder;
      EXPECT_TRUE(format != OutputFormat::Jpeg && format != OutputFormat::Png
                      ? true
                      : decoder.decodeBytes(fitted->bytes).ok());
    }
  }
}

// The search finds q that fits where q + 1 does not, in few encodings.
TEST(OutputFormat, TheSearchEndsWhereTheNextQualityWouldNotFit) {
  const QImage picture = noisePicture({160, 120});
  for (const OutputFormat format : {OutputFormat::Webp, OutputFormat::Avif, OutputFormat::Jxl}) {
    SCOPED_TRACE(formatWord(format).toStdString());
    const std::unique_ptr<PictureEncoder> encoder = makeEncoder(format, 2);
    const Result<QByteArray> at60 = encoder->encode(picture, 60, {});
    ASSERT_TRUE(at60);
    const double limitK = at60->size() / 1024.0;
    const Result<QualityChoice> choice = encoder->searchQuality(picture, limitK, {});
    ASSERT_TRUE(choice && !choice->bytes.isEmpty());
    EXPECT_LE(choice->bytes.size(), at60->size());
    EXPECT_GE(choice->quality, 60);
    if (choice->quality < 100) {
      const Result<QByteArray> next = encoder->encode(picture, choice->quality + 1, {});
      EXPECT_TRUE(encoder->settingOf(choice->quality + 1) == encoder->settingOf(choice->quality) ||
                  next->size() > at60->size());
    }
    EXPECT_LE(choice->tried.size(), 7);
  }
}
