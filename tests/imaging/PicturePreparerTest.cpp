#include "imaging/PicturePreparer.h"
#include "TempFolder.h"
#include "TestPictures.h"
#include "imaging/FrameLibrary.h"
#include "imaging/PictureDecoder.h"
#include "presets/FrameList.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace veltrane;
using test::averageColour;

namespace {

JobSettings sizeJob(const char *maxWidth, const char *maxHeight, int xOn, int yOn) {
  JobSettings job;
  job.maxWidth = QString::fromUtf8(maxWidth);
  job.maxHeight = QString::fromUtf8(maxHeight);
  job.widthOn = qint16(xOn);
  job.heightOn = qint16(yOn);
  return job;
}

bool near(QColor a, QColor b, int tolerance = 12) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// A red frame 1000 x 750 whose window (100,75)-(900,675) is marked green.
QString writeFrame(const test::TempFolder &temp, const QString &fileName) {
  QImage frame(1000, 750, QImage::Format_RGB32);
  frame.fill(Qt::red);
  QPainter(&frame).fillRect(QRect(100, 75, 800, 600), Qt::green);
  return test::writeImage(temp.file(QStringLiteral("frames/") + fileName), frame);
}

class PreparerTest : public ::testing::Test {
protected:
  test::TempFolder temp;
  PictureDecoder decoder;
};

} // namespace

// The sizes themselves are PreparedSize's test; these check the picture made to them.
TEST_F(PreparerTest, ScalesToTheJobsBoxOrRefuses) {
  const QString photo = test::writePicture(temp.file("photo.jpg"), {1600, 1200}, Qt::blue);
  const PicturePreparer preparer(FrameLibrary{}, {1024, 768});
  const auto prepare = [&](const QString &path, const JobSettings &job) {
    return preparer.preparePicture(decoder, path, resolveJob(job, {1024, 768}), frameListEntries({}));
  };
  PrepareResult result = prepare(photo, sizeJob("800", "600", 1, 0));
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  EXPECT_EQ(result.picture->image.size(), QSize(800, 600));
  EXPECT_EQ(result.picture->sourceSize, QSize(1600, 1200));
  EXPECT_TRUE(near(averageColour(result.picture->image, {0, 0, 800, 600}), Qt::blue));
  // Enlarged as readily as reduced, and doubled separators are collapsed.
  result = prepare(temp.path() + "//photo.jpg", sizeJob("3200", "600", 1, 0));
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.picture->image.size(), QSize(3200, 2400));
  EXPECT_EQ(prepare(photo, sizeJob("800", "600", 0, 0)).picture->image.size(), QSize(1600, 1200));

  EXPECT_TRUE(prepare(photo, sizeJob("abc", "600", 1, 0)).error.contains(QStringLiteral("no size")));
  EXPECT_TRUE(prepare(photo, sizeJob("100000", "100000", 1, 1)).error.contains(QStringLiteral("too large")));
  result = prepare(temp.file("missing.jpg"), sizeJob("80", "60", 1, 1));
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.failedPath, temp.file("missing.jpg"));
}

