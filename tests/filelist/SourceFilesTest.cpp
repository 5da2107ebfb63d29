#include "filelist/SourceFiles.h"
#include "common/FailedFiles.h"
#include "filelist/SourceList.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(AddThis, TakesPicturesByTheirExtension) {
  SourceList list;
  FailedFiles refused;
  QStringList leftOut;
  const auto add = [&](const char *path, const char *folder = "") {
    return addThis(list, QString::fromUtf8(path), QString::fromUtf8(folder), refused, leftOut);
  };
  EXPECT_EQ(add("/pics/a.JPG"), AddResult::Added);
  EXPECT_EQ(QStringList({list.cell(1, 1), list.cell(1, 2), list.cell(1, 3)}),
            QStringList({QString(SourceList::kNewMark), "a.JPG", "/pics/"}));
  EXPECT_EQ(add("/b.jfif"), AddResult::Added);
  EXPECT_EQ(list.cell(2, 3), "/");
  EXPECT_EQ(add("c.Gif", "/dialog/folder"), AddResult::Added);
  EXPECT_EQ(list.fullPath(3), "/dialog/folder/c.Gif");
  // Runs of slashes in a folder collapse.
  ASSERT_TRUE(list.addFile("///net//share/", "c.jpg"));
  EXPECT_EQ(list.fullPath(4), "/net/share/c.jpg");
  for (const char *path :
       {"/p/d.png", "/p/e.WebP", "/p/f.tif", "/p/g.TIFF", "/p/h.heic", "/p/i.HEIF", "/p/j.avif"})
    EXPECT_EQ(add(path), AddResult::Added) << path;
  for (const char *path : {"/pics/b.jpeg.txt", "/pics/noext", "/pics/folder/", "/pics/k.psd"})
    EXPECT_EQ(add(path), AddResult::Refused) << path;
  EXPECT_EQ(add(""), AddResult::Ignored);
  EXPECT_EQ(refused.text(), "b.jpeg.txt, noext, /pics/folder/, k.psd");
  EXPECT_EQ(list.fileCount(), 11);
}

// The Add dialog offers exactly the names the list takes.
TEST(AddThis, TheDialogOffersWhatTheListTakes) {
  const QString filter = addDialogFilter();
  const QString patterns = filter.mid(filter.lastIndexOf(u'(') + 1).chopped(1);
  QStringList extensions;
  for (const QString &pattern : patterns.split(u' ')) {
    ASSERT_TRUE(pattern.startsWith(QLatin1String("*."))) << pattern.toStdString();
    EXPECT_TRUE(isPictureName("a" + pattern.mid(1))) << pattern.toStdString();
    extensions.append(pattern.mid(2));
  }
  EXPECT_EQ(extensions, QStringList({"jpg", "jpeg", "jfif", "png", "webp", "tif", "tiff", "heic", "heif",
                                     "avif", "gif", "bmp"}));
}

TEST(Reports, AFullListNamesTheFirstFilesItLeftOut) {
  EXPECT_EQ(listFullReport({"/p/1.jpg", "/p/2.jpg", "/p/3.jpg", "/p/4.jpg", "/p/5.jpg", "/p/6.jpg",
                            "/p/7.jpg", "/p/8.jpg", "/p/9.jpg", "/p/10.jpg", "/p/11.jpg", "/p/12.jpg"}),
            (Prompt{"The list is full",
                    "The list holds at most 1000 files, so these files were left out: 1.jpg, 2.jpg, "
                    "3.jpg, 4.jpg, 5.jpg, 6.jpg, 7.jpg, 8.jpg, 9.jpg, 10.jpg and 2 more.",
                    PromptIcon::Exclamation}));
  EXPECT_EQ(listFullReport({"/p/a.jpg"}).text,
            "The list holds at most 1000 files, so this file was left out: a.jpg.");
}
