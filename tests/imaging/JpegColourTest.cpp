// The JPEG decoder's colour profiles: handed on with RGB pictures, used on
// CMYK ones.
#include "ColourReference.h"
#include "DecoderTestFiles.h"
#include "TestData.h"
#include "TestPictures.h"
#include "imaging/PictureDecoder.h"

#include <array>
#include <gtest/gtest.h>
#include <string_view>

using namespace veltrane;
using namespace veltrane::test;

namespace {

// The colour amid each quadrant: top left, top right, bottom left, bottom right.
std::array<QRgb, 4> quadrantColours(const QImage &image) {
  const int w = image.width(), h = image.height();
  return {image.pixel(w / 4, h / 4), image.pixel(3 * w / 4, h / 4), image.pixel(w / 4, 3 * h / 4),
          image.pixel(3 * w / 4, 3 * h / 4)};
}

bool nearAll(const std::array<QRgb, 4> &actual, const std::array<QRgb, 4> &expected, int tolerance) {
  for (size_t i = 0; i < 4; ++i)
    if (!near(QColor(actual[i]), QColor(expected[i]), tolerance))
      return false;
  return true;
}

} // namespace

TEST(JpegColourTest, HandsOnTheProfileOfRgbPictures) {
  const QImage quadrants = indexedQuadrants({64, 48});
  // One over 64 kB travels in several markers.
  const QByteArray large = testSource("adobe-rgb.icc") + QByteArray(150'000, 'p');
  QByteArray badSequence = jpegFile(quadrants, {.iccProfile = testSource("adobe-rgb.icc")});
  badSequence[badSequence.indexOf("ICC_PROFILE") + 12] = 3; // chunk 3 of 1
  const struct {
    const char *name;
    QByteArray file;
    QByteArray profile;
  } cases[] = {
      {"none", jpegFile(quadrants), {}},
      {"Adobe RGB", jpegFile(quadrants, {.iccProfile = testSource("adobe-rgb.icc")}),
       testSource("adobe-rgb.icc")},
      {"grey",
       jpegFile(quadrants,
                {.colours = JpegOptions::Colours::Grey, .iccProfile = testSource("grey-gamma-2.2.icc")}),
       testSource("grey-gamma-2.2.icc")},
      {"several markers", jpegFile(quadrants, {.progressive = true, .iccProfile = large}), large},
      {"chunks that do not add up", badSequence, {}},
  };
  PictureDecoder decoder;
  const QImage plain = decoder.decodeBytes(jpegFile(quadrants)).picture->image;
  for (const auto &[name, file, profile] : cases) {
    SCOPED_TRACE(name);
    const DecodeResult result = decoder.decodeBytes(file);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.picture->iccProfile, profile);
    if (std::string_view(name) != "grey") {
      EXPECT_TRUE(nearAll(quadrantColours(result.picture->image), quadrantColours(plain), 2))
          << "the decoder converted what it hands on";
    }
    EXPECT_TRUE(decoder.decodeBytes(file, {[](QSize full) { return full / 4; }}).ok());
  }
}

// CMYK leaves the decoder as sRGB: through its profile, else read plainly.
TEST(JpegColourTest, ConvertsCmykThroughItsProfile) {
  using Colours = JpegOptions::Colours;
  const QImage quadrants = indexedQuadrants({64, 48});
  const std::array<QRgb, 4> plain = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
  // The press's cyan ink takes some green: the green quadrant (cyan and yellow ink) darkens.
  const std::array<QRgb, 4> pressed = {qRgb(255, 0, 0), qRgb(0, 179, 0), qRgb(0, 0, 255),
                                       qRgb(255, 255, 255)};
  const struct {
    const char *name;
    JpegOptions options;
    std::array<QRgb, 4> expected;
  } cases[] = {
      {"Adobe CMYK, press profile",
       {.colours = Colours::Cmyk, .iccProfile = testSource("cmyk-press.icc")},
       pressed},
      {"Adobe YCCK, press profile",
       {.colours = Colours::Ycck, .iccProfile = testSource("cmyk-press.icc")},
       pressed},
      {"plain CMYK, press profile",
       {.colours = Colours::Cmyk, .adobeInvertedCmyk = false, .iccProfile = testSource("cmyk-press.icc")},
       pressed},
      {"Adobe CMYK, no profile", {.colours = Colours::Cmyk}, plain},
      {"Adobe CMYK, RGB profile",
       {.colours = Colours::Cmyk, .iccProfile = testSource("adobe-rgb.icc")},
       plain},
      {"Adobe CMYK, damaged profile", {.colours = Colours::Cmyk, .iccProfile = QByteArray(500, 'x')}, plain},
  };
  PictureDecoder decoder;
  for (const auto &[name, options, expected] : cases) {
    SCOPED_TRACE(name);
    for (const int eighths : {8, 3}) {
      DecodeRequest request;
      request.neededSize = [eighths](QSize full) { return full * eighths / 8; };
      const DecodeResult result = decoder.decodeBytes(jpegFile(quadrants, options), request);
      ASSERT_TRUE(result.ok()) << result.error.toStdString();
      const QImage &image = result.picture->image;
      EXPECT_TRUE(nearAll(quadrantColours(image), expected, 6));
      EXPECT_TRUE(result.picture->iccProfile.isEmpty()) << "a CMYK profile left on RGB pixels";
      EXPECT_EQ(image.format(), QImage::Format_RGB32);
      EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 255);
    }
  }
}
