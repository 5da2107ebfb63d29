#include "filelist/FileAdder.h"
#include "Waiting.h"
#include "filelist/SourceList.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace veltrane;

// Adding from a drop or the dialog, and a cancel, are the file list's tests.
TEST(FileAdder, PausesWhileAReportIsShown) {
  SourceList list;
  FileAdder adder(list);
  int rowsDuringReport = -1;
  QObject::connect(&adder, &FileAdder::finished, [&](const AddReport &report) {
    if (report.source != AddSource::Dialog)
      return;
    // A message box runs the event loop; an operation asked for meanwhile waits.
    adder.enqueue(AddSource::Drop, {"/p/b.jpg"});
    for (int i = 0; i < 20; ++i)
      QCoreApplication::processEvents();
    rowsDuringReport = list.fileCount();
  });
  adder.enqueue(AddSource::Dialog, {"/p/a.jpg"});
  ASSERT_TRUE(test::waitFor([&] { return !adder.isBusy(); }));
  EXPECT_EQ(rowsDuringReport, 1);
  EXPECT_EQ(list.fileCount(), 2);
}
