#include "WindowTestKit.h"

TEST(PreviewSizing, FollowsTheJobThePictureAndTheScreen) {
  const struct {
    bool manual;
    const char *maxWidth, *maxHeight;
    bool widthOn, heightOn, swap;
    QSize picture, inner;
    const char *caption; // nullptr: unchanged
  } cases[] = {
      {true, "800", "600", true, true, false, {1600, 1200}, {800, 600}, " PREVIEW (800 x 600)"},
      {false, "800", "600", true, true, false, {1600, 1200}, {320, 240}, nullptr}, // not manual
      // Only one side: the other follows the picture.
      {true, "400", "999", true, false, false, {1600, 1200}, {400, 300}, " PREVIEW (400 x 300)"},
      {true, "999", "300", false, true, false, {1600, 1200}, {400, 300}, " PREVIEW (400 x 300)"},
      {true, "600", "800", true, true, true, {1600, 1200}, {800, 600}, " PREVIEW (800 x 600)"}, // swapped
      // Too wide for the screen: a 320-wide box at the same proportions; too tall: 240 high.
      {true, "screen", "600", true, true, false, {1600, 1200}, {320, 188}, " PREVIEW (scale 1 : 5)"},
      {true, "300", "760", true, true, false, {900, 2000}, {95, 240}, " PREVIEW (scale 1 : 9.4)"},
      {true, "2000", "1500", true, true, false, {0, 0}, {320, 240}, " PREVIEW (no image selected)"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.maxWidth) + " x " + c.maxHeight);
    const std::optional<PreviewBox> box = previewBox(
        {c.manual, c.maxWidth, c.maxHeight, c.widthOn, c.heightOn, c.swap, {1024, 768}, c.picture, {8, 31}});
    ASSERT_TRUE(box);
    EXPECT_EQ(box->inner, c.inner);
    EXPECT_EQ(box->caption, c.caption ? std::optional(QString(c.caption)) : std::nullopt);
  }
  // An empty size box leaves the window alone.
  EXPECT_FALSE(previewBox({true, "", "600", true, true, false, {1024, 768}, {1600, 1200}, {8, 31}}));
}

// The shape the batch gives the picture, and the middle a fill keeps.
TEST(PreviewSizing, FitFillAndNeverEnlargeShapeItAsTheBatchSizesThePicture) {
  const struct {
    bool heightOn, swap;
    BoxMode mode;
    bool neverEnlarge;
    QSize picture, inner;
    QRectF shown;
  } cases[] = {
      {true, false, BoxMode::Fit, false, {1200, 1600}, {450, 600}, {0, 0, 1, 1}},
      {true, true, BoxMode::Fit, false, {1200, 1600}, {600, 800}, {0, 0, 1, 1}},
      // An upright picture turns the box, as the batch turns it.
      {true, true, BoxMode::Stretch, false, {1200, 1600}, {600, 800}, {0, 0, 1, 1}},
      {true, false, BoxMode::Fill, false, {1600, 1600}, {800, 600}, {0, 0.125, 1, 0.75}},
      {true, false, BoxMode::Fill, true, {500, 1000}, {500, 600}, {0, 0.2, 1, 0.6}},
      {true, false, BoxMode::Stretch, true, {400, 300}, {400, 300}, {0, 0, 1, 1}},
      {false, false, BoxMode::Fit, true, {400, 300}, {400, 300}, {0, 0, 1, 1}},
  };
  const QSize screen{1920, 1080}, frame{8, 31};
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.mode) << " " << testing::PrintToString(c.picture));
    const std::optional<PreviewBox> box = previewBox(
        {true, "800", "600", true, c.heightOn, c.swap, screen, c.picture, frame, c.mode, c.neverEnlarge});
    ASSERT_TRUE(box);
    EXPECT_EQ(box->inner, c.inner);
    EXPECT_EQ(box->shownPart, c.shown);
    EXPECT_EQ(box->caption, QString(" PREVIEW (%1 x %2)").arg(c.inner.width()).arg(c.inner.height()));
  }
}

