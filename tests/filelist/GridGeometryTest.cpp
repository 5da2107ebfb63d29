#include "filelist/GridGeometry.h"
#include "filelist/SourceList.h"

#include <QFont>
#include <gtest/gtest.h>
#include <tuple>

using namespace veltrane;

const QString kEllipsis = "\u00BB";

TEST(GridColumns, ReadAndRewriteTheSpecifications) {
  const ColumnSpec image = parseColumnSpec("Image|330");
  EXPECT_EQ(std::tuple(image.hasTitle, image.title, image.width), std::tuple(true, "Image", 330));
  const ColumnSpec bare = parseColumnSpec("120");
  EXPECT_EQ(std::tuple(bare.hasTitle, bare.width), std::tuple(false, 120));
  EXPECT_EQ(parseColumnSpec("x|-40").width, 0);
  EXPECT_EQ(withColumnWidth("Image|330", 360), "Image|360");
  EXPECT_EQ(withColumnWidth("a|b|3", 25), "a|25");
}

TEST(GridColumns, FindTheColumnAndItsBorderUnderThePointer) {
  const GridColumns columns = GridColumns::fromTable(SourceList(), 3);
  EXPECT_EQ(columns.total(), 695);
  // The content position is two pixels left of the pointer; a border belongs to the left column.
  EXPECT_EQ(columns.at(17, 0, 500).column, 1);
  const GridColumns::Hit name = columns.at(18, 0, 500);
  EXPECT_EQ(std::tuple(name.column, name.left, name.right), std::tuple(2, 15, 345));
  EXPECT_EQ(columns.at(400, 0, 500).right, 7500) << "the last column reaches far right";
  EXPECT_EQ(columns.at(0, 0, 500).column, 4);
  EXPECT_EQ(columns.at(0, 100, 500).column, 2);

  const auto resize = [&](int px, int h) {
    return showsResizeCursor(columns, columns.at(px, h, 500), px, h, 500, false);
  };
  for (const int px : {343, 347, 491}) // 491: the last column, beside the vertical bar
    EXPECT_TRUE(resize(px, 0)) << px;
  for (const int px : {342, 348, 490})
    EXPECT_FALSE(resize(px, 0)) << px;
  EXPECT_TRUE(resize(245, 100)) << "scrolled";
}

TEST(GridRows, UnderThePointerAndInViewAfterAKey) {
  EXPECT_EQ(rowAt(18, 18, 0), 0);
  EXPECT_EQ(rowAt(19, 18, 0), 1);
  EXPECT_EQ(rowAt(37, 18, 0), 2);
  EXPECT_EQ(rowAt(19, 18, 4), 2);
  EXPECT_EQ(rowAt(18, 18, 40), 0) << "the header, however far scrolled";
  // 300 pixels high, rows of 18: row 16 still shows, row 17 scrolls one row.
  EXPECT_EQ(verticalAfterKey(15, 16, 0, 18, 300, 53), 0);
  EXPECT_EQ(verticalAfterKey(16, 17, 0, 18, 300, 53), 4);
  EXPECT_EQ(verticalAfterKey(11, 10, 40, 18, 300, 53), 30);
  // A small window: the arithmetic would leave the range on both sides.
  EXPECT_EQ(verticalAfterKey(2, 1, 0, 18, 40, 8), 0);
  EXPECT_EQ(verticalAfterKey(2, 3, 8, 18, 40, 8), 8);
}

TEST(GridScrollBars, RangesForTheDefaultColumns) {
  const ScrollRanges narrow = scrollRanges(695, {500, 300}, 30, 18);
  EXPECT_TRUE(narrow.hEnabled && narrow.vEnabled);
  EXPECT_EQ(narrow.hMaximum, 197);
  EXPECT_EQ(narrow.hPageStep, 493);
  EXPECT_EQ(narrow.vMaximum, 53);  // (540 + 26 - 300) / 5 = 53.2
  EXPECT_EQ(narrow.vPageStep, 50); // (4500 / 18 - 1) / 5 = 49.8
  EXPECT_EQ(scrollRanges(695, {692, 300}, 0, 18).hMaximum, 5);
  EXPECT_FALSE(scrollRanges(695, {900, 300}, 0, 18).hEnabled);
  // An empty list scrolls only on a surface lower than 26 pixels.
  EXPECT_FALSE(scrollRanges(695, {300, 26}, 0, 18).vEnabled);
  EXPECT_EQ(scrollRanges(695, {300, 20}, 0, 18).vMaximum, 1);
}

TEST(FitText, CutsWithTheEllipsisInsideTheColumnNeverInALetter) {
  QFont font("DejaVu Sans");
  font.setPixelSize(12);
  const QFontMetrics metrics(font);
  const QString name = "A rather long picture name from the holiday.jpg";
  const QString fitted = fitText(name, 120, metrics, kEllipsis);
  ASSERT_TRUE(fitted.endsWith(kEllipsis));
  const QString kept = fitted.chopped(1);
  EXPECT_TRUE(name.startsWith(kept));
  EXPECT_LE(metrics.horizontalAdvance(fitted), 118);
  EXPECT_GT(metrics.horizontalAdvance(name.left(kept.size() + 1) + kEllipsis), 118) << "as much as fits";
  const int whole = metrics.horizontalAdvance(name);
  EXPECT_EQ(fitText(name, whole + 2, metrics, kEllipsis), name);
  EXPECT_TRUE(fitText(name, whole + 1, metrics, kEllipsis).endsWith(kEllipsis));
  EXPECT_EQ(fitText(name, 5, metrics, kEllipsis), kEllipsis);

  // Pairs of UTF-16 units (a face; a letter and its accent) stay together.
  const QString faces = QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x98\x81").repeated(4);
  const QString accents = QString::fromUtf8("e\xCC\x81").repeated(30);
  for (int width = 3; width < 60; ++width) {
    EXPECT_EQ(fitText(faces, width, metrics, kEllipsis).chopped(1).size() % 2, 0) << width;
    EXPECT_EQ(fitText(accents, width, metrics, kEllipsis).chopped(1).size() % 2, 0) << width;
  }
}
