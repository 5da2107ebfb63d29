#include "ui/BatchNotice.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

BatchReport ended(int written, int unreadable, bool stopped = false) {
  BatchReport report;
  report.outputFolder = QStringLiteral("/pictures/out");
  report.written = written;
  for (int i = 0; i < unreadable; ++i)
    report.unreadable.add(QStringLiteral("/pictures/%1.jpg").arg(i), QStringLiteral("not a picture"));
  report.stopped = stopped;
  return report;
}

TEST(BatchNotice, SaysWhatWasWrittenAndFailedWhenTheUserIsElsewhere) {
  EXPECT_EQ(batchNotice(ended(1, 0), {}), (Notice{"Resizing done", "1 picture written", "/pictures/out"}));
  EXPECT_EQ(batchNotice(ended(0, 2, true), {}),
            (Notice{"Resizing stopped", "0 pictures written\n2 failed", "/pictures/out"}));
  EXPECT_EQ(batchNotice(ended(3, 1), {.exits = true}),
            (Notice{"Resizing done", "3 pictures written\n1 failed", ""}))
      << "nobody is left to open the folder";
}

TEST(BatchNotice, NoneWhenTheUserSeesTheEndOrNothingBegan) {
  EXPECT_EQ(batchNotice(ended(3, 0), {.windowActive = true}), std::nullopt);
  EXPECT_EQ(batchNotice(ended(3, 0), {.opensFolder = true}), std::nullopt);
  BatchReport refused;
  refused.startError = QStringLiteral("The folder cannot be made");
  EXPECT_EQ(batchNotice(refused, {}), std::nullopt);
}

} // namespace
} // namespace veltrane
