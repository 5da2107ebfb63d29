#include "ui/EasyGrid.h"

#include "GridEvents.h"
#include "filelist/GridGeometry.h"
#include "filelist/SourceList.h"
#include "platform/Launcher.h"

#include <QCursor>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using namespace veltrane;

namespace {

class EasyGridTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (int i = 1; i <= 30; ++i)
      table.addFile(QStringLiteral("/pics/"), QStringLiteral("IMG_%1.jpg").arg(i));
    grid = std::make_unique<EasyGrid>(table, launcher);
    grid->resize(500, 300);
    grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    surface = grid->surface();
  }

  int rowHeight() const { return grid->state().rowHeight; }
  QPoint cell(int row, int column) const {
    const GridColumns columns = GridColumns::fromTable(table, 3);
    return {columns.left(column) + 8,
            rowTop(row, rowHeight(), grid->verticalBar()->value()) + rowHeight() / 2};
  }
  QImage picture() const { return surface->grab().toImage(); }
  QRgb colour(int x, int y) const { return picture().pixel(x, y) | 0xFF000000u; }
  QRgb palette(QPalette::ColorRole role) const {
    return surface->palette().color(QPalette::Active, role).rgb();
  }

  SourceList table;
  RecordingLauncher launcher;
  std::unique_ptr<EasyGrid> grid;
  QWidget *surface = nullptr;
};

// Pixels of black text, darker than any band or line.
int inkPixels(const QImage &image, QRect area) {
  int ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      ink += qGray(image.pixel(x, y)) < 64;
  return ink;
}

const QRgb kWhite = 0xFFFFFFFFu;

} // namespace

TEST_F(EasyGridTest, PaintsTheSelectionMarksHeaderAndScrolledRows) {
  EXPECT_EQ(surface->objectName(), QStringLiteral("Grid"));
  EXPECT_EQ(grid->verticalBar()->maximum(), scrollRanges(695, surface->size(), 30, rowHeight()).vMaximum);
  const int right = surface->width() - 3;
  const int h = rowHeight();
  const QRect nameOfRow5(20, rowTop(5, h, 0) + 2, 100, h - 3);
  const int plainInk = inkPixels(picture(), nameOfRow5);
  grid->setCurrentRow(3);
  table.toggleMark(5);
  const QImage image = picture();

  EXPECT_EQ(colour(right, rowTop(3, h, 0) + h / 2), palette(QPalette::Highlight));
  EXPECT_EQ(colour(right, rowTop(4, h, 0) + h / 2), kWhite);
  EXPECT_EQ(inkPixels(image, QRect(20, rowTop(3, h, 0) + 2, 100, h - 3)), 0) << "white text on the band";
  EXPECT_GT(inkPixels(image, nameOfRow5), plainInk) << "a marked row is bold";
  EXPECT_EQ(colour(right, 10), palette(QPalette::Button));
  EXPECT_EQ(colour(right, 18), palette(QPalette::Dark));

  const int line = rowTop(6, h, 0);
  ASSERT_EQ(colour(right, line - 5), kWhite);
  grid->verticalBar()->setValue(1);
  EXPECT_EQ(colour(right, line - 5), palette(QPalette::Button)) << "one unit is five pixels";
  EXPECT_EQ(colour(right, 10), palette(QPalette::Button)) << "the header stays";
}

TEST_F(EasyGridTest, DraggingABorderResizesTheColumn) {
  QSignalSpy clicked(grid.get(), &EasyGrid::rowClicked);
  const int maximum = grid->horizontalBar()->maximum();
  QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(346, 10));
  EXPECT_TRUE(grid->state().dragging);
  EXPECT_EQ(grid->currentRow(), -1);
  EXPECT_EQ(grid->state().dragColumn, 2);
  QTest::mouseMove(surface, QPoint(376, 10));
  EXPECT_EQ(colour(376, 100), palette(QPalette::Dark)) << "the guide";
  EXPECT_EQ(table.cell(0, 2), QStringLiteral("Image|330"));
  QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(376, 10));
  EXPECT_EQ(table.cell(0, 2), QStringLiteral("Image|360"));
  EXPECT_EQ(grid->horizontalBar()->maximum(), maximum + 30);
  EXPECT_NE(colour(376, 100), palette(QPalette::Dark));

  QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(375, 10));
  QTest::mouseMove(surface, QPoint(300, 10));
  QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(300, 10));
  EXPECT_EQ(table.cell(0, 2), QStringLiteral("Image|285"));
  EXPECT_EQ(clicked.count(), 0);

  grid->setCurrentRow(4);
  QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(100, 10));
  EXPECT_FALSE(grid->state().dragging);
  EXPECT_EQ(grid->currentRow(), 0) << "a press in the header away from borders clears the selection";
}

TEST_F(EasyGridTest, ADragIsHeldAtItsLimits) {
  const QPoint elsewhere(3, 3);
  QCursor::setPos(elsewhere);
  QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(345, 10));
  QTest::mouseMove(surface, QPoint(360, 12));
  EXPECT_EQ(QCursor::pos(), elsewhere) << "an accepted move leaves the pointer alone";

  // Too narrow, then out of the header: the pointer goes back to the last good place.
  QTest::mouseMove(surface, QPoint(30, 12));
  EXPECT_EQ(QCursor::pos(), surface->mapToGlobal(QPoint(360, 12)));
  QCursor::setPos(elsewhere);
  QTest::mouseMove(surface, QPoint(370, 40));
  EXPECT_EQ(QCursor::pos(), surface->mapToGlobal(QPoint(360, 12)));

  // Released past the limit anyway: the column keeps the smallest width.
  QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(10, 40));
  EXPECT_EQ(table.cell(0, 2), QStringLiteral("Image|20"));
}

