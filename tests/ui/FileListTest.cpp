#include "ui/FileList.h"

#include "GridEvents.h"
#include "filelist/GridGeometry.h"
#include "filelist/SourceList.h"
#include "platform/PlatformServices.h"
#include "ui/EasyGrid.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using namespace veltrane;
using veltrane::test::waitFor;

namespace {

class FileListTest : public ::testing::Test {
protected:
  void SetUp() override {
    auto scriptedPrompts = std::make_unique<ScriptedPrompts>();
    auto scriptedDialogs = std::make_unique<ScriptedDialogs>();
    prompts = scriptedPrompts.get();
    dialogs = scriptedDialogs.get();
    platform.launcher = std::make_unique<RecordingLauncher>();
    platform.prompts = std::move(scriptedPrompts);
    platform.dialogs = std::move(scriptedDialogs);
    list = std::make_unique<FileList>(table, platform);
    list->resize(500, 300);
    list->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
  }

  void listFiles(int count) {
    for (int i = 1; i <= count; ++i)
      table.addFile(QStringLiteral("/d/"), QStringLiteral("%1.jpg").arg(i));
    list->Grid_Resized();
  }
  bool idle() {
    return waitFor([&] { return !list->isAdding(); });
  }
  QWidget *surface() const { return list->grid()->surface(); }
  void click(int row, int column) {
    const GridColumns columns = GridColumns::fromTable(table, 3);
    const int h = list->grid()->state().rowHeight;
    QTest::mouseClick(surface(), Qt::LeftButton, {},
                      QPoint(columns.left(column) + 6, rowTop(row, h, 0) + h / 2));
  }
  void drop(const QStringList &paths) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &path : paths)
      urls.append(QUrl::fromLocalFile(path));
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface(), &enter);
    QDropEvent event(QPointF(40, 40), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface(), &event);
  }

  SourceList table;
  PlatformServices platform;
  ScriptedPrompts *prompts = nullptr;
  ScriptedDialogs *dialogs = nullptr;
  std::unique_ptr<FileList> list;
};

} // namespace

TEST_F(FileListTest, DroppedFilesAreAddedAndTheRefusedOnesReported) {
  QSignalSpy processing(list.get(), &FileList::processing);
  drop({QStringLiteral("/p/a.jpg"), QStringLiteral("/p/x.png"), QStringLiteral("/p/b.JPEG")});
  EXPECT_TRUE(list->isAdding());
  EXPECT_FALSE(list->goEnabled()) << "no batch while the list fills";
  ASSERT_TRUE(idle());

  ASSERT_EQ(table.fileCount(), 2);
  EXPECT_EQ(table.fullPath(2), QStringLiteral("/p/b.JPEG"));
  EXPECT_EQ(list->grid()->state().rowCount, 2);
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown().first(),
            (Prompt{QStringLiteral("Can only read JPG, GIF and BMP!"),
                    QStringLiteral("The following files were skipped: x.png"), PromptIcon::Information}));
  ASSERT_GE(processing.count(), 2);
  EXPECT_FALSE(processing.first().at(0).toString().isEmpty());
  EXPECT_TRUE(processing.last().at(0).toString().isEmpty());
  EXPECT_TRUE(list->goEnabled());
  EXPECT_TRUE(list->clearAllEnabled());
}

TEST_F(FileListTest, TheAddDialogAddsItsChoice) {
  list->add_Click();
  EXPECT_TRUE(prompts->shown().isEmpty()) << "a cancelled dialog adds nothing";
  ASSERT_EQ(dialogs->requests().size(), 1);
  EXPECT_EQ(dialogs->requests().first().filter,
            QStringLiteral("Images (JPG, GIF, BMP) (*.jpg *.jpeg *.jif *gif *.bmp)"));

  dialogs->queueFiles(
      {QStringLiteral("/p/a.jpg"), QStringLiteral("/p/notes.txt"), QStringLiteral("/p/c.gif")});
  list->add_Click();
  ASSERT_TRUE(idle());
  EXPECT_EQ(table.fileCount(), 2);
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown().first().title, QStringLiteral("Couldn't process the following files.."));
  EXPECT_EQ(prompts->shown().first().text, QStringLiteral("notes.txt"));

  list->add_Click();
  EXPECT_EQ(dialogs->requests().last().start, QStringLiteral("/p")) << "opens where the last files came from";
}

