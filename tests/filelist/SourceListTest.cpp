#include "filelist/SourceList.h"

#include <gtest/gtest.h>

using namespace veltrane;

// Marks and removals are the file list's test, through the grid.
TEST(SourceList, FullPathJoinsFolderAndName) {
  SourceList list;
  list.addFile("/pics/", "a.jpg");
  list.addFile("/pics", "b.jpg");
  list.addFile("///net//share/", "c.jpg");
  EXPECT_EQ(list.fullPath(1), "/pics/a.jpg");
  EXPECT_EQ(list.fullPath(2), "/pics/b.jpg");
  EXPECT_EQ(list.fullPath(3), "/net/share/c.jpg");
  EXPECT_EQ(list.cell(1, 1), QString(QChar(0xA0)));
}

TEST(SourceList, HoldsAThousandRowsAndRefusesMore) {
  SourceList list;
  for (int i = 1; i <= SourceList::kCapacity; ++i)
    ASSERT_TRUE(list.addFile("/d", QString("%1.jpg").arg(i)));
  EXPECT_TRUE(list.isFull());
  EXPECT_FALSE(list.addFile("/d", "extra.jpg"));
  EXPECT_EQ(list.fileCount(), 1000);
  EXPECT_EQ(list.cell(1000, 2), "1000.jpg");
}
