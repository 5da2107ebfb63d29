#include "imaging/ColourProfile.h"
#include "ColourReference.h"
#include "TestData.h"

#include <gtest/gtest.h>
#include <lcms2.h>
#include <thread>

using namespace veltrane;
using test::colourDifference;
using test::convertedExactly;

namespace {

bool allOpaque(const QImage &picture) {
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qAlpha(picture.pixel(x, y)) != 255)
        return false;
  return true;
}

// The grey profile with its curve's gamma (s15.16) set: more profiles than the cache keeps.
QByteArray greyOfGamma(double gamma) {
  QByteArray profile = test::testSource("grey-gamma-1.icc");
  const qsizetype at = profile.indexOf("para") + 12;
  const auto fixed = quint32(gamma * 65536);
  for (int i = 0; i < 4; ++i)
    profile[at + i] = char(fixed >> (24 - 8 * i));
  return profile;
}

} // namespace

// A photo in a wide-gamut space: its stored pixels differ plainly from the
// sRGB picture, and the conversion brings them back to within what 8-bit
// rounding explains.
TEST(ColourProfileTest, ConvertsWideGamutPhotosToSrgb) {
  const QImage sweep = test::colourSweep({240, 160});
  const struct {
    const char *name;
    QByteArray profile;
  } cases[] = {{"Adobe RGB", test::testSource("adobe-rgb.icc")},
               {"Display P3", test::testSource("display-p3.icc")}};
  ColourProfiles profiles;
  for (const auto &[name, profile] : cases) {
    SCOPED_TRACE(name);
    const QImage stored = convertedExactly(sweep, {}, profile);
    EXPECT_GT(colourDifference(stored, sweep).mean, 4) << "a test picture the conversion cannot be seen on";
    QImage picture = stored;
    ASSERT_TRUE(profiles.convertToSrgb(picture, profile).ok());
    const test::ColourDifference reference = colourDifference(picture, convertedExactly(stored, profile, {}));
    EXPECT_LT(reference.mean, 1.0);
    EXPECT_LT(reference.max, 4.0);
    const test::ColourDifference original = colourDifference(picture, sweep);
    EXPECT_LT(original.mean, 2.0);
    EXPECT_LT(original.max, 6.0);
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_TRUE(allOpaque(picture));
    const auto conversion = profiles.conversionToSrgb(profile);
    ASSERT_TRUE(conversion.ok());
    EXPECT_FALSE((*conversion)->changesNothing());
    EXPECT_TRUE((*conversion)->fitsRgbJpeg());
  }
}

TEST(ColourProfileTest, SrgbAndNoProfileChangeNothing) {
  const QImage sweep = test::colourSweep({64, 48});
  ColourProfiles profiles;
  for (const QByteArray &profile : {QByteArray(), test::testSource("srgb.icc")}) {
    const auto conversion = profiles.conversionToSrgb(profile);
    ASSERT_TRUE(conversion.ok());
    EXPECT_TRUE((*conversion)->changesNothing());
    QImage picture = sweep;
    ASSERT_TRUE(profiles.convertToSrgb(picture, profile).ok());
    EXPECT_EQ(picture, sweep);
  }
}

TEST(ColourProfileTest, GreyProfilesConvertGreyPictures) {
  // A linear grey: its middle level is sRGB's 188.
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(qRgb(128, 128, 128));
  ColourProfiles profiles;
  ASSERT_TRUE(profiles.convertToSrgb(picture, test::testSource("grey-gamma-1.icc")).ok());
  const QRgb pixel = picture.pixel(3, 3);
  EXPECT_NEAR(qRed(pixel), 188, 2);
  EXPECT_EQ(qRed(pixel), qGreen(pixel));
  EXPECT_EQ(qRed(pixel), qBlue(pixel));
  EXPECT_TRUE(allOpaque(picture));
  // Not an RGB profile: an RGB file cannot carry it as it is.
  EXPECT_FALSE((*profiles.conversionToSrgb(test::testSource("grey-gamma-2.2.icc")))->fitsRgbJpeg());
}

