#include "filelist/GridGeometry.h"
#include "filelist/SourceList.h"

#include <QFont>
#include <gtest/gtest.h>

using namespace veltrane;

namespace {

QFontMetrics cellMetrics() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  return QFontMetrics(font);
}

const QString kEllipsis = QStringLiteral("\u00BB");

} // namespace

TEST(ColumnSpec, ReadsAndRewritesTheWidth) {
  const ColumnSpec image = parseColumnSpec(QStringLiteral("Image|330"));
  EXPECT_EQ(image.title, QStringLiteral("Image"));
  EXPECT_EQ(image.width, 330);
  EXPECT_FALSE(parseColumnSpec(QStringLiteral("120")).hasTitle);
  EXPECT_EQ(parseColumnSpec(QStringLiteral("120")).width, 120);
  EXPECT_EQ(parseColumnSpec(QStringLiteral("x|-40")).width, 0);
  EXPECT_EQ(withColumnWidth(QStringLiteral("Image|330"), 360), QStringLiteral("Image|360"));
  EXPECT_EQ(withColumnWidth(QStringLiteral("a|b|3"), 25), QStringLiteral("a|25"));
}

TEST(GridColumns, FindsTheColumnAndItsBorderUnderThePointer) {
  const GridColumns columns = GridColumns::fromTable(SourceList(), 3);
  EXPECT_EQ(columns.total(), 695);
  const auto hit = [&](int px, int h) { return columns.at(px, h, 500); };
  // The content position is two pixels left of the pointer; a border belongs to the left column.
  EXPECT_EQ(hit(17, 0).column, 1);
  EXPECT_EQ(hit(18, 0).column, 2);
  EXPECT_EQ(hit(18, 0).left, 15);
  EXPECT_EQ(hit(18, 0).right, 345);
  EXPECT_EQ(hit(400, 0).right, 7500) << "the last column reaches far right";
  EXPECT_EQ(hit(0, 0).column, 4);
  EXPECT_EQ(hit(0, 100).column, 2);

  const auto resize = [&](int px, int h) {
    return showsResizeCursor(columns, columns.at(px, h, 500), px, h, 500, false);
  };
  EXPECT_FALSE(resize(342, 0));
  EXPECT_TRUE(resize(343, 0));
  EXPECT_TRUE(resize(347, 0));
  EXPECT_FALSE(resize(348, 0));
  EXPECT_TRUE(resize(245, 100));
  EXPECT_FALSE(resize(490, 0));
  EXPECT_TRUE(resize(491, 0)) << "the last column, beside the vertical bar";
}

TEST(GridRows, RowUnderThePointer) {
  EXPECT_EQ(rowAt(18, 18, 0), 0);
  EXPECT_EQ(rowAt(19, 18, 0), 1);
  EXPECT_EQ(rowAt(37, 18, 0), 2);
  EXPECT_EQ(rowAt(19, 18, 4), 2);
  EXPECT_EQ(rowAt(18, 18, 40), 0) << "the header, however far scrolled";
}

TEST(GridScrollBars, RangesForTheDefaultColumns) {
  const ScrollRanges narrow = scrollRanges(695, {500, 300}, 30, 18);
  EXPECT_TRUE(narrow.hEnabled);
  EXPECT_EQ(narrow.hMaximum, 197);
  EXPECT_EQ(narrow.hPageStep, 493);
  EXPECT_TRUE(narrow.vEnabled);
  EXPECT_EQ(narrow.vMaximum, 53);  // (540 + 26 - 300) / 5 = 53.2
  EXPECT_EQ(narrow.vPageStep, 50); // (4500 / 18 - 1) / 5 = 49.8

  EXPECT_EQ(scrollRanges(695, {692, 300}, 0, 18).hMaximum, 5);
  const ScrollRanges wide = scrollRanges(695, {900, 300}, 0, 18);
  EXPECT_FALSE(wide.hEnabled);
  EXPECT_EQ(wide.hMaximum, 0);
  // An empty list scrolls only on a surface lower than 26 pixels.
  EXPECT_FALSE(scrollRanges(695, {300, 26}, 0, 18).vEnabled);
  EXPECT_EQ(scrollRanges(695, {300, 20}, 0, 18).vMaximum, 1);
}

TEST(FitText, CutsWithTheEllipsisInsideTheColumn) {
  const QFontMetrics metrics = cellMetrics();
  const QString name = QStringLiteral("A rather long picture name from the holiday.jpg");
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
}

TEST(FitText, NeverSplitsALetter) {
  const QFontMetrics metrics = cellMetrics();
  const QString faces = QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x98\x81").repeated(4);
  const QString accents = QString::fromUtf8("e\xCC\x81").repeated(30);
  for (int width = 3; width < 60; ++width) {
    EXPECT_EQ(fitText(faces, width, metrics, kEllipsis).chopped(1).size() % 2, 0) << width;
    EXPECT_EQ(fitText(accents, width, metrics, kEllipsis).chopped(1).size() % 2, 0) << width;
  }
}

TEST(GridKeys, BringTheRowIntoViewWithinTheBarsRange) {
  // 300 pixels high, rows of 18: row 16 still shows, row 17 scrolls one row.
  EXPECT_EQ(verticalAfterKey(15, 16, 0, 18, 300, 53), 0);
  EXPECT_EQ(verticalAfterKey(16, 17, 0, 18, 300, 53), 4);
  EXPECT_EQ(verticalAfterKey(11, 10, 40, 18, 300, 53), 30);
  // A small window: the arithmetic would leave the range on both sides.
  EXPECT_EQ(verticalAfterKey(2, 1, 0, 18, 40, 8), 0);
  EXPECT_EQ(verticalAfterKey(2, 3, 8, 18, 40, 8), 8);
}
