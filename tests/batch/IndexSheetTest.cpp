#include "batch/IndexSheet.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

using namespace veltrane;
using test::averageColour;

namespace {

JobSettings grid(int across, int down, bool names, bool size, bool kilobytes) {
  JobSettings job;
  job.indexX = qint16(across - 1);
  job.indexY = qint16(down - 1);
  job.indexNames = names;
  job.indexWH = size;
  job.indexK = kilobytes;
  return job;
}

QImage solid(QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

} // namespace

TEST(IndexSheet, LayoutFollowsTheScreenAndGrid) {
  QStringList written;
  IndexSheet sheet({1024, 768}, {}, grid(4, 3, false, false, false), "/out",
                   [&](const QImage &, const QString &path) {
                     written << path;
                     return path;
                   });
  EXPECT_EQ(sheet.cellWidth(), 226);
  EXPECT_EQ(sheet.cellHeight(), 229);
  EXPECT_EQ(sheet.pictureRect({800, 600}, 1, 1), QRectF(0, 59.5, 226, 169.5));
  EXPECT_EQ(sheet.pictureRect({600, 800}, 1, 1), QRectF(27.125, 0, 171.75, 229));
  EXPECT_EQ(sheet.pictureRect({800, 600}, 2, 1).x(), 266);

  SheetStyle style;
  IndexSheet captioned({1024, 768}, style, grid(4, 3, true, false, false), "/out", {});
  EXPECT_GT(captioned.captionHeight(), 6);
  EXPECT_EQ(captioned.cellHeight(), std::floor((768 - 80 - captioned.captionHeight()) / 3));
}

TEST(IndexSheet, DrawsShadowPictureAndOutlineWhereTheFormulasSay) {
  QImage last;
  IndexSheet sheet({1024, 768}, {}, grid(4, 3, false, false, false), "/out",
                   [&](const QImage &canvas, const QString &path) {
                     last = canvas;
                     return path;
                   });
  sheet.place({solid({800, 600}, Qt::red), "a.jpg", 0, {}, {}}, grid(4, 3, false, false, false));
  sheet.finish();
  ASSERT_FALSE(last.isNull());
  EXPECT_EQ(last.size(), QSize(1024, 768));
  // Picture (0, 59.5) 226 x 169.5, shadow 4 pixels right and down, white around.
  EXPECT_EQ(averageColour(last, {10, 80, 200, 140}), QColor(Qt::red));
  EXPECT_EQ(last.pixelColor(228, 140), QColor(128, 128, 128));
  EXPECT_EQ(last.pixelColor(100, 231), QColor(128, 128, 128));
  EXPECT_EQ(last.pixelColor(100, 20), QColor(Qt::white));
  EXPECT_EQ(last.pixelColor(300, 100), QColor(Qt::white));
  // No caption asked for: the gap under the picture stays empty.
  EXPECT_EQ(averageColour(last, {0, 236, 226, 20}), QColor(Qt::white));

  // With names on, the caption is printed in the gap, centred on the cell.
  const JobSettings named = grid(4, 3, true, false, false);
  IndexSheet captioned({1024, 768}, {}, named, "/out", [&](const QImage &canvas, const QString &path) {
    last = canvas;
    return path;
  });
  captioned.place({solid({800, 600}, Qt::red), "holiday.jpg", 0, {}, {}}, named);
  captioned.finish();
  const double below = captioned.pictureRect({800, 600}, 1, 1).bottom() + 6;
  const QRect captionBand(0, int(below), 226, 16);
  int inked = 0;
  for (int y = captionBand.top(); y <= captionBand.bottom(); ++y)
    for (int x = captionBand.left(); x <= captionBand.right(); ++x)
      inked += last.pixelColor(x, y).lightness() < 128;
  EXPECT_GT(inked, 20);
  EXPECT_EQ(averageColour(last, {0, int(below), 60, 16}), QColor(Qt::white)); // centred, not at the left edge
}

TEST(IndexSheet, WritesFullSheetsAndThePartlyFilledOne) {
  QStringList written;
  const auto writer = [&](const QImage &, const QString &path) {
    written << path;
    return path;
  };
  const JobSettings job = grid(2, 1, false, false, false);
  IndexSheet sheet({400, 300}, {}, job, "/out", writer);
  for (int i = 0; i < 5; ++i)
    sheet.place({solid({40, 30}, Qt::blue), "p.jpg", 0, {}, {}}, job);
  sheet.finish();
  EXPECT_EQ(written, (QStringList{"/out/_INDEX01.jpg", "/out/_INDEX02.jpg", "/out/_INDEX03.jpg"}));
  EXPECT_EQ(sheetFileName(12), QStringLiteral("_INDEX12.jpg"));
  EXPECT_EQ(sheetFileName(100), QStringLiteral("_INDEX00.jpg"));

  // Filled exactly: nothing more at the end.
  written.clear();
  IndexSheet exact({400, 300}, {}, job, "/out", writer);
  exact.place({solid({40, 30}, Qt::blue), "p.jpg", 0, {}, {}}, job);
  exact.place({solid({40, 30}, Qt::blue), "p.jpg", 0, {}, {}}, job);
  exact.finish();
  EXPECT_EQ(written.size(), 1);
}

TEST(IndexSheet, CaptionTexts) {
  const SheetPicture picture{solid({800, 600}, Qt::red), "holiday.jpg", 251200, "Golden wood", {}};
  EXPECT_EQ(IndexSheet::captionText(picture, grid(1, 1, true, true, true)),
            QStringLiteral("holiday (800x600) [245.3k]"));
  EXPECT_EQ(IndexSheet::captionText(picture, grid(1, 1, false, true, false)), QStringLiteral("800x600"));
  EXPECT_EQ(IndexSheet::captionText(picture, grid(1, 1, false, false, true)), QStringLiteral("245.3k"));
  EXPECT_EQ(IndexSheet::captionText(picture, grid(1, 1, true, false, true)),
            QStringLiteral("holiday [245.3k]"));
  SheetPicture exact = picture;
  exact.sourceBytes = 2048;
  EXPECT_EQ(IndexSheet::captionText(exact, grid(1, 1, false, false, true)), QStringLiteral("2k"));
  SheetPicture frames = picture;
  frames.presetText = QStringLiteral("SELECT THE BEST FRAME");
  EXPECT_EQ(IndexSheet::captionText(frames, grid(1, 1, true, false, false)), QStringLiteral("Golden wood"));
}
