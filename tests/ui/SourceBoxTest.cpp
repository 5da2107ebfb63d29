#include "WindowTestKit.h"

namespace {

// A source box over a frame library of one red frame.
class SourceBoxTest : public ::testing::Test {
protected:
  // Waits, with the event loop running, until the box shows the last request.
  void settle() {
    for (int i = 0; i < 500 && box.busy(); ++i)
      QTest::qWait(10);
    ASSERT_FALSE(box.busy());
  }
  SourceBox::Request request(const QString &path, int frame = kNoFrameEntry) {
    JobSettings job;
    job.maxWidth = "800";
    job.maxHeight = "600";
    job.frame = qint16(frame);
    return {path, resolveJob(job, {1920, 1080}), frameListEntries(frames.names())};
  }
  static FrameLibrary redFrame(const TempFolder &folder) {
    QImage frame(1000, 750, QImage::Format_RGB32);
    frame.fill(Qt::red);
    writeImage(folder.file("frames/Test_100-75-900-675.bmp"), frame);
    PictureDecoder decoder;
    return FrameLibrary::scan({folder.file("frames")}, decoder);
  }

  TempFolder temp;
  FrameLibrary frames = redFrame(temp);
  PicturePreparer preparer{frames, QSize(1920, 1080)};
  SourceBox box{preparer, QSize(640, 480)};
};

} // namespace

TEST_F(SourceBoxTest, ShowsTheFileItsSizeOrWhyNotAndOnlyTheNewestRequest) {
  const QString big = writePicture(temp.file("big.jpg"), {1600, 1200}, Qt::blue);
  const QString tall = writePicture(temp.file("tall.jpg"), {300, 900}, Qt::green);
  const QString damaged = temp.write("damaged.jpg", QByteArray("\xFF\xD8\xFF\xE0 not really", 16));
  // The newest request wins and an outdated result is dropped.
  QList<QSize> shown;
  QObject::connect(&box, &SourceBox::changed, [&] { shown.append(box.content().size); });
  box.request(request(big));
  box.request(request(tall));
  settle();
  QTest::qWait(50); // anything still on its way arrives now
  EXPECT_EQ(shown, QList<QSize>{QSize(300, 900)});

  const struct {
    QString path;
    QSize size, shown;
    const char *reason;
  } cases[] = {
      // Decoded no larger than needed to cover the screen; the size is the file's.
      {big, {1600, 1200}, {800, 600}, ""},
      {tall, {300, 900}, {188, 563}, ""},
      {damaged, {}, {0, 0}, "truncated JPEG data"},
      {temp.file("gone.jpg"), {}, {0, 0}, "file not found"},
      {{}, {}, {0, 0}, ""}, // nothing selected
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    box.request(request(c.path));
    settle();
    EXPECT_EQ(box.content().size, c.size);
    EXPECT_EQ(box.content().picture.size(), c.shown);
    EXPECT_EQ(box.content().reason, QString::fromUtf8(c.reason));
  }
}

TEST_F(SourceBoxTest, AFrameShowsThePreparedPictureAndTryAllSaysSo) {
  const QString photo = writePicture(temp.file("photo.jpg"), {400, 300}, Qt::blue);
  box.request(request(photo, kFirstFrameEntry));
  settle();
  const QImage framed = box.content().picture;
  EXPECT_EQ(box.content().size, QSize(800, 600));
  EXPECT_TRUE(near(framed.pixelColor(400, 10), Qt::red, 40));

  box.request(request(photo, kTryAllEntry));
  settle();
  const QImage tryAll = box.content().picture;
  ASSERT_EQ(tryAll.size(), QSize(800, 600));
  // "TRY ALL" in white at the top, "1 FRAMES" at the bottom, both with a black
  // shadow (frame and photo are of middle lightness); the middle is the picture.
  int whiteAtTop = 0, whiteAtBottom = 0, shadow = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 800; ++x) {
      whiteAtTop += tryAll.pixelColor(x, y).lightness() > 240;
      whiteAtBottom += tryAll.pixelColor(x, 599 - y).lightness() > 240;
      shadow += (tryAll.pixelColor(x, y).lightness() < 30) + (tryAll.pixelColor(x, 599 - y).lightness() < 30);
    }
  EXPECT_GT(whiteAtTop, 500);
  EXPECT_GT(whiteAtBottom, 500);
  EXPECT_GT(shadow, 100);
  EXPECT_TRUE(framed.copy(0, 200, 800, 200) == tryAll.copy(0, 200, 800, 200));
}
