#include "ui/FileList.h"

#include "GridEvents.h"
#include "filelist/GridGeometry.h"
#include "filelist/SourceList.h"
#include "platform/PlatformServices.h"
#include "ui/FileGrid.h"

#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using namespace veltrane;
using veltrane::test::waitFor;

namespace {

// The file list as the window holds it: the grid, the adder and their reports.
class FileListTest : public ::testing::Test {
protected:
  void SetUp() override {
    list = std::make_unique<FileList>(table, platform);
    list->resize(500, 300);
    list->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
  }

  const QList<Prompt> &shown() const { return static_cast<ScriptedPrompts &>(*platform.prompts).shown(); }
  ScriptedDialogs &dialogs() const { return static_cast<ScriptedDialogs &>(*platform.dialogs); }
  void listFiles(int count) {
    for (int i = 1; i <= count; ++i)
      table.addFile(QStringLiteral("/d/"), QStringLiteral("%1.jpg").arg(i));
    list->refreshGrid();
  }
  bool idle() {
    return waitFor([&] { return !list->isAdding(); });
  }
  FileGrid *grid() const { return list->grid(); }
  QWidget *surface() const { return grid()->surface(); }
  int rowHeight() const { return grid()->state().rowHeight; }
  QPoint cell(int row, int column) const {
    return {GridColumns::fromTable(table, 3).left(column) + 6,
            rowTop(row, rowHeight(), grid()->verticalBar()->value()) + rowHeight() / 2};
  }
  void click(int row, int column) { QTest::mouseClick(surface(), Qt::LeftButton, {}, cell(row, column)); }
  // Sends a drag's entry and, when the grid accepts it, its drop; returns the acceptance.
  bool drop(const QList<QUrl> &urls) {
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(surface(), &enter);
    QDropEvent event(QPointF(40, 40), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
      QApplication::sendEvent(surface(), &event);
    return enter.isAccepted();
  }
  // The painted colour at a point, against a colour of the grid's palette.
  QRgb colour(QPoint at) const { return surface()->grab().toImage().pixel(at) | 0xFF000000u; }
  QRgb palette(QPalette::ColorRole role) const {
    return surface()->palette().color(QPalette::Active, role).rgb();
  }

  SourceList table;
  PlatformServices platform = headlessPlatform();
  std::unique_ptr<FileList> list;
};

// The grid's own behaviour, shown in the list that holds it.
using FileGridTest = FileListTest;

} // namespace

TEST_F(FileGridTest, DraggingABorderWidensAndNarrowsTheColumnWithinItsLimits) {
  listFiles(30);
  QSignalSpy clicked(grid(), &FileGrid::rowClicked);
  const int maximum = grid()->horizontalBar()->maximum();
  test::movePointer(surface(), QPoint(344, 10));
  EXPECT_EQ(surface()->cursor().shape(), Qt::SplitHCursor);
  QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(346, 10));
  QTest::mouseMove(surface(), QPoint(376, 10));
  EXPECT_EQ(colour({376, 100}), palette(QPalette::Dark)) << "the guide";
  EXPECT_EQ(table.cell(0, 2), QStringLiteral("Image|330")) << "not before the release";
  QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(376, 10));
  EXPECT_EQ(table.cell(0, 2), QStringLiteral("Image|360"));
  EXPECT_EQ(grid()->horizontalBar()->maximum(), maximum + 30);

  QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(375, 10));
  QTest::mouseMove(surface(), QPoint(300, 10));
  QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(300, 10));
  EXPECT_EQ(table.cell(0, 2), QStringLiteral("Image|285"));
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
  EXPECT_EQ(table.cell(0, 2), QStringLiteral("Image|20"));
}

TEST_F(FileGridTest, ClicksSelectAndToggleMarksAndEnterOpensTheFile) {
  listFiles(30);
  QSignalSpy selection(grid(), &FileGrid::selectionChanged);
  click(3, 2);
  EXPECT_EQ(grid()->currentRow(), 3);
  EXPECT_EQ(colour(cell(3, 3)), palette(QPalette::Highlight)) << "the selection band";
  EXPECT_TRUE(list->removeEnabled());
  click(3, 1);
  EXPECT_EQ(table.cell(3, 1), QStringLiteral("*"));
  EXPECT_EQ(table.markedCount(), 1);
  // The second click of a double-click opens the file and toggles nothing.
  QTest::mouseDClick(surface(), Qt::LeftButton, {}, cell(3, 1));
  QTest::mouseRelease(surface(), Qt::LeftButton, {}, cell(3, 1));
  EXPECT_EQ(table.markedCount(), 1);
  click(3, 1);
  EXPECT_EQ(table.cell(3, 1), QStringLiteral(" "));
  EXPECT_EQ(table.markedCount(), 0);
  EXPECT_EQ(selection.count(), 1) << "a mark is no new selection";
  QTest::mouseClick(surface(), Qt::RightButton, {}, cell(5, 2));
  EXPECT_EQ(grid()->currentRow(), 3);
  QTest::keyClick(surface(), Qt::Key_Return);
  using Launch = RecordingLauncher::Launch;
  EXPECT_EQ(static_cast<RecordingLauncher &>(*platform.launcher).launches(),
            (QList<Launch>{{RecordingLauncher::Kind::File, QStringLiteral("/d/3.jpg")},
                           {RecordingLauncher::Kind::File, QStringLiteral("/d/3.jpg")}}));
  QTest::mouseClick(surface(), Qt::LeftButton, {}, QPoint(100, 10));
  EXPECT_EQ(grid()->currentRow(), 0) << "a press in the header away from borders clears the selection";
}