TEST(ColourProfileTest, UnusableProfilesLeaveThePixelsAndSayWhy) {
  const QByteArray adobe = test::testSource("adobe-rgb.icc");
  QByteArray badTag = adobe;
  badTag.replace(adobe.indexOf("rXYZ"), 4, "zzzz"); // no red primary left
  cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
  cmsUInt32Number labSize = 0;
  cmsSaveProfileToMem(lab, nullptr, &labSize);
  QByteArray labProfile(qsizetype(labSize), '\0');
  cmsSaveProfileToMem(lab, labProfile.data(), &labSize);
  cmsCloseProfile(lab);

  const struct {
    const char *name;
    QByteArray profile;
    StoredColours stored;
    QString reason;
  } cases[] = {
      {"garbage", QByteArray(300, 'x'), StoredColours::Rgb32, "the colour profile is damaged"},
      {"cut short", adobe.left(200), StoredColours::Rgb32, "the colour profile is damaged"},
      {"header only", adobe.left(128), StoredColours::Rgb32, "the colour profile is damaged"},
      {"tag missing", badTag, StoredColours::Rgb32, "the colour profile cannot be converted to sRGB"},
      {"CMYK on RGB", test::testSource("cmyk-press.icc"), StoredColours::Rgb32,
       "the colour profile is for CMYK pictures, not RGB ones"},
      {"RGB on CMYK", adobe, StoredColours::Cmyk, "the colour profile is for RGB pictures, not CMYK ones"},
      {"Lab", labProfile, StoredColours::Rgb32, "the colour profile is for Lab pictures, not RGB ones"},
      {"no CMYK profile", {}, StoredColours::InvertedCmyk, "there is no colour profile"},
  };
  const QImage sweep = test::colourSweep({32, 32});
  ColourProfiles profiles;
  for (const auto &[name, profile, stored, reason] : cases) {
    SCOPED_TRACE(name);
    const auto conversion = profiles.conversionToSrgb(profile, stored);
    EXPECT_FALSE(conversion.ok());
    EXPECT_EQ(conversion.reason(), reason);
    if (stored == StoredColours::Rgb32) {
      QImage picture = sweep;
      const Result<void> converted = profiles.convertToSrgb(picture, profile);
      EXPECT_EQ(converted.reason(), reason); // the refusal is kept, and said again
      EXPECT_EQ(picture, sweep);
    }
  }
}

TEST(ColourProfileTest, CmykThroughItsProfile) {
  ColourProfiles profiles;
  const QByteArray press = test::testSource("cmyk-press.icc");
  // Full cyan, and white, as stored plain and as Adobe stores them.
  const uchar plain[8] = {255, 0, 0, 0, 0, 0, 0, 0};
  const uchar inverted[8] = {0, 255, 255, 255, 255, 255, 255, 255};
  for (const auto &[stored, cmyk] :
       {std::pair{StoredColours::Cmyk, plain}, {StoredColours::InvertedCmyk, inverted}}) {
    const auto conversion = profiles.conversionToSrgb(press, stored);
    ASSERT_TRUE(conversion.ok()) << conversion.reason().toStdString();
    quint32 rgb[2] = {};
    (*conversion)->convertRow(cmyk, reinterpret_cast<uchar *>(rgb), 2);
    EXPECT_NEAR(qRed(rgb[0]), 0, 3);
    EXPECT_NEAR(qGreen(rgb[0]), 179, 4);
    EXPECT_NEAR(qBlue(rgb[0]), 255, 3);
    EXPECT_EQ(rgb[1], 0xFFFFFFFFu);
    EXPECT_EQ(qAlpha(rgb[0]), 255);
  }
}

// Threads share the conversions; one made before many others were kept
// after it still works while its holder keeps it.
TEST(ColourProfileTest, SharedBetweenThreadsAndOutlivesTheCache) {
  ColourProfiles profiles;
  const QByteArray adobe = test::testSource("adobe-rgb.icc");
  const QImage stored = convertedExactly(test::colourSweep({200, 100}), {}, adobe);
  QImage expected = stored;
  ASSERT_TRUE(profiles.convertToSrgb(expected, adobe).ok());
  const auto held = *profiles.conversionToSrgb(adobe);

  std::vector<QImage> results(4, stored);
  std::vector<std::thread> threads;
  for (QImage &picture : results)
    threads.emplace_back([&] {
      for (int round = 0; round < 20; ++round) {
        QImage copy = stored;
        (void)profiles.convertToSrgb(copy, round % 2 ? adobe : greyOfGamma(1.0 + round / 10.0));
        if (round % 2)
          picture = copy;
      }
    });
  for (std::thread &thread : threads)
    thread.join();
  for (const QImage &picture : results)
    EXPECT_EQ(picture, expected);

  QImage again = stored;
  held->convertPicture(again);
  EXPECT_EQ(again, expected);
}
