#include "imaging/QualitySearch.h"
#include "TestPictures.h"

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

// An encoding step from one that always gives whole files.
LimitedEncoding limited(const std::function<QByteArray(int)> &encodeAt) {
  return [=](int quality, qsizetype maxBytes) -> Result<std::optional<QByteArray>> {
    QByteArray bytes = encodeAt(quality);
    if (bytes.size() > maxBytes)
      return std::optional<QByteArray>();
    return std::optional(bytes);
  };
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
    const QualityChoice choice = getQualityForK(10.0, limited(sizes(c.lastFitting, 10 * 1024))).value();
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
  EXPECT_EQ(getQualityForK(10.5, limited(encodeAt))->quality, 100);
  EXPECT_EQ(getQualityForK(10.49, limited(encodeAt))->quality, 0);
}

// Nothing fitting is the sequences' test (quality 0 and its bytes).
TEST(QualitySearch, FindsTheHighestFittingQualityOfARealPicture) {
  JpegEncoder encoder;
  const QImage surface = test::noisePicture({120, 90});
  const double limitK = double(encoder.encode(surface, 70)->size()) / 1024.0;
  const QualityChoice choice = getQualityForK(surface, limitK, encoder).value();
  EXPECT_GE(choice.quality, 70);
  EXPECT_LT(choice.quality, 100);
  EXPECT_LE(choice.bytes.size(), limitK * 1024);
  EXPECT_TRUE(choice.bytes == encoder.encode(surface, choice.quality).value());
  EXPECT_GT(encoder.encode(surface, choice.quality + 1)->size(), limitK * 1024);
}

TEST(QualitySearch, AFailedEncodingEndsTheSearch) {
  JpegEncoder encoder;
  EXPECT_TRUE(
      getQualityForK(QImage(), 100, encoder).reason().startsWith(QStringLiteral("Failed to save to JPG ")));
  QList<int> tried;
  const auto failingAt50 = [&](int quality, qsizetype) -> Result<std::optional<QByteArray>> {
    tried.append(quality);
    if (quality == 50)
      return failure(QStringLiteral("Failed to save to JPG 3"));
    return std::optional<QByteArray>();
  };
  EXPECT_EQ(getQualityForK(10, failingAt50).reason(), QStringLiteral("Failed to save to JPG 3"));
  EXPECT_EQ(tried, QList<int>({100, 50}));
}
