#include "presets/ResizeJob.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace veltrane;

// Every text and list index of the job read once, as the batch uses it.
TEST(ResizeJob, ReadsTheJobsTextsAndIndexesOnce) {
  JobSettings job;
  job.maxWidth = "screen";
  job.maxHeight = "600.5px";
  job.fixedQuality = "150";
  job.sheetMode = 2;
  job.sheetColumns = -1;
  job.sheetRows = 7;
  ResizeJob resolved = resolveJob(job, {1920, 1080});
  EXPECT_EQ(std::tuple(resolved.maxWidth, resolved.maxHeight, resolved.swapForUpright),
            std::tuple(std::optional<double>(1920), std::optional<double>(600.5), true));
  EXPECT_EQ(std::tuple(resolved.sizeLimitKb, resolved.fixedQuality, resolved.qualityText),
            std::tuple(std::optional<double>(), 100, "150%"));
  EXPECT_EQ(resolved.grid, (SheetGrid{1, 8})) << "nothing chosen counts as 1";
  EXPECT_FALSE(resolved.writesPictures());
  EXPECT_TRUE(resolved.makesSheets());

  job.widthOn = 0;
  job.sizeLimitOn = true;
  job.sizeLimitKb = "99.5";
  job.addSuffix = 0;
  job.sameFolder = 1; // sheets need one output folder
  resolved = resolveJob(job, {1920, 1080});
  EXPECT_EQ(std::tuple(resolved.maxWidth, resolved.swapForUpright),
            std::tuple(std::optional<double>(), false));
  EXPECT_EQ(std::tuple(resolved.sizeLimitKb, resolved.qualityText),
            std::tuple(std::optional<double>(99.5), "99.5k"));
  EXPECT_EQ(resolved.suffixTemplate, std::nullopt);
  EXPECT_TRUE(resolved.writesPictures());
  EXPECT_FALSE(resolved.makesSheets());
}
