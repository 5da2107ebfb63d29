// The JPEG decoder's colour profiles: handed on with RGB pictures, used on
// CMYK ones.
#include "QuadrantCheck.h"
#include "TestData.h"
#include "TestPictures.h"
#include "imaging/PictureDecoder.h"

#include <gtest/gtest.h>
#include <string_view>

using namespace veltrane;
using namespace veltrane::test;

TEST(JpegColourTest, HandsOnTheProfileOfRgbPictures) {
  const QByteArray adobe = testSource("adobe-rgb.icc"), plainFile = testSource("quadrants-64x48.jpg");
  // One over 64 kB travels in several markers.
  const QByteArray large = adobe + QByteArray(66'000, 'p');
  QByteArray badSequence = testSource("quadrants-64x48-adobe-rgb.jpg");
  badSequence[badSequence.indexOf("ICC_PROFILE") + 12] = 3; // chunk 3 of 1
  const struct {
    const char *name;
    QByteArray file;
    QByteArray profile;
  } cases[] = {
      {"none", plainFile, {}},
      {"Adobe RGB", testSource("quadrants-64x48-adobe-rgb.jpg"), adobe},
      {"grey", testSource("quadrants-64x48-grey-icc.jpg"), testSource("grey-gamma-2.2.icc")},
      {"several markers", testSource("quadrants-64x48-large-icc.jpg"), large},
      {"chunks that do not add up", badSequence, {}},
  };
  PictureDecoder decoder;
  const QImage plain = decoder.decodeBytes(plainFile).picture->image;
  for (const auto &[name, file, profile] : cases) {
    SCOPED_TRACE(name);
    const DecodeResult result = decoder.decodeBytes(file);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.picture->iccProfile, profile);
    if (std::string_view(name) != "grey") {
      EXPECT_TRUE(showsQuadrants(result.picture->image, quadrantMiddles(plain), 2))
          << "the decoder converted what it hands on";
    }
    EXPECT_TRUE(decoder.decodeBytes(file, {[](QSize full) { return full / 4; }}).ok());
  }
}

// CMYK leaves the decoder as sRGB: through its profile, else read plainly.
TEST(JpegColourTest, ConvertsCmykThroughItsProfile) {
  // The press's cyan ink takes some green: the green quadrant (cyan and yellow ink) darkens.
  const Quadrants plain = kStored, pressed = {kRed, qRgb(0, 179, 0), kBlue, kWhite};
  const struct {
    const char *name;
    const char *file;
    Quadrants expected;
  } cases[] = {
      {"Adobe CMYK, press profile", "cmyk-press", pressed},
      {"Adobe YCCK, press profile", "ycck-press", pressed},
      {"plain CMYK, press profile", "cmyk-plain-press", pressed},
      {"Adobe CMYK, no profile", "cmyk", plain},
      {"Adobe CMYK, RGB profile", "cmyk-adobe-rgb", plain},
      {"Adobe CMYK, damaged profile", "cmyk-damaged-icc", plain},
  };
  PictureDecoder decoder;
  for (const auto &[name, file, expected] : cases) {
    SCOPED_TRACE(name);
    for (const int eighths : {8, 3}) {
      DecodeRequest request;
      request.neededSize = [eighths](QSize full) { return full * eighths / 8; };
      const DecodeResult result =
          decoder.decodeBytes(testSource(QStringLiteral("quadrants-64x48-%1.jpg").arg(file)), request);
      ASSERT_TRUE(result.ok()) << result.error.toStdString();
      EXPECT_TRUE(showsQuadrants(result.picture->image, expected, 6)); // RGB32 and opaque too
      EXPECT_TRUE(result.picture->iccProfile.isEmpty()) << "a CMYK profile left on RGB pixels";
    }
  }
}