// A picture with transparency lies over checkers when the format written
// keeps it, and on white, as the batch flattens it, when it does not.
TEST(PreviewPainting, TransparencyShowsAsTheFormatWritesIt) {
  QImage picture(16, 16, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  for (int y = 0; y < 16; ++y)
    for (int x = 8; x < 16; ++x)
      picture.setPixelColor(x, y, Qt::red);
  const auto painted = [](const QImage &source, bool kept, QRectF part) {
    QImage canvas(32, 32, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    drawPreviewPicture(painter, canvas.rect(), source, part, kept);
    return canvas;
  };
  const QImage kept = painted(picture, true, {0, 0, 1, 1});
  EXPECT_EQ(kept.pixelColor(2, 2), QColor(255, 255, 255));
  EXPECT_EQ(kept.pixelColor(10, 2), QColor(204, 204, 204));
  EXPECT_EQ(kept.pixelColor(2, 10), QColor(204, 204, 204));
  EXPECT_EQ(kept.pixelColor(28, 2), QColor(Qt::red));
  const QImage flattened = painted(picture, false, {0, 0, 1, 1});
  EXPECT_EQ(flattened.pixelColor(10, 2), QColor(255, 255, 255));
  EXPECT_EQ(flattened.pixelColor(28, 2), QColor(Qt::red));
  // Only the part shown: the right half, stretched over the whole area.
  EXPECT_EQ(painted(picture, true, {0.5, 0, 0.5, 1}).pixelColor(2, 2), QColor(Qt::red));
}

TEST(PreviewSizing, WindowsOverlapBeyondTheMargins) {
  const struct {
    QRect preview;
    bool over;
  } cases[] = {
      {{300, 300, 320, 240}, true},  // in the middle
      {{900, 100, 320, 240}, false}, // beside it
      {{696, 300, 320, 240}, false}, // its right edge reaches 4 pixels in: not enough
      {{695, 300, 320, 240}, true},
      {{-214, 300, 320, 240}, false}, // left of it, reaching 6 pixels in
      {{-213, 300, 320, 240}, true},
      {{300, -103, 320, 240}, false}, // above it, down to the main window's caption
      {{300, -102, 320, 240}, true},
  };
  for (const auto &c : cases)
    EXPECT_EQ(windowsOverlap({100, 100, 600, 400}, c.preview, {4, 6, 4, 31 + 6}), c.over)
        << c.preview.x() << ", " << c.preview.y();
}

TEST(SizeChangeHandler, TheSizeThatIsOffFollowsThePicturesProportions) {
  const struct {
    SizeChangeInput input; // the sizes, which are on, the screen, the picture, the borders
    const char *derivedX, *derivedY;
    bool manualEnabled;
  } cases[] = {
      {{"800", "123", 1, 0, {1920, 1080}, {320, 240}, {6, 25}}, "800", "600", true},
      {{"1", "600", 0, 1, {1920, 1080}, {320, 240}, {0, 0}}, "800", "600", true},
      // Rounded down: 1000 x 3 / 7 = 428.57.
      {{"1000", "", 1, 0, {1920, 1080}, {700, 300}, {0, 0}}, "1000", "428", true},
      // "screen" is the screen's side; 1600 wide does not fit strictly inside 1600.
      {{"screen", "", 1, 0, {1600, 1200}, {320, 240}, {0, 0}}, "screen", "1200", false},
      // Both off: both show the picture's own size; both on: nothing derived.
      {{"5", "6", 0, 0, {1920, 1080}, {320, 240}, {0, 0}}, "320", "240", true},
      {{"1900", "700", 1, 1, {1920, 1080}, {320, 240}, {30, 0}}, "1900", "700", false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE((c.input.maxWidth + " " + c.input.maxHeight).toStdString());
    const SizeChangeResult result = deriveSizes(c.input);
    EXPECT_EQ(result.maxWidth, c.derivedX);
    EXPECT_EQ(result.maxHeight, c.derivedY);
    EXPECT_EQ(result.manualEnabled, c.manualEnabled);
  }
}

TEST(SizeChangeHandler, SizeBoxesTakeDigitsAndAreRepairedBelowOne) {
  for (const QChar c : QStringLiteral("0123456789\b\t"))
    EXPECT_TRUE(isSizeKeyAllowed(c)) << int(c.unicode());
  for (const QChar c : QStringLiteral("a.%- x"))
    EXPECT_FALSE(isSizeKeyAllowed(c)) << int(c.unicode());
  const std::pair<const char *, const char *> repairs[] = {
      {"", "1"}, {"0", "1"}, {"0.5", "1"}, {"screen", "screen"}, {"Screen", "1"}, {"640", "640"}};
  for (const auto &[text, repaired] : repairs)
    EXPECT_EQ(repairedSize(text), repaired) << text;
}

// Every member of every job field, changed alone, reaches the running job,
// and nothing else does (the quality the batch found stays): a field the
// table gains is merged without more code.
TEST(JobSync, EveryFieldTheUserChangesReachesTheRunningJob) {
  const JobSettings before;
  JobSettings running = before;
  running.fixedQuality = QStringLiteral("72");
  for (const JobField &field : jobFields())
    for (const JobMember &member : field.members) {
      JobSettings after = before;
      JobSettings expected = running;
      std::visit(
          [&](auto JobSettings::*each) {
            using Value = std::remove_reference_t<decltype(after.*each)>;
            if constexpr (std::is_same_v<Value, QString>)
              after.*each += QStringLiteral("x");
            else
              after.*each = Value(!(after.*each));
            expected.*each = after.*each;
          },
          member);
      JobSettings target = running;
      mergeChangedFields(target, before, after);
      EXPECT_EQ(target, expected) << field.name.toStdString();
    }
}
