#include "ui/FileGridAccessible.h"

#include "filelist/SourceList.h"
#include "platform/Launcher.h"
#include "ui/FileGrid.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <gtest/gtest.h>

using namespace veltrane;

TEST(FileGridAccessible, ScreenReadersReadTheListAsATable) {
  SourceList table;
  table.addFile("/photos/", "beach.jpg");
  table.addFile("/photos/", "harbour.gif");
  table.toggleMark(2);
  RecordingLauncher launcher;
  FileGrid grid(table, launcher);
  grid.resize(500, 300);
  grid.refreshLayout();

  QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(grid.surface());
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::Table);
  QAccessibleTableInterface *list = accessible->tableInterface();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->rowCount(), 2);
  EXPECT_EQ(list->columnCount(), 3);
  EXPECT_EQ(list->columnDescription(1), "Image");
  EXPECT_EQ(list->rowDescription(1), "harbour.gif");
  EXPECT_EQ(list->cellAt(0, 1)->text(QAccessible::Name), "beach.jpg");
  EXPECT_EQ(list->cellAt(1, 2)->text(QAccessible::Name), "/photos/");
  EXPECT_FALSE(list->cellAt(1, 0)->text(QAccessible::Name).isEmpty()) << "the mark";
  EXPECT_EQ(list->cellAt(2, 0), nullptr);
  EXPECT_EQ(accessible->childCount(), 6);
  EXPECT_EQ(list->cellAt(0, 1), list->cellAt(0, 1)) << "the same cell each time";

  // Selecting through the screen reader selects in the grid, and back.
  EXPECT_TRUE(list->selectedRows().isEmpty());
  EXPECT_TRUE(list->selectRow(1));
  EXPECT_EQ(grid.currentRow(), 2);
  EXPECT_EQ(list->selectedRows(), QList<int>{1});
  EXPECT_TRUE(list->cellAt(1, 1)->state().selected);
  EXPECT_FALSE(list->cellAt(0, 1)->state().selected);
}
