#include "ui/JobSync.h"

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
