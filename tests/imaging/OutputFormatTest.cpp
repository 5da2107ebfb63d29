#include "TestPictures.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PictureEncoder.h"
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

} // namespace

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
    const QString in = dir.filePath(QStringLiteral("in") + formatExtension(format));
    const QString out = dir.filePath(QStringLiteral("out.png"));
    QFile file(in);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size());
    file.close();
    QStringList command = referenceDecoder(format, in, out);
    ASSERT_EQ(QProcess::execute(command.takeFirst(), command), 0);
    EXPECT_EQ(QImage(out).size(), picture.size());

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
