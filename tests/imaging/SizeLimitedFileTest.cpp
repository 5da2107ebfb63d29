#include "imaging/SizeLimitedFile.h"
#include "TestPictures.h"
#include "imaging/QualitySearch.h"

#include <gtest/gtest.h>

using namespace veltrane;
using veltrane::test::noisePicture;

// Noise does not compress: even quality 0 needs more than these limits at
// full size, so the picture is made smaller until it fits, keeping its shape.
TEST(SizeLimitedFile, ShrinksUntilTheWholeFileFits) {
  const QImage picture = noisePicture({800, 600});
  JpegPictureEncoder encoder;
  for (const double limitK : {8.0, 5.0, 1.5}) {
    SCOPED_TRACE(limitK);
    JpegExtras extras;
    extras.markers = {{0xE1, QByteArray(300, 'x')}};
    const Result<SizeLimitedFile> fitted = encodeWithinLimit(picture, limitK, extras, encoder);
    ASSERT_TRUE(fitted) << fitted.reason().toStdString();
    EXPECT_LE(fitted->bytes.size(), qsizetype(limitK * 1024));
    EXPECT_TRUE(fitted->shrunk);
    EXPECT_FALSE(fitted->extrasDropped);
    EXPECT_TRUE(fitted->bytes.contains(QByteArray(300, 'x')));
    EXPECT_LT(fitted->size.width(), 800);
    EXPECT_NEAR(double(fitted->size.width()) / fitted->size.height(), 800.0 / 600, 0.05);
  }
}

TEST(SizeLimitedFile, DropsExtrasThatLeaveNoRoomAndFailsWhatNothingMeets) {
  JpegPictureEncoder encoder;
  JpegExtras extras;
  extras.iccProfile = QByteArray(6000, 'p');
  const Result<SizeLimitedFile> fitted = encodeWithinLimit(noisePicture({64, 48}), 5, extras, encoder);
  ASSERT_TRUE(fitted) << fitted.reason().toStdString();
  EXPECT_TRUE(fitted->extrasDropped);
  EXPECT_FALSE(fitted->bytes.contains("ICC_PROFILE"));
  EXPECT_LE(fitted->bytes.size(), 5 * 1024);

  // Nothing is 0 kB; a picture smaller than the smallest size is not enlarged to try.
  for (const auto &[picture, limitK] :
       {std::pair{noisePicture({800, 600}), 0.0}, {noisePicture({10, 10}), 0.2}}) {
    const Result<SizeLimitedFile> none = encodeWithinLimit(picture, limitK, extras, encoder);
    ASSERT_FALSE(none);
    EXPECT_EQ(none.reason(),
              QStringLiteral("even at 16 x 16 pixels the file would be larger than %1 kB").arg(limitK));
  }
}