TEST_F(PreparerTest, ReducesWithoutAliasing) {
  // One-pixel black and white stripes must average to grey, not to stripes.
  QImage stripes(1600, 1200, QImage::Format_RGB32);
  for (int y = 0; y < 1200; ++y)
    for (int x = 0; x < 1600; ++x)
      stripes.setPixel(x, y, (x % 2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
  const QString path = test::writeImage(temp.file("stripes.bmp"), stripes);
  const PicturePreparer preparer(FrameLibrary{}, {1024, 768});
  const PrepareResult result = preparer.preparePicture(
      decoder, path, resolveJob(sizeJob("300", "", 1, 0), {1024, 768}), frameListEntries({}));
  ASSERT_TRUE(result.ok());
  const QImage &image = result.picture->image;
  int darkest = 255, lightest = 0;
  for (int x = 10; x < 290; ++x) {
    darkest = std::min(darkest, qGreen(image.pixel(x, 100)));
    lightest = std::max(lightest, qGreen(image.pixel(x, 100)));
  }
  EXPECT_GT(darkest, 100);
  EXPECT_LT(lightest, 155);
}

TEST_F(PreparerTest, DrawsThePictureIntoTheFramesWindow) {
  writeFrame(temp, QStringLiteral("Test_100-75-900-675.bmp"));
  temp.write(QStringLiteral("frames/readme_1-1-1-1.txt"), "not a picture");
  temp.write(QStringLiteral("frames/nounderscore.bmp"), "whatever");
  const FrameLibrary frames = FrameLibrary::scan({temp.file("frames")}, decoder);
  ASSERT_EQ(frames.names(), QStringList{"Test"});
  const QStringList entries = frames.entries();
  const PicturePreparer preparer(frames, {1024, 768});
  const QString photo = test::writePicture(temp.file("photo.jpg"), {400, 300}, Qt::blue);

  for (int entry : {kTryAllEntry, kFirstFrameEntry}) {
    JobSettings job = sizeJob("800", "600", 1, 1);
    job.frame = qint16(entry);
    const PrepareResult result =
        preparer.preparePicture(decoder, photo, resolveJob(job, {1024, 768}), entries);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const QImage &image = result.picture->image;
    EXPECT_EQ(image.size(), QSize(800, 600));
    EXPECT_TRUE(near(averageColour(image, {0, 0, 800, 50}), Qt::red));
    EXPECT_TRUE(near(averageColour(image, {82, 62, 636, 476}), Qt::blue));
    // No green of the frame's window shows around the picture.
    EXPECT_TRUE(near(image.pixelColor(79, 300), Qt::red, 60));
    EXPECT_TRUE(near(image.pixelColor(81, 300), Qt::blue, 60));
    EXPECT_TRUE(near(image.pixelColor(400, 541), Qt::red, 60));
  }
  // No limits with a frame: the source's own size.
  JobSettings job = sizeJob("", "", 0, 0);
  job.frame = kFirstFrameEntry;
  EXPECT_EQ(
      preparer.preparePicture(decoder, photo, resolveJob(job, {1024, 768}), entries).picture->image.size(),
      QSize(400, 300));
}

TEST_F(PreparerTest, AFrameThatCannotBeUsedFailsThePicture) {
  writeFrame(temp, QStringLiteral("Bad_100-75.bmp"));
  const QString gone = writeFrame(temp, QStringLiteral("Gone_100-75-900-675.bmp"));
  const FrameLibrary frames = FrameLibrary::scan({temp.file("frames")}, decoder);
  const QStringList entries = frames.entries();
  ASSERT_EQ(entries.size(), 4);
  QFile::remove(gone);
  const PicturePreparer preparer(frames, {1024, 768});
  const QString photo = test::writePicture(temp.file("photo.jpg"), {400, 300});
  for (int entry : {2, 3, 7}) {
    JobSettings job = sizeJob("800", "600", 1, 1);
    job.frame = qint16(entry);
    const PrepareResult result =
        preparer.preparePicture(decoder, photo, resolveJob(job, {1024, 768}), entries);
    EXPECT_FALSE(result.ok()) << entry;
    EXPECT_FALSE(result.error.isEmpty());
  }
}

TEST(FrameLibrary, ListsFramesByFileNameAndFindsTheirFiles) {
  const FrameLibrary frames =
      FrameLibrary::fromFrames({{"b", "b_1-1-9-9.jpg", "/f/b_1-1-9-9.jpg"},
                                {"a", "a_2-2-8-8.jpg", "/f/a_2-2-8-8.jpg"},
                                {"a", "a_1-1-9-9.gif", "/f/a_1-1-9-9.gif"},
                                {"old_gold", "old_gold_1-1-9-9.png", "/f/old_gold_1-1-9-9.png"}});
  EXPECT_EQ(frames.names(), (QStringList{"a", "a", "b", "old_gold"}));
  const QStringList entries = frames.entries();
  // Both "a" entries, and try-all's first, use the first file that matches "a_".
  for (const int entry : {1, 2, 3})
    EXPECT_EQ(frames.frameForEntry(entry, entries)->fileName, QStringLiteral("a_1-1-9-9.gif")) << entry;
  EXPECT_EQ(frames.frameForEntry(5, entries)->fileName, QStringLiteral("old_gold_1-1-9-9.png"));
  EXPECT_EQ(frames.frameForEntry(0, entries), nullptr);
  EXPECT_EQ(frames.frameForEntry(9, entries), nullptr);
}
