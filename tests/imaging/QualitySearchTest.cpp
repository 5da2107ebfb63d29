#include "imaging/QualitySearch.h"
#include "TestPictures.h"
#include "imaging/PictureEncoder.h"
#include "imaging/SizePrediction.h"

#include <QSet>
#include <cmath>
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
  // Then tables made for the picture, a few percent smaller, let higher qualities fit as well.
  const QualityChoice stepped = JpegPictureEncoder().searchQuality(surface, limitK, {}).value();
  encoder.setOptimizedCoding(true);
  EXPECT_GT(stepped.quality, choice.quality);
  EXPECT_LE(stepped.bytes.size(), limitK * 1024);
  EXPECT_TRUE(stepped.bytes == encoder.encode(surface, stepped.quality).value());
  EXPECT_GT(encoder.encode(surface, stepped.quality + 1)->size(), limitK * 1024);
  EXPECT_EQ(stepped.tried.last(), stepped.quality + 1) << "it stops at the first that does not fit";
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

// The other formats' search over files whose sizes follow a curve, stretched
// and shifted as real pictures are: the answer is always the highest quality
// that fits, found in few encodings, each setting encoded once.
TEST(QualitySearch, StepsAlongTheSizeCurveToTheHighestFittingQuality) {
  // A WebP-like curve, every fifth quality, straight between.
  const double points[] = {0.0,  0.25, 0.41, 0.54, 0.65, 0.75, 0.84, 0.92, 1.0,  1.07, 1.14,
                           1.19, 1.25, 1.31, 1.37, 1.44, 1.64, 1.86, 2.16, 2.61, 4.1};
  SizeCurve curve{};
  for (int quality = 0; quality <= 100; ++quality) {
    const int below = std::min(quality / 5, 19);
    curve[size_t(quality)] =
        points[below] + (points[below + 1] - points[below]) * (quality - below * 5) / 5.0;
  }
  const auto logSizeAt = [&](int quality) { return curve[size_t(quality)]; };
  const int settingsOf[] = {1, 3}; // one quality a setting, or three (as AVIF's quantisers)
  int searches = 0;
  int encodings = 0;
  int predicted = 80;
  for (const int share : settingsOf) {
    const auto settingOf = [share](int quality) { return quality / share; };
    for (const double stretch : {0.6, 1.0, 1.7})
      for (const double shift : {8.0, 9.5, 10.2, 11.0, 12.5, 14.0}) {
        const auto bytesAt = [&](int quality) {
          const int setting = settingOf(quality) * share; // the same file for one setting
          return qsizetype(std::exp(shift + stretch * logSizeAt(setting)));
        };
        QList<int> encoded;
        const FullEncoding encodeAt = [&](int quality) -> Result<QByteArray> {
          encoded.append(settingOf(quality));
          QByteArray bytes(bytesAt(quality), 'x');
          bytes[0] = char(quality);
          return bytes;
        };
        const double limitK = 60;
        const QualityChoice choice =
            searchQualityFrom(predicted, limitK, {1, settingOf, curve}, encodeAt).value();
        SCOPED_TRACE(testing::Message() << share << ' ' << stretch << ' ' << shift);
        int best = 0;
        for (int quality = 1; quality <= 100; ++quality)
          if (bytesAt(quality) <= 60 * 1024)
            best = quality;
        if (best == 0) {
          EXPECT_TRUE(choice.bytes.isEmpty());
          EXPECT_EQ(encoded.front(), settingOf(predicted)) << "started from the prediction";
        } else {
          EXPECT_EQ(settingOf(choice.quality), settingOf(best));
          EXPECT_EQ(choice.bytes.size(), bytesAt(best));
          predicted = choice.quality;
        }
        EXPECT_EQ(QSet<int>(encoded.begin(), encoded.end()).size(), encoded.size()) << "a setting twice";
        EXPECT_EQ(choice.tried.size(), encoded.size());
        ++searches;
        encodings += int(encoded.size());
      }
  }
  EXPECT_LE(double(encodings) / searches, 3.5);
}

// Files as big as the picture's detail says, along one curve: once a
// picture is learnt, another's first guess is its own answer, whatever its
// detail, and a picture nothing fits for starts from the lowest quality.
TEST(QualitySearch, TheFirstGuessFollowsTheDetailOfEachPicture) {
  SizeCurve curve{};
  for (int quality = 0; quality <= 100; ++quality)
    curve[size_t(quality)] = 0.02 * quality;
  const auto bytesAt = [&](double detail, int quality) {
    return qsizetype(std::exp(detail - 2.0 + curve[size_t(quality)]));
  };
  const qsizetype maxBytes = 60 * 1024;
  SizeMemory memory;
  EXPECT_EQ(memory.firstGuess(12.0, maxBytes, curve, 1), 80) << "nothing learnt yet";
  memory.learn(12.0, 70, bytesAt(12.0, 70), curve);
  for (const double detail : {11.0, 11.5, 12.0, 12.5}) {
    int best = 1;
    for (int quality = 1; quality <= 100; ++quality)
      if (bytesAt(detail, quality) <= maxBytes)
        best = quality;
    EXPECT_NEAR(memory.firstGuess(detail, maxBytes, curve, 1), best, 1) << detail;
  }
  EXPECT_EQ(memory.firstGuess(20.0, maxBytes, curve, 5), 5);
}

// Detail grows with the pixels and with how busy they are, not with the
// colour of a flat picture.
TEST(QualitySearch, PictureDetailGrowsWithPixelsAndBusyness) {
  QImage flat(64, 48, QImage::Format_RGB32);
  flat.fill(Qt::darkCyan);
  QImage white = flat;
  white.fill(Qt::white);
  QImage stripes = flat;
  for (int y = 0; y < stripes.height(); ++y)
    for (int x = 0; x < stripes.width(); ++x)
      stripes.setPixel(x, y, (x + y) % 2 ? 0xff000000 : 0xffffffff);
  EXPECT_DOUBLE_EQ(pictureDetail(flat), pictureDetail(white));
  EXPECT_NEAR(pictureDetail(flat.scaled(128, 96)) - pictureDetail(flat), std::log(4.0), 1e-9);
  EXPECT_GT(pictureDetail(stripes), pictureDetail(flat) + 5);
  EXPECT_GT(pictureDetail(stripes.convertToFormat(QImage::Format_RGB888)), pictureDetail(flat) + 5);
}
