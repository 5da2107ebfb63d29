#include "batch/IndexSheet.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

using namespace veltrane;
using test::averageColour;

namespace {

SheetGrid grid(int across, int down) { return {across, down}; }

SheetCaptions captions(bool names = false, bool size = false, bool kilobytes = false) {
  return {names, size, kilobytes};
}

QImage solid(QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// A sheet writer that keeps the last sheet instead of writing it.
IndexSheet::SheetWriter keepIn(QImage &last) {
  return [&last](const QImage &canvas, const QString &path) {
    last = canvas;
    return path;
  };
}

} // namespace

// How many sheets a batch writes, and their names, are the batch engine's test.
TEST(IndexSheet, LayoutFollowsTheScreenAndGrid) {
  IndexSheet sheet({1024, 768}, {}, grid(4, 3), false, "/out", ".jpg", {});
  EXPECT_EQ(sheet.cellWidth(), 226);
  EXPECT_EQ(sheet.cellHeight(), 229);
  EXPECT_EQ(sheet.pictureRect({800, 600}, 1, 1), QRectF(0, 59.5, 226, 169.5));
  EXPECT_EQ(sheet.pictureRect({600, 800}, 1, 1), QRectF(27.125, 0, 171.75, 229));
  EXPECT_EQ(sheet.pictureRect({800, 600}, 2, 1).x(), 266);
  IndexSheet captioned({1024, 768}, {}, grid(4, 3), true, "/out", ".jpg", {});
  EXPECT_GT(captioned.captionHeight(), 6);
  EXPECT_EQ(captioned.cellHeight(), std::floor((768 - 80 - captioned.captionHeight()) / 3));
  EXPECT_EQ(sheetFileName(12), QStringLiteral("_INDEX12.jpg"));
  EXPECT_EQ(sheetFileName(100), QStringLiteral("_INDEX00.jpg"));
}

TEST(IndexSheet, DrawsShadowPictureAndCaptionWhereTheFormulasSay) {
  QImage last;
  IndexSheet sheet({1024, 768}, {}, grid(4, 3), false, "/out", ".jpg", keepIn(last));
  sheet.place({solid({800, 600}, Qt::red), "a.jpg", 0, {}}, captions());
  sheet.finish();
  ASSERT_EQ(last.size(), QSize(1024, 768));
  // Picture (0, 59.5) 226 x 169.5, shadow 4 pixels right and down, white around.
  EXPECT_EQ(averageColour(last, {10, 80, 200, 140}), QColor(Qt::red));
  EXPECT_EQ(last.pixelColor(228, 140), QColor(128, 128, 128));
  EXPECT_EQ(last.pixelColor(100, 231), QColor(128, 128, 128));
  EXPECT_EQ(last.pixelColor(100, 20), QColor(Qt::white));
  EXPECT_EQ(last.pixelColor(300, 100), QColor(Qt::white));
  // No caption asked for: the gap under the picture stays empty.
  EXPECT_EQ(averageColour(last, {0, 236, 226, 20}), QColor(Qt::white));

  // With names on, the caption is printed in the gap, centred on the cell.
  IndexSheet captioned({1024, 768}, {}, grid(4, 3), true, "/out", ".jpg", keepIn(last));
  captioned.place({solid({800, 600}, Qt::red), "holiday.jpg", 0, {}}, captions(true));
  captioned.finish();
  const int below = int(captioned.pictureRect({800, 600}, 1, 1).bottom() + 6);
  int inked = 0;
  for (int y = below; y < below + 16; ++y)
    for (int x = 0; x < 226; ++x)
      inked += last.pixelColor(x, y).lightness() < 128;
  EXPECT_GT(inked, 20);
  EXPECT_EQ(averageColour(last, {0, below, 60, 16}), QColor(Qt::white)) << "not at the left edge";
}

TEST(IndexSheet, CaptionTexts) {
  const SheetPicture picture{solid({800, 600}, Qt::red), "holiday.jpg", 251200, "Golden wood"};
  SheetPicture exact = picture;
  exact.sourceBytes = 2048;
  SheetCaptions frameNames = captions(true);
  frameNames.namesAreFrames = true;
  const struct {
    const SheetPicture &picture;
    SheetCaptions shown;
    const char *caption;
  } cases[] = {
      {picture, captions(true, true, true), "holiday (800x600) [245.3k]"},
      {picture, captions(false, true, false), "800x600"},
      {picture, captions(false, false, true), "245.3k"},
      {picture, captions(true, false, true), "holiday [245.3k]"},
      {exact, captions(false, false, true), "2k"},
      {picture, frameNames, "Golden wood"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(IndexSheet::captionText(c.picture, c.shown), QString::fromUtf8(c.caption)) << c.caption;
}
