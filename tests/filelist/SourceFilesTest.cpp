#include "filelist/SourceFiles.h"
#include "filelist/FailedFiles.h"
#include "filelist/FileAdder.h"
#include "filelist/SourceList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace veltrane;

namespace {

bool waitUntilIdle(const FileAdder &adder) {
  QElapsedTimer clock;
  clock.start();
  while (adder.isBusy() && clock.elapsed() < 10000)
    QCoreApplication::processEvents();
  return !adder.isBusy();
}

QStringList pictures(int count) {
  QStringList paths;
  for (int i = 1; i <= count; ++i)
    paths.append(QStringLiteral("/p/%1.jpg").arg(i));
  return paths;
}

} // namespace

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
  EXPECT_EQ(list.cell(2, 3), QStringLiteral("/"));
  EXPECT_EQ(add("c.Gif", "/dialog/folder"), AddResult::Added);
  EXPECT_EQ(list.fullPath(3), QStringLiteral("/dialog/folder/c.Gif"));
  for (const char *path : {"/pics/b.jpeg.txt", "/pics/noext", "/pics/folder/"})
    EXPECT_EQ(add(path), AddResult::Refused) << path;
  EXPECT_EQ(add(""), AddResult::Ignored);
  EXPECT_EQ(refused.text(), QStringLiteral("b.jpeg.txt, noext, /pics/folder/"));
  EXPECT_EQ(list.fileCount(), 3);
}

// The Add dialog offers exactly the names the list takes.
TEST(AddThis, TheDialogOffersWhatTheListTakes) {
  const QString filter = addDialogFilter();
  const QString patterns = filter.mid(filter.lastIndexOf(u'(') + 1).chopped(1);
  QStringList extensions;
  for (const QString &pattern : patterns.split(u' ')) {
    ASSERT_TRUE(pattern.startsWith(QLatin1String("*."))) << pattern.toStdString();
    EXPECT_TRUE(isPictureName(QStringLiteral("a") + pattern.mid(1))) << pattern.toStdString();
    extensions.append(pattern.mid(2));
  }
  EXPECT_EQ(extensions, QStringList({"jpg", "jpeg", "jfif", "gif", "bmp"}));
}

TEST(Reports, AFullListNamesTheFirstFilesItLeftOut) {
  EXPECT_EQ(
      listFullReport(pictures(12)),
      (Prompt{QStringLiteral("The list is full"),
              QStringLiteral("The list holds at most 1000 files, so these files were left out: 1.jpg, 2.jpg, "
                             "3.jpg, 4.jpg, 5.jpg, 6.jpg, 7.jpg, 8.jpg, 9.jpg, 10.jpg and 2 more."),
              PromptIcon::Exclamation}));
  EXPECT_EQ(listFullReport({QStringLiteral("/p/a.jpg")}).text,
            QStringLiteral("The list holds at most 1000 files, so this file was left out: a.jpg."));
}

// Adding from a drop or the dialog, and a cancel, are the file list's tests.
TEST(FileAdder, PausesWhileAReportIsShown) {
  SourceList list;
  FileAdder adder(list);
  int rowsDuringReport = -1;
  QObject::connect(&adder, &FileAdder::finished, [&](const AddReport &report) {
    if (report.source != AddSource::Dialog)
      return;
    // A message box runs the event loop; an operation asked for meanwhile waits.
    adder.enqueue(AddSource::Drop, {QStringLiteral("/p/b.jpg")});
    for (int i = 0; i < 20; ++i)
      QCoreApplication::processEvents();
    rowsDuringReport = list.fileCount();
  });
  adder.enqueue(AddSource::Dialog, {QStringLiteral("/p/a.jpg")});
  ASSERT_TRUE(waitUntilIdle(adder));
  EXPECT_EQ(rowsDuringReport, 1);
  EXPECT_EQ(list.fileCount(), 2);
}
