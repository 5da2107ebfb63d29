#include "batch/TryAllConfirmation.h"
#include "presets/FrameList.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(TryAllConfirmation, AsksBeforeLargeJobs) {
  JobSettings job;
  job.frame = kTryAllEntry;
  job.sheetMode = 0;
  job.sheetColumns = 2; // 3 x 2 on a sheet
  job.sheetRows = 1;
  EXPECT_EQ(
      tryAllConfirmation(job, 30, 4),
      (Prompt{QStringLiteral("Are you sure to proceed?"),
              QStringLiteral("120 pictures and 21 picture-indexes will be generated, trying all 30 frames."),
              PromptIcon::Exclamation, PromptButtons::OkCancel, PromptAnswer::Cancel}));
  EXPECT_FALSE(tryAllConfirmation(job, 4, 25)) << "100 pictures";
  job.sheetMode = 2;
  EXPECT_FALSE(tryAllConfirmation(job, 30, 4)) << "21 sheets only";
  EXPECT_EQ(tryAllConfirmation(job, 30, 20)->text,
            QStringLiteral("101 picture-indexes will be generated, trying all 30 frames."));
  job.frame = 0;
  EXPECT_FALSE(tryAllConfirmation(job, 30, 400));
}