TEST_F(FileListTest, TheThousandAndFirstFileIsLeftOutAndNamed) {
  listFiles(999);
  list->addPaths(
      {QStringLiteral("/n/new1.jpg"), QStringLiteral("/n/new2.jpg"), QStringLiteral("/n/new3.jpg")});
  ASSERT_TRUE(idle());
  EXPECT_EQ(table.fileCount(), 1000);
  EXPECT_EQ(table.cell(999, 2), QStringLiteral("999.jpg"));
  EXPECT_EQ(table.cell(1000, 2), QStringLiteral("new1.jpg"));
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown().first().title, QStringLiteral("The list is full"));
  EXPECT_TRUE(prompts->shown().first().text.contains(QStringLiteral("new2.jpg, new3.jpg")));
}

TEST_F(FileListTest, RemoveTakesTheMarkedRowsElseTheSelectedOne) {
  listFiles(5);
  click(2, 1);
  click(4, 1);
  EXPECT_TRUE(list->removeEnabled());
  list->remove_Click();
  ASSERT_EQ(table.fileCount(), 3);
  EXPECT_EQ(table.cell(2, 2), QStringLiteral("3.jpg"));
  EXPECT_EQ(table.cell(3, 2), QStringLiteral("5.jpg"));
  EXPECT_EQ(table.markedCount(), 0);
  EXPECT_EQ(list->grid()->state().rowCount, 3);
  EXPECT_FALSE(list->removeEnabled());

  click(3, 2);
  list->remove_Click();
  EXPECT_EQ(table.fileCount(), 2);
  EXPECT_EQ(table.cell(2, 2), QStringLiteral("3.jpg"));
  EXPECT_EQ(list->currentRow(), 0);
  list->remove_Click();
  EXPECT_EQ(table.fileCount(), 2) << "nothing selected, nothing marked";
  EXPECT_TRUE(list->goEnabled());

  click(1, 1);
  click(2, 1);
  list->remove_Click();
  EXPECT_EQ(table.fileCount(), 0);
  EXPECT_FALSE(list->goEnabled());
  EXPECT_FALSE(list->clearAllEnabled());
}

TEST_F(FileListTest, ClearAllEmptiesTheListAndStopsAdding) {
  listFiles(3);
  click(2, 2);
  QStringList many;
  for (int i = 0; i < 900; ++i)
    many.append(QStringLiteral("/m/%1.jpg").arg(i));
  list->addPaths(many);
  list->addPaths({QStringLiteral("/m/x.txt")});
  list->ClearAll_Click();
  ASSERT_TRUE(idle());
  for (int i = 0; i < 10; ++i)
    QApplication::processEvents();
  EXPECT_EQ(table.fileCount(), 0);
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_TRUE(prompts->shown().isEmpty());
  EXPECT_FALSE(list->goEnabled());
  EXPECT_FALSE(list->clearAllEnabled());
  EXPECT_FALSE(list->removeEnabled());
}

TEST_F(FileListTest, TheCommandLineAddsOneFileSilently) {
  list->addCommandLine(QStringLiteral("\"/my pics/a.jpg\""));
  ASSERT_EQ(table.fileCount(), 1);
  EXPECT_EQ(table.cell(1, 3), QStringLiteral("/my pics/"));
  EXPECT_TRUE(list->goEnabled());
  list->addCommandLine(QStringLiteral("/p/notes.txt"));
  EXPECT_EQ(table.fileCount(), 1);
  EXPECT_TRUE(prompts->shown().isEmpty());
}
