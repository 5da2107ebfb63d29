#include "imaging/PicturePreparer.h"
#include "ColourReference.h"
#include "TempFolder.h"
#include "TestData.h"
#include "TestPictures.h"
#include "imaging/FrameLibrary.h"
#include "imaging/PhotoMetadata.h"
#include "imaging/PictureDecoder.h"
#include "imaging/Scaling.h"
#include "presets/FrameList.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>
#include <QPainter>
#include <gtest/gtest.h>

using namespace veltrane;
using test::averageColour;
using test::near;

namespace {

// Through Qt's JPEG writer, which embeds the picture's colour space as its profile.
QByteArray jpegOf(QImage picture, const QByteArray &profile = {}) {
  if (!profile.isEmpty())
    picture.setColorSpace(QColorSpace::fromIccProfile(profile));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(92);
  EXPECT_TRUE(writer.write(picture));
  return bytes;
}

// The job's limits in pixels; none: no limit on that side.
ResizeJob box(std::optional<double> maxWidth, std::optional<double> maxHeight, int frame = kNoFrameEntry) {
  ResizeJob job;
  job.maxWidth = maxWidth;
  job.maxHeight = maxHeight;
  job.frame = frame;
  return job;
}

class PicturePreparerTest : public ::testing::Test {
protected:
  // A red frame 1000 x 750 whose window (100,75)-(900,675) is marked green, and the library rescanned.
  QString writeFrame(const QString &fileName) {
    QImage frame(1000, 750, QImage::Format_RGB32);
    frame.fill(Qt::red);
    QPainter(&frame).fillRect(QRect(100, 75, 800, 600), Qt::green);
    const QString path = test::writeImage(temp.file(QStringLiteral("frames/") + fileName), frame);
    frames = FrameLibrary::scan({temp.file("frames")}, decoder);
    return path;
  }
  PrepareResult prepare(const QString &path, const ResizeJob &job, MemoryBudget *budget = nullptr,
                        const PhotoOptions &photo = {}) {
    return PicturePreparer(frames, {1024, 768})
        .preparePicture(decoder, path, job, frames.entries(), budget, photo);
  }

  test::TempFolder temp;
  PictureDecoder decoder;
  FrameLibrary frames;
};

} // namespace

// The sizes themselves are PreparedSize's test; these check the picture made to them.
TEST_F(PicturePreparerTest, ScalesToTheJobsBoxOrRefuses) {
  const QString photo = test::writePicture(temp.file("photo.jpg"), {1600, 1200}, Qt::blue);
  PrepareResult result = prepare(photo, box(800, std::nullopt));
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  EXPECT_EQ(result.picture->image.size(), QSize(800, 600));
  EXPECT_EQ(result.picture->sourceSize, QSize(1600, 1200));
  EXPECT_TRUE(near(averageColour(result.picture->image, {0, 0, 800, 600}), Qt::blue, 12));
  // Enlarged as readily as reduced, and doubled separators are collapsed.
  result = prepare(temp.path() + "//photo.jpg", box(3200, std::nullopt));
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.picture->image.size(), QSize(3200, 2400));
  EXPECT_EQ(prepare(photo, box(std::nullopt, std::nullopt)).picture->image.size(), QSize(1600, 1200));

  EXPECT_EQ(prepare(photo, box(0, 600)).error, "the job gives this picture no size (0 x 600 pixels)");
  result = prepare(photo, box(100000, 100000));
  EXPECT_EQ(result.error,
            "the job makes this picture too large (100000 x 100000 pixels; at most 250 megapixels)");
  EXPECT_TRUE(result.refusedByJob); // the job's fault, not the file's
  result = prepare(temp.file("missing.jpg"), box(80, 60));
  EXPECT_EQ(result.error, "file not found");
  EXPECT_FALSE(result.refusedByJob);
  EXPECT_EQ(result.failedPath, temp.file("missing.jpg"));
}

