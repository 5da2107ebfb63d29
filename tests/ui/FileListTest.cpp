#include "WindowTestKit.h"

namespace {

// The file list as the window holds it: the grid, the adder and their reports.
class FileListTest : public ::testing::Test {
protected:
  void SetUp() override {
    list->resize(500, 300);
    list->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
  }

  const QList<Prompt> &shown() const { return static_cast<ScriptedPrompts &>(*platform.prompts).shown(); }
  ScriptedDialogs &dialogs() const { return static_cast<ScriptedDialogs &>(*platform.dialogs); }
  void listFiles(int count) {
    for (int i = 1; i <= count; ++i)
      table.addFile("/d/", QString("%1.jpg").arg(i));
    list->refreshGrid();
  }
  bool idle() const {
    return waitFor([&] { return !list->isAdding(); });
  }
  void click(int row, int column) { clickCell(*list->grid(), table, row, column); }
  // Sends a drag's entry and, when the grid accepts it, its drop; returns the acceptance.
  bool drop(const QList<QUrl> &urls) {
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(list->grid()->surface(), &enter);
    QDropEvent drop(QPointF(40, 40), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
      QApplication::sendEvent(list->grid()->surface(), &drop);
    return enter.isAccepted();
  }

  SourceList table;
  PlatformServices platform = headlessPlatform();
  std::unique_ptr<FileList> list = std::make_unique<FileList>(table, platform);
};

TEST_F(FileListTest, DroppedLocalFilesAreAddedAndTheRefusedOnesReported) {
  QSignalSpy processing(list.get(), &FileList::processing);
  EXPECT_TRUE(drop({QUrl::fromLocalFile("/p/a.jpg"), QUrl("https://example.org/b.jpg"),
                    QUrl::fromLocalFile("/p/x.psd"), QUrl::fromLocalFile("/p/b.JPEG")}));
  EXPECT_TRUE(list->isAdding());
  EXPECT_FALSE(list->goEnabled()) << "no batch while the list fills";
  ASSERT_TRUE(idle());
  ASSERT_EQ(table.fileCount(), 2);
  EXPECT_EQ(table.fullPath(2), "/p/b.JPEG");
  EXPECT_EQ(list->grid()->state().rowCount, 2);
  EXPECT_EQ(shown(), (QList<Prompt>{{"Can only read JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF and BMP!",
                                     "The following files were skipped: x.psd", PromptIcon::Information}}));
  ASSERT_GE(processing.count(), 2);
  EXPECT_TRUE(processing.last().at(0).toString().isEmpty()) << "adding has ended";
  EXPECT_TRUE(list->goEnabled());
  EXPECT_FALSE(drop({QUrl("https://example.org/b.jpg")})) << "no local file in the drag";
}

TEST_F(FileListTest, TheAddDialogAndTheCommandLineReportTheirRefusals) {
  dialogs().queueFiles({"/p/a.jpg", "/p/notes.txt", "/p/c.gif"});
  list->addFromDialog();
  ASSERT_TRUE(idle());
  EXPECT_EQ(table.fileCount(), 2);
  EXPECT_EQ(shown(), (QList<Prompt>{
                         {"Couldn't process the following files..", "notes.txt", PromptIcon::Information}}));
  list->addFromDialog(); // cancelled: adds and reports nothing
  EXPECT_EQ(dialogs().requests().last().start, "/p") << "opens where it left";

  // A file manager's "Open with": the refusals wait until the window is up, then come in one report.
  list->addCommandLine("\"/my pics/a.jpg\"");
  list->addCommandLine("/p/notes.txt");
  list->addCommandLine("/tmp");
  ASSERT_EQ(table.fileCount(), 3);
  EXPECT_EQ(table.fullPath(3), "/my pics/a.jpg");
  EXPECT_EQ(shown().size(), 1);
  list->reportCommandLineRefusals();
  ASSERT_EQ(shown().size(), 2);
  EXPECT_EQ(shown().last(),
            (Prompt{"Can only read JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF and BMP!",
                    "The following files were skipped: notes.txt, tmp (a folder)", PromptIcon::Information}));
  list->reportCommandLineRefusals();
  EXPECT_EQ(shown().size(), 2);
}

TEST_F(FileListTest, TheThousandAndFirstFileIsLeftOutAndNamed) {
  listFiles(999);
  list->addPaths({"/n/new1.jpg", "/n/new2.jpg", "/n/new3.jpg"});
  ASSERT_TRUE(idle());
  EXPECT_EQ(table.fileCount(), 1000);
  EXPECT_EQ(table.cell(1000, 2), "new1.jpg");
  EXPECT_EQ(shown(), QList<Prompt>{listFullReport({"/n/new2.jpg", "/n/new3.jpg"})});
}

TEST_F(FileListTest, RemoveTakesTheMarkedRowsElseTheSelectedOne) {
  listFiles(5);
  click(2, 1);
  click(4, 1);
  EXPECT_TRUE(list->removeEnabled()) << "a row was clicked";
  list->removeChosen();
  ASSERT_EQ(table.fileCount(), 3);
  EXPECT_EQ(table.cell(2, 2), "3.jpg");
  EXPECT_EQ(table.cell(3, 2), "5.jpg");
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
  list->addPaths(QStringList(900, "/m/a.jpg"));
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

} // namespace
