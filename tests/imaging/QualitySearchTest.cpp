#include "imaging/QualitySearch.h"
#include "imaging/JpegError.h"

#include <gtest/gtest.h>

using namespace veltrane;

namespace {

// An encoding step whose files are `fitting` bytes up to `lastFitting` and one
// byte more above it; each file starts with its quality so the bytes kept can
// be told apart.
auto sizes(int lastFitting, qsizetype fitting) {
  return [=](int quality) {
    QByteArray bytes(quality <= lastFitting ? fitting : fitting + 1, 'x');
    bytes[0] = char(quality);
    return bytes;
  };
}

QImage stripes() {
  QImage image(120, 90, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb((x * 37) & 255, (y * 11) & 255, ((x ^ y) * 5) & 255));
  return image;
}

} // namespace

TEST(QualitySearch, TriesTheBisectionSequence) {
  const struct {
    int lastFitting;
    QList<int> tried;
    int result;
  } cases[] = {
      {62, {100, 50, 75, 62, 68, 65, 64, 63, 62}, 62},  {100, {100}, 100},
      {-1, {100, 50, 25, 12, 6, 3, 2, 1, 0}, 0},        {0, {100, 50, 25, 12, 6, 3, 2, 1, 0}, 0},
      {99, {100, 50, 75, 88, 94, 97, 98, 99, 100}, 99}, {1, {100, 50, 25, 12, 6, 3, 2, 1, 2}, 1},
  };
  for (const auto &c : cases) {
    // A file of exactly 10 kB fits a 10 kB limit.
    const QualityChoice choice = getQualityForK(10.0, sizes(c.lastFitting, 10 * 1024));
    EXPECT_EQ(choice.tried, c.tried) << c.lastFitting;
    EXPECT_EQ(choice.quality, c.result) << c.lastFitting;
    ASSERT_FALSE(choice.bytes.isEmpty());
    // The bytes handed back are those of the chosen quality, also when a
    // higher one was tried last.
    EXPECT_EQ(int(choice.bytes[0]), c.result) << c.lastFitting;
  }
}

TEST(QualitySearch, ComparesTheLimitAsAFraction) {
  // 10.5 kB fits 10.5 but not 10.49.
  const auto encodeAt = [](int) { return QByteArray(10752, 'x'); };
  EXPECT_EQ(getQualityForK(10.5, encodeAt).quality, 100);
  EXPECT_EQ(getQualityForK(10.49, encodeAt).quality, 0);
}

// Nothing fitting is the sequences' test (quality 0 and its bytes).
TEST(QualitySearch, FindsTheHighestFittingQualityOfARealPicture) {
  JpegEncoder encoder;
  const QImage surface = stripes();
  const double limitK = double(encoder.encode(surface, 70).size()) / 1024.0;
  const QualityChoice choice = getQualityForK(surface, limitK, encoder);
  EXPECT_GE(choice.quality, 70);
  EXPECT_LT(choice.quality, 100);
  EXPECT_LE(choice.bytes.size(), limitK * 1024);
  EXPECT_TRUE(choice.bytes == encoder.encode(surface, choice.quality));
  EXPECT_GT(encoder.encode(surface, choice.quality + 1).size(), limitK * 1024);
}

TEST(QualitySearch, AFailedEncodingEndsTheSearch) {
  JpegEncoder encoder;
  EXPECT_THROW(getQualityForK(QImage(), 100, encoder), JpegError);
  QList<int> tried;
  const auto failingAt50 = [&](int quality) {
    tried.append(quality);
    if (quality == 50)
      throw JpegError::encodingFailed(3);
    return QByteArray(20000, 'x');
  };
  EXPECT_THROW(getQualityForK(10, failingAt50), JpegError);
  EXPECT_EQ(tried, QList<int>({100, 50}));
}