TEST_F(PicturePreparerTest, ReducesWithoutAliasing) {
  // One-pixel black and white stripes must average to grey, not to stripes.
  QImage stripes(1600, 1200, QImage::Format_RGB32);
  for (int y = 0; y < 1200; ++y)
    for (int x = 0; x < 1600; ++x)
      stripes.setPixel(x, y, (x % 2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
  const PrepareResult result = prepare(test::writeImage(temp.file("stripes.bmp"), stripes), box(300, {}));
  ASSERT_TRUE(result.ok());
  int darkest = 255, lightest = 0;
  for (int x = 10; x < 290; ++x) {
    darkest = std::min(darkest, qGreen(result.picture->image.pixel(x, 100)));
    lightest = std::max(lightest, qGreen(result.picture->image.pixel(x, 100)));
  }
  EXPECT_GT(darkest, 100);
  EXPECT_LT(lightest, 155);
}

TEST_F(PicturePreparerTest, DrawsThePictureIntoTheFramesWindow) {
  writeFrame(QStringLiteral("Test_100-75-900-675.bmp"));
  const QString photo = test::writePicture(temp.file("photo.jpg"), {400, 300}, Qt::blue);
  for (int entry : {kTryAllEntry, kFirstFrameEntry}) {
    const PrepareResult result = prepare(photo, box(800, 600, entry));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const QImage &image = result.picture->image;
    EXPECT_EQ(image.size(), QSize(800, 600));
    EXPECT_TRUE(near(averageColour(image, {0, 0, 800, 50}), Qt::red, 12));
    EXPECT_TRUE(near(averageColour(image, {82, 62, 636, 476}), Qt::blue, 12));
    // No green of the frame's window shows around the picture.
    EXPECT_TRUE(near(image.pixelColor(79, 300), Qt::red, 60));
    EXPECT_TRUE(near(image.pixelColor(81, 300), Qt::blue, 60));
    EXPECT_TRUE(near(image.pixelColor(400, 541), Qt::red, 60));
  }
  // No limits with a frame: the source's own size.
  EXPECT_EQ(prepare(photo, box({}, {}, kFirstFrameEntry)).picture->image.size(), QSize(400, 300));
}

TEST_F(PicturePreparerTest, AFrameThatCannotBeUsedFailsThePicture) {
  const QString bad = writeFrame(QStringLiteral("Bad_100-75.bmp"));
  const QString gone = writeFrame(QStringLiteral("Gone_100-75-900-675.bmp"));
  const QString empty = writeFrame(QStringLiteral("Empty_100-75-100-675.bmp"));
  ASSERT_EQ(frames.names(), (QStringList{"Bad", "Empty", "Gone"}));
  QFile::remove(gone);
  const QString photo = test::writePicture(temp.file("photo.jpg"), {400, 300});
  const struct {
    int entry;
    QString error, failedPath;
  } cases[] = {
      {2, "the frame file name \"Bad_100-75.bmp\" does not give its window (name_left-top-right-bottom.ext)",
       bad},
      {3, "the frame's window is empty at 800 x 600 pixels", empty},
      {4, "the frame cannot be read: file not found", gone},
      {7, "the frame \"\" is not installed", photo},
  };
  for (const auto &c : cases) {
    const PrepareResult result = prepare(photo, box(800, 600, c.entry));
    EXPECT_EQ(result.error, c.error) << c.entry;
    EXPECT_EQ(result.failedPath, c.failedPath) << c.entry;
  }
}

// The decode's reservation covers the copies the preparation makes, and once
// the source is let go, only the result and the encoder's copy stay held.
TEST_F(PicturePreparerTest, APreparedPictureHoldsItsResultUntilItIsWritten) {
  const QString gif = temp.write("photo.gif", test::testSource("quadrants-400x300.gif"));
  const QString camera = temp.write("camera.jpg", test::testSource("camera.jpg"));
  MemoryBudget budget(qint64(1) << 30);
  for (const QString &photo : {gif, camera}) {
    {
      const PrepareResult result = prepare(photo, box(100, {}), &budget);
      ASSERT_TRUE(result.ok()) << result.error.toStdString();
      const QSize size = result.picture->image.size();
      // With what reading the source's metadata for the file will take: none for a GIF.
      EXPECT_EQ(budget.held(),
                size.width() * size.height() * 4 + metadataReadingMemory(photo, MetadataPolicy::NoLocation));
    }
    EXPECT_EQ(budget.held(), 0);
  }
}

// A photo in Adobe RGB comes out in sRGB, scaled or untouched; with the
// profile kept its pixels stay as stored and the profile goes with them,
// unless a frame (sRGB art) is drawn around it.
TEST_F(PicturePreparerTest, ConvertsColourProfilesOrKeepsThem) {
  const QByteArray adobe = test::testSource("adobe-rgb.icc");
  const QImage sweep = test::colourSweep({480, 320});
  const QImage stored = test::convertedExactly(sweep, {}, adobe);
  const QString tagged = temp.write("adobe.jpg", jpegOf(stored, adobe));
  const QString untagged = temp.write("untagged.jpg", jpegOf(stored));
  const PhotoOptions keep{.keepColourProfile = true};

  for (const ResizeJob &job : {box(240, {}), box({}, {})}) {
    const QImage asStored = prepare(untagged, job).picture->image;
    const PrepareResult converted = prepare(tagged, job);
    ASSERT_TRUE(converted.ok()) << converted.error.toStdString();
    const QImage &image = converted.picture->image;
    const test::ColourDifference reference =
        test::colourDifference(image, test::convertedExactly(asStored, adobe, {}));
    EXPECT_LT(reference.mean, 1.0);
    EXPECT_LT(reference.max, 4.0);
    const QImage original = scaledPicture(sweep, image.size());
    EXPECT_LT(test::colourDifference(image, original).mean, 2.0);
    EXPECT_GT(test::colourDifference(asStored, original).mean, 4.0); // what the user saw before
    EXPECT_TRUE(converted.picture->iccProfile.isEmpty());
    EXPECT_TRUE(converted.picture->colourNote.isEmpty());

    const PrepareResult kept = prepare(tagged, job, nullptr, keep);
    ASSERT_TRUE(kept.ok());
    EXPECT_EQ(kept.picture->image, asStored);
    EXPECT_EQ(kept.picture->iccProfile, adobe);
  }

  writeFrame(QStringLiteral("Test_100-75-900-675.bmp"));
  QImage brick(400, 300, QImage::Format_RGB32);
  brick.fill(qRgb(200, 60, 40));
  const QString framed = temp.write("brick.jpg", jpegOf(test::convertedExactly(brick, {}, adobe), adobe));
  const PrepareResult result = prepare(framed, box(800, 600, kFirstFrameEntry), nullptr, keep);
  ASSERT_TRUE(result.ok());
  EXPECT_TRUE(near(averageColour(result.picture->image, {120, 90, 560, 420}), QColor(200, 60, 40), 4));
  EXPECT_TRUE(result.picture->iccProfile.isEmpty());
}

// In every format: the colours as stored, no profile written, and a note.
TEST_F(PicturePreparerTest, AnUnusableProfileLeavesTheColoursAndSaysSo) {
  const QImage sweep = test::colourSweep({160, 120});
  const QString damaged = "colours left as stored: the colour profile is damaged",
                cut = "colours left as stored: the colour profile cannot be converted to sRGB",
                lab = "colours left as stored: the colour profile is for Lab pictures, not RGB ones";
  const struct {
    QString path;
    QString note;
    bool quadrants; // the test data's red, green, blue and white, else the sweep
  } cases[] = {
      {temp.write("odd.jpg", test::testSource("sweep-160x120-garbage-icc.jpg")), damaged, false},
      {temp.write("cut.jpg", test::testSource("sweep-160x120-cut-icc.jpg")), cut, false},
      {test::testDataPath("png-profile-cut-500.png"), cut, true},
      {test::testDataPath("png-profile-lab-named-colour.png"), lab, true},
      {test::testDataPath("tiff-profile-cut-500.tif"), cut, true},
      {test::testDataPath("tiff-profile-lab-named-colour.tif"), lab, true},
  };
  for (const auto &c : cases) {
    for (const bool keepProfile : {false, true}) {
      const PrepareResult result = prepare(c.path, box({}, {}), nullptr, {.keepColourProfile = keepProfile});
      ASSERT_TRUE(result.ok()) << c.path.toStdString() << ": " << result.error.toStdString();
      const QImage &image = result.picture->image;
      if (c.quadrants) {
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0)) << c.path.toStdString();
        EXPECT_EQ(image.pixel(47, 31), qRgb(255, 255, 255)) << c.path.toStdString();
      } else {
        EXPECT_LT(test::colourDifference(image, sweep).mean, 1.5);
      }
      EXPECT_TRUE(result.picture->iccProfile.isEmpty()) << "a damaged profile written into the output";
      EXPECT_EQ(result.picture->colourNote, c.note) << c.path.toStdString();
    }
  }
}
