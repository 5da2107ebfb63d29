#include "ui/JobSync.h"

#include "presets/JobFields.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(JobSync, OnlyTheFieldsTheUserChangedReachTheRunningJob) {
  JobSettings before;
  JobSettings after = before;
  after.swapForUpright = 0;
  after.outputFolder = "/out";
  JobSettings running = before;
  running.fixedQuality = "72"; // found by the batch meanwhile
  running.frame = 3;
  mergeChangedFields(running, before, after);
  EXPECT_EQ(running.swapForUpright, 0);
  EXPECT_EQ(running.outputFolder, "/out");
  EXPECT_EQ(running.fixedQuality, "72");
  EXPECT_EQ(running.frame, 3);
}

// Every member of every job field, changed alone, reaches the running job,
// and nothing else does: a field the table gains is merged without more code.
TEST(JobSync, EveryFieldTheUserChangesReachesTheRunningJob) {
  const JobSettings before;
  JobSettings running = before;
  running.fixedQuality = QStringLiteral("72");
  for (const JobField &field : jobFields())
    for (const JobMember &member : field.members) {
      JobSettings after = before;
      JobSettings expected = running;
      std::visit(
          [&](auto JobSettings::*each) {
            using Value = std::remove_reference_t<decltype(after.*each)>;
            if constexpr (std::is_same_v<Value, QString>)
              after.*each += QStringLiteral("x");
            else
              after.*each = Value(!(after.*each));
            expected.*each = after.*each;
          },
          member);
      JobSettings target = running;
      mergeChangedFields(target, before, after);
      EXPECT_EQ(target, expected) << field.name.toStdString();
    }
}