TEST_F(EasyGridTest, ThePointerShowsWhereAColumnCanBeResized) {
  test::movePointer(surface, QPoint(344, 10));
  EXPECT_EQ(surface->cursor().shape(), Qt::SplitHCursor);
  test::movePointer(surface, QPoint(200, 10));
  EXPECT_EQ(surface->cursor().shape(), Qt::ArrowCursor);
  test::movePointer(surface, QPoint(surface->width() - 4, 10));
  EXPECT_EQ(surface->cursor().shape(), Qt::SplitHCursor) << "beside the vertical bar";
  test::movePointer(surface, QPoint(344, 60));
  EXPECT_EQ(surface->cursor().shape(), Qt::ArrowCursor) << "below the header";
}

TEST_F(EasyGridTest, ClicksSelectAndToggleMarks) {
  QSignalSpy clicked(grid.get(), &EasyGrid::rowClicked);
  QSignalSpy selection(grid.get(), &EasyGrid::selectionChanged);
  QTest::mouseClick(surface, Qt::LeftButton, {}, cell(3, 2));
  EXPECT_EQ(grid->currentRow(), 3);
  EXPECT_EQ(clicked.count(), 1);
  ASSERT_EQ(selection.count(), 1);
  EXPECT_EQ(selection.first().at(0).toInt(), 3);

  QTest::mouseClick(surface, Qt::LeftButton, {}, cell(3, 1));
  EXPECT_EQ(table.cell(3, 1), QStringLiteral("*"));
  EXPECT_EQ(table.markedCount(), 1);
  QTest::mouseClick(surface, Qt::LeftButton, {}, cell(3, 1));
  EXPECT_EQ(table.cell(3, 1), QStringLiteral(" "));
  EXPECT_EQ(table.markedCount(), 0);
  EXPECT_EQ(selection.count(), 1) << "a mark is no new selection";
  QTest::mouseClick(surface, Qt::RightButton, {}, cell(5, 2));
  EXPECT_EQ(grid->currentRow(), 3);
}

TEST_F(EasyGridTest, DoubleClickAndEnterOpenTheSelectedFile) {
  QTest::mouseDClick(surface, Qt::LeftButton, {}, cell(2, 2));
  EXPECT_TRUE(launcher.launches().isEmpty()) << "nothing selected";

  QTest::mouseClick(surface, Qt::LeftButton, {}, cell(2, 1));
  QTest::mouseDClick(surface, Qt::LeftButton, {}, cell(2, 1));
  QTest::mouseRelease(surface, Qt::LeftButton, {}, cell(2, 1));
  EXPECT_EQ(table.cell(2, 1), QStringLiteral("*")) << "the double-click's release toggles nothing";
  ASSERT_EQ(launcher.launches().size(), 1);
  EXPECT_EQ(launcher.launches().first(),
            (RecordingLauncher::Launch{RecordingLauncher::Kind::File, QStringLiteral("/pics/IMG_2.jpg")}));

  QTest::keyClick(surface, Qt::Key_Down);
  QTest::keyClick(surface, Qt::Key_Return);
  ASSERT_EQ(launcher.launches().size(), 2);
  EXPECT_EQ(launcher.launches().last().target, QStringLiteral("/pics/IMG_3.jpg"));
}

TEST_F(EasyGridTest, KeysStopAtTheEndsAndKeepTheRowInView) {
  QSignalSpy selection(grid.get(), &EasyGrid::selectionChanged);
  grid->setCurrentRow(1);
  QTest::keyClick(surface, Qt::Key_Up);
  EXPECT_EQ(grid->currentRow(), 1);
  EXPECT_EQ(selection.count(), 1);
  for (int i = 0; i < 40; ++i) {
    QTest::keyClick(surface, Qt::Key_Down);
    const int v = grid->verticalBar()->value();
    ASSERT_LE(v, grid->verticalBar()->maximum());
    ASSERT_LT(rowTop(grid->currentRow(), rowHeight(), v), surface->height()) << i;
  }
  EXPECT_EQ(grid->currentRow(), 30);
  QTest::keyClick(surface, Qt::Key_Right);
  EXPECT_EQ(grid->horizontalBar()->value(), 5);
  QTest::keyClick(surface, Qt::Key_A);
  EXPECT_EQ(selection.count(), 42);

  grid->resize(300, 60);
  QApplication::processEvents();
  grid->setCurrentRow(2);
  for (int key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
    QTest::keyClick(surface, Qt::Key(key));
    EXPECT_GE(grid->verticalBar()->value(), 0);
    EXPECT_LE(grid->verticalBar()->value(), grid->verticalBar()->maximum());
  }
}

TEST_F(EasyGridTest, AcceptsDroppedLocalFilesOnly) {
  QSignalSpy dropped(grid.get(), &EasyGrid::filesDropped);
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QStringLiteral("/p/a.jpg")),
                 QUrl(QStringLiteral("https://example.org/b.jpg")),
                 QUrl::fromLocalFile(QStringLiteral("/p/c d.png"))});
  QDragEnterEvent enterFiles(QPoint(50, 50), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(surface, &enterFiles);
  EXPECT_TRUE(enterFiles.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(surface, &drop);
  ASSERT_EQ(dropped.count(), 1);
  EXPECT_EQ(dropped.first().at(0).toStringList(),
            (QStringList{QStringLiteral("/p/a.jpg"), QStringLiteral("/p/c d.png")}));

  QMimeData web;
  web.setUrls({QUrl(QStringLiteral("https://example.org/b.jpg"))});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
  enter.ignore();
  QApplication::sendEvent(surface, &enter);
  EXPECT_FALSE(enter.isAccepted());
}
