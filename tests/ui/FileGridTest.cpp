#include "WindowTestKit.h"

namespace {

// A grid of 30 files, 500 x 300 as the window first shows it.
class FileGridTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (int i = 1; i <= 30; ++i)
      table.addFile("/d/", QString("%1.jpg").arg(i));
    grid.resize(500, 300);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.refreshLayout();
  }

  QWidget *surface() const { return grid.surface(); }
  QPoint cell(int row, int column) const { return cellCentre(grid, table, row, column); }
  // The painted colour at a point, against a colour of the grid's palette.
  QRgb colour(QPoint at) const { return surface()->grab().toImage().pixel(at) | 0xFF000000u; }
  QRgb palette(QPalette::ColorRole role) const {
    return surface()->palette().color(QPalette::Active, role).rgb();
  }

  SourceList table;
  RecordingLauncher launcher;
  FileGrid grid{table, launcher};
};

TEST_F(FileGridTest, DraggingABorderWidensAndNarrowsTheColumnWithinItsLimits) {
  QSignalSpy clicked(&grid, &FileGrid::rowClicked);
  const int maximum = grid.horizontalBar()->maximum();
  movePointer(surface(), QPoint(344, 10));
  EXPECT_EQ(surface()->cursor().shape(), Qt::SplitHCursor);
  QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(346, 10));
  QTest::mouseMove(surface(), QPoint(376, 10));
  EXPECT_EQ(colour({376, 100}), palette(QPalette::Dark)) << "the guide";
  EXPECT_EQ(table.cell(0, 2), "Image|330") << "not before the release";
  QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(376, 10));
  EXPECT_EQ(table.cell(0, 2), "Image|360");
  EXPECT_EQ(grid.horizontalBar()->maximum(), maximum + 30);

  QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(375, 10));
  QTest::mouseMove(surface(), QPoint(300, 10));
  QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(300, 10));
  EXPECT_EQ(table.cell(0, 2), "Image|285");
  EXPECT_EQ(clicked.count(), 0);

  // A drag is held at its limits; the border is now at 302.
  const QPoint elsewhere(3, 3);
  QCursor::setPos(elsewhere);
  QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(301, 10));
  QTest::mouseMove(surface(), QPoint(315, 12));
  EXPECT_EQ(QCursor::pos(), elsewhere) << "an accepted move leaves the pointer alone";
  // Too narrow, then out of the header: the pointer goes back to the last good place.
  QTest::mouseMove(surface(), QPoint(30, 12));
  EXPECT_EQ(QCursor::pos(), surface()->mapToGlobal(QPoint(315, 12)));
  QCursor::setPos(elsewhere);
  QTest::mouseMove(surface(), QPoint(325, 40));
  EXPECT_EQ(QCursor::pos(), surface()->mapToGlobal(QPoint(315, 12)));
  // Released past the limit anyway: the column keeps the smallest width.
  QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(10, 40));
  EXPECT_EQ(table.cell(0, 2), "Image|20");
}

TEST_F(FileGridTest, ClicksSelectAndToggleMarksAndEnterOpensTheFile) {
  QSignalSpy selection(&grid, &FileGrid::selectionChanged);
  QSignalSpy clicked(&grid, &FileGrid::rowClicked);
  QTest::mouseClick(surface(), Qt::LeftButton, {}, cell(3, 2));
  EXPECT_EQ(grid.currentRow(), 3);
  EXPECT_EQ(colour(cell(3, 3)), palette(QPalette::Highlight)) << "the selection band";
  EXPECT_EQ(clicked.count(), 1);
  QTest::mouseClick(surface(), Qt::LeftButton, {}, cell(3, 1));
  EXPECT_EQ(table.cell(3, 1), "*");
  EXPECT_EQ(table.markedCount(), 1);
  // The second click of a double-click opens the file and toggles nothing.
  QTest::mouseDClick(surface(), Qt::LeftButton, {}, cell(3, 1));
  QTest::mouseRelease(surface(), Qt::LeftButton, {}, cell(3, 1));
  EXPECT_EQ(table.markedCount(), 1);
  QTest::mouseClick(surface(), Qt::LeftButton, {}, cell(3, 1));
  EXPECT_EQ(table.cell(3, 1), " ");
  EXPECT_EQ(table.markedCount(), 0);
  EXPECT_EQ(selection.count(), 1) << "a mark is no new selection";
  QTest::mouseClick(surface(), Qt::RightButton, {}, cell(5, 2));
  EXPECT_EQ(grid.currentRow(), 3);
  QTest::keyClick(surface(), Qt::Key_Return);
  using Launch = RecordingLauncher::Launch;
  EXPECT_EQ(launcher.launches(), (QList<Launch>{{RecordingLauncher::Kind::File, "/d/3.jpg"},
                                                {RecordingLauncher::Kind::File, "/d/3.jpg"}}));
  QTest::mouseClick(surface(), Qt::LeftButton, {}, QPoint(100, 10));
  EXPECT_EQ(grid.currentRow(), 0) << "a press in the header away from borders clears the selection";
}

TEST_F(FileGridTest, KeysStopAtTheEndsAndKeepTheRowInViewUnderAFixedHeader) {
  grid.setCurrentRow(1);
  QTest::keyClick(surface(), Qt::Key_Up);
  EXPECT_EQ(grid.currentRow(), 1);
  for (int i = 0; i < 40; ++i) {
    QTest::keyClick(surface(), Qt::Key_Down);
    ASSERT_LT(rowTop(grid.currentRow(), grid.state().rowHeight, grid.verticalBar()->value()),
              surface()->height())
        << i;
  }
  EXPECT_EQ(grid.currentRow(), 30);
  EXPECT_GT(grid.verticalBar()->value(), 0);
  EXPECT_EQ(colour({surface()->width() - 3, 10}), palette(QPalette::Button)) << "the header stays";
  QTest::keyClick(surface(), Qt::Key_Right);
  EXPECT_EQ(grid.horizontalBar()->value(), 5);
}

TEST_F(FileGridTest, ScreenReadersReadTheListAsATable) {
  table.toggleMark(2);
  QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(surface());
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::Table);
  QAccessibleTableInterface *list = accessible->tableInterface();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(std::pair(list->rowCount(), list->columnCount()), std::pair(30, 3));
  EXPECT_EQ(list->columnDescription(1), "Image");
  EXPECT_EQ(list->rowDescription(1), "2.jpg");
  EXPECT_EQ(list->cellAt(0, 1)->text(QAccessible::Name), "1.jpg");
  EXPECT_EQ(list->cellAt(1, 2)->text(QAccessible::Name), "/d/");
  EXPECT_FALSE(list->cellAt(1, 0)->text(QAccessible::Name).isEmpty()) << "the mark";
  EXPECT_EQ(list->cellAt(30, 0), nullptr);
  EXPECT_EQ(accessible->childCount(), 90);
  EXPECT_EQ(list->cellAt(0, 1), list->cellAt(0, 1)) << "the same cell each time";

  // Selecting through the screen reader selects in the grid, and back.
  EXPECT_TRUE(list->selectedRows().isEmpty());
  EXPECT_TRUE(list->selectRow(1));
  EXPECT_EQ(grid.currentRow(), 2);
  EXPECT_EQ(list->selectedRows(), QList<int>{1});
  EXPECT_TRUE(list->cellAt(1, 1)->state().selected);
  EXPECT_FALSE(list->cellAt(0, 1)->state().selected);
}

} // namespace