TEST_F(FileGridTest, KeysStopAtTheEndsAndKeepTheRowInViewUnderAFixedHeader) {
  listFiles(30);
  grid()->setCurrentRow(1);
  QTest::keyClick(surface(), Qt::Key_Up);
  EXPECT_EQ(grid()->currentRow(), 1);
  for (int i = 0; i < 40; ++i) {
    QTest::keyClick(surface(), Qt::Key_Down);
    ASSERT_LT(rowTop(grid()->currentRow(), rowHeight(), grid()->verticalBar()->value()), surface()->height())
        << i;
  }
  EXPECT_EQ(grid()->currentRow(), 30);
  EXPECT_GT(grid()->verticalBar()->value(), 0);
  EXPECT_EQ(colour({surface()->width() - 3, 10}), palette(QPalette::Button)) << "the header stays";
  QTest::keyClick(surface(), Qt::Key_Right);
  EXPECT_EQ(grid()->horizontalBar()->value(), 5);
}

TEST_F(FileListTest, DroppedLocalFilesAreAddedAndTheRefusedOnesReported) {
  QSignalSpy processing(list.get(), &FileList::processing);
  EXPECT_TRUE(drop({QUrl::fromLocalFile("/p/a.jpg"), QUrl("https://example.org/b.jpg"),
                    QUrl::fromLocalFile("/p/x.png"), QUrl::fromLocalFile("/p/b.JPEG")}));
  EXPECT_TRUE(list->isAdding());
  EXPECT_FALSE(list->goEnabled()) << "no batch while the list fills";
  ASSERT_TRUE(idle());
  ASSERT_EQ(table.fileCount(), 2);
  EXPECT_EQ(table.fullPath(2), QStringLiteral("/p/b.JPEG"));
  EXPECT_EQ(grid()->state().rowCount, 2);
  EXPECT_EQ(shown(), (QList<Prompt>{{QStringLiteral("Can only read JPG, GIF and BMP!"),
                                     QStringLiteral("The following files were skipped: x.png"),
                                     PromptIcon::Information}}));
  ASSERT_GE(processing.count(), 2);
  EXPECT_TRUE(processing.last().at(0).toString().isEmpty()) << "adding has ended";
  EXPECT_TRUE(list->goEnabled());
  EXPECT_FALSE(drop({QUrl("https://example.org/b.jpg")})) << "no local file in the drag";
}

TEST_F(FileListTest, TheAddDialogReportsItsRefusalsAndTheCommandLineNone) {
  dialogs().queueFiles({"/p/a.jpg", "/p/notes.txt", "/p/c.gif"});
  list->addFromDialog();
  ASSERT_TRUE(idle());
  EXPECT_EQ(table.fileCount(), 2);
  EXPECT_EQ(shown(), (QList<Prompt>{{QStringLiteral("Couldn't process the following files.."),
                                     QStringLiteral("notes.txt"), PromptIcon::Information}}));
  list->addFromDialog(); // cancelled: adds and reports nothing
  EXPECT_EQ(dialogs().requests().last().start, QStringLiteral("/p")) << "opens where it left";

  list->addCommandLine(QStringLiteral("\"/my pics/a.jpg\""));
  list->addCommandLine(QStringLiteral("/p/notes.txt"));
  ASSERT_EQ(table.fileCount(), 3);
  EXPECT_EQ(table.fullPath(3), QStringLiteral("/my pics/a.jpg"));
  EXPECT_EQ(shown().size(), 1);
}

TEST_F(FileListTest, TheThousandAndFirstFileIsLeftOutAndNamed) {
  listFiles(999);
  list->addPaths({"/n/new1.jpg", "/n/new2.jpg", "/n/new3.jpg"});
  ASSERT_TRUE(idle());
  EXPECT_EQ(table.fileCount(), 1000);
  EXPECT_EQ(table.cell(1000, 2), QStringLiteral("new1.jpg"));
  ASSERT_EQ(shown().size(), 1);
  EXPECT_EQ(shown().first().title, QStringLiteral("The list is full"));
  EXPECT_TRUE(shown().first().text.contains(QStringLiteral("new2.jpg, new3.jpg")));
}

TEST_F(FileListTest, RemoveTakesTheMarkedRowsElseTheSelectedOne) {
  listFiles(5);
  click(2, 1);
  click(4, 1);
  list->removeChosen();
  ASSERT_EQ(table.fileCount(), 3);
  EXPECT_EQ(table.cell(2, 2), QStringLiteral("3.jpg"));
  EXPECT_EQ(table.cell(3, 2), QStringLiteral("5.jpg"));
  EXPECT_EQ(table.markedCount(), 0);
  EXPECT_FALSE(list->removeEnabled());

  click(3, 2); // the last row
  list->removeChosen();
  EXPECT_EQ(table.fileCount(), 2);
  EXPECT_EQ(list->currentRow(), 0);
  list->removeChosen();
  EXPECT_EQ(table.fileCount(), 2) << "nothing selected, nothing marked";
}

TEST_F(FileListTest, ClearAllEmptiesTheListAndStopsAdding) {
  listFiles(3);
  click(2, 2);
  list->addPaths(QStringList(900, QStringLiteral("/m/a.jpg")));
  list->addPaths({"/m/x.txt"});
  list->clearAll();
  ASSERT_TRUE(idle());
  for (int i = 0; i < 10; ++i)
    QApplication::processEvents();
  EXPECT_EQ(table.fileCount(), 0);
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_TRUE(shown().isEmpty());
  EXPECT_FALSE(list->goEnabled() || list->clearAllEnabled() || list->removeEnabled());
}
