#include "filelist/SourceList.h"
#include "filelist/FailedFiles.h"
#include "filelist/ReplaceAll.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(ReplaceAll, CollapsesRunsAndIgnoresCase) {
  const auto slashes = [](const char *text) {
    return replaceAll(QString::fromUtf8(text), QStringLiteral("//"), QStringLiteral("/"));
  };
  EXPECT_EQ(slashes("/pics//a.jpg"), QStringLiteral("/pics/a.jpg"));
  EXPECT_EQ(slashes("///pics/////a.jpg//"), QStringLiteral("/pics/a.jpg/"));
  EXPECT_EQ(replaceAll(QStringLiteral("a[w]b[W]"), QStringLiteral("[W]"), QStringLiteral("8")),
            QStringLiteral("a8b8"));
  EXPECT_EQ(replaceAll(QStringLiteral("aaaa"), QStringLiteral("aa"), QStringLiteral("b")),
            QStringLiteral("bb"));
  EXPECT_EQ(replaceAll(QStringLiteral("xabcab"), QStringLiteral("ab"), QStringLiteral("a")),
            QStringLiteral("xaca"));
}

TEST(ReplaceAll, NeverLoops) {
  EXPECT_EQ(replaceAll(QStringLiteral("abc"), QString(), QStringLiteral("x")), QStringLiteral("abc"));
  EXPECT_EQ(replaceAll(QStringLiteral("a/b"), QStringLiteral("/"), QStringLiteral("//")),
            QStringLiteral("a/b"));
  EXPECT_EQ(replaceAll(QStringLiteral("a[f]b"), QStringLiteral("[F]"), QStringLiteral("[f] gold")),
            QStringLiteral("a[f]b"));
}

// Marks and removals are the file list's test, through the grid.
TEST(SourceList, FullPathJoinsFolderAndName) {
  SourceList list;
  list.addFile(QStringLiteral("/pics/"), QStringLiteral("a.jpg"));
  list.addFile(QStringLiteral("/pics"), QStringLiteral("b.jpg"));
  list.addFile(QStringLiteral("///net//share/"), QStringLiteral("c.jpg"));
  EXPECT_EQ(list.fullPath(1), QStringLiteral("/pics/a.jpg"));
  EXPECT_EQ(list.fullPath(2), QStringLiteral("/pics/b.jpg"));
  EXPECT_EQ(list.fullPath(3), QStringLiteral("/net/share/c.jpg"));
  EXPECT_EQ(list.cell(1, 1), QString(QChar(0xA0)));
}

TEST(SourceList, HoldsAThousandRowsAndRefusesMore) {
  SourceList list;
  for (int i = 1; i <= SourceList::kCapacity; ++i)
    ASSERT_TRUE(list.addFile(QStringLiteral("/d"), QStringLiteral("%1.jpg").arg(i)));
  EXPECT_TRUE(list.isFull());
  EXPECT_FALSE(list.addFile(QStringLiteral("/d"), QStringLiteral("extra.jpg")));
  EXPECT_EQ(list.fileCount(), 1000);
  EXPECT_EQ(list.cell(1000, 2), QStringLiteral("1000.jpg"));
}

TEST(FailedFiles, ReportsNamesWithoutTheLastSeparator) {
  FailedFiles failed;
  EXPECT_EQ(failed.text(), QString());
  failed.add(QStringLiteral("a.txt"));
  failed.add(QStringLiteral("/p/b.jpg"), QStringLiteral("not a picture"));
  EXPECT_EQ(failed.text(), QStringLiteral("a.txt, /p/b.jpg"));
  EXPECT_EQ(failed.details(), QStringLiteral("a.txt\n/p/b.jpg: not a picture"));
}
