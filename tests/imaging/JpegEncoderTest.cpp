#include "imaging/JpegEncoder.h"
#include "QuadrantCheck.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(JpegEncoder, EncodesThePictureTopRowFirstAndRecoversFromARefusal) {
  // Red, green / blue, white quarters: a flipped or mirrored file shows in the corners.
  JpegEncoder encoder;
  for (const QSize size : {QSize(64, 48), QSize(37, 23)}) {
    const QImage rgb = test::rgbQuadrants(size);
    // Read as they are (RGB32) and converted first (indexed): the same picture.
    EXPECT_TRUE(encoder.encode(test::indexedQuadrants(size), 95).value() == encoder.encode(rgb, 95).value());
    const QImage decoded = QImage::fromData(encoder.encode(rgb, 95).value(), "JPEG");
    ASSERT_EQ(decoded.size(), size);
    const int right = size.width() - 1, bottom = size.height() - 1;
    const QPoint corners[] = {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}};
    for (int i = 0; i < 4; ++i)
      EXPECT_TRUE(test::near(decoded.pixel(corners[i]), test::kStored[i], 24))
          << size.width() << ", corner " << i;
  }
  QImage tooWide(70000, 1, QImage::Format_RGB32);
  tooWide.fill(Qt::white);
  const Result<QByteArray> refused = encoder.encode(tooWide, 85);
  ASSERT_FALSE(refused) << "a side over 65500 pixels encoded";
  EXPECT_TRUE(refused.reason().startsWith(QStringLiteral("Failed to save to JPG ")))
      << refused.reason().toStdString();
  EXPECT_GT(refused.reason().mid(22).toInt(), 0);
  // After it, a reused encoder gives the same bytes as a fresh one.
  const QImage busy = test::noisePicture({160, 120});
  EXPECT_TRUE(encoder.encode(busy, 90).value() == JpegEncoder().encode(busy, 90).value());
}

TEST(JpegEncoder, StopsAtTheLimitButKeepsAFileThatJustFits) {
  JpegEncoder encoder;
  const QImage busy = test::noisePicture({400, 300});
  const QByteArray whole = encoder.encode(busy, 90).value();
  // Exactly the file's length fits; one byte less does not, however the
  // output buffer happens to be cut.
  for (const qsizetype limit : {whole.size(), whole.size() + 1, qsizetype(1 << 20)})
    EXPECT_TRUE(encoder.encodeWithin(busy, 90, limit).value() == whole) << limit;
  for (const qsizetype limit :
       {whole.size() - 1, qsizetype(65536), qsizetype(65535), qsizetype(100), qsizetype(0)})
    EXPECT_FALSE(encoder.encodeWithin(busy, 90, limit).value()) << limit;
  // Stopping leaves the encoder as good as new.
  EXPECT_TRUE(encoder.encode(busy, 90).value() == whole);
  // Tables made for a picture make a smaller file of the same pixels, and
  // leave none of themselves behind for the next plain encoding.
  encoder.setOptimizedCoding(true);
  const QByteArray optimized = encoder.encode(test::noisePicture({300, 200}, 7), 90).value();
  EXPECT_LT(optimized.size(), JpegEncoder().encode(test::noisePicture({300, 200}, 7), 90).value().size());
  EXPECT_EQ(QImage::fromData(optimized).size(), QSize(300, 200));
  encoder.setOptimizedCoding(false);
  EXPECT_TRUE(encoder.encode(busy, 90).value() == whole);
}

// A profile larger than one marker holds is split and read back whole; the
// markers come as given; the extras' size is what they add to the file.
TEST(JpegEncoder, WritesTheExtrasAndKnowsTheirSize) {
  const QImage picture = veltrane::test::noisePicture({64, 48});
  JpegExtras extras;
  extras.iccProfile = QByteArray(70000, 'p');
  extras.markers = {{0xE1, QByteArray("Exif\0\0rest", 10)}, {0xED, QByteArray(100, 'i')}};
  JpegEncoder encoder;
  const Result<QByteArray> plain = encoder.encode(picture, 80);
  const Result<QByteArray> withExtras = encoder.encode(picture, 80, extras);
  ASSERT_TRUE(plain && withExtras);
  EXPECT_EQ(withExtras->size() - plain->size(), extras.bytes());
  EXPECT_TRUE(withExtras->contains(QByteArray("Exif\0\0rest", 10)));
  EXPECT_EQ(withExtras->count("ICC_PROFILE"), 2);
  EXPECT_EQ(*encoder.encode(picture, 80), *plain) << "extras are not kept for the next picture";
}
