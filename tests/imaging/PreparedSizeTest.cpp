#include "imaging/PreparedSize.h"

#include <gtest/gtest.h>

using namespace veltrane;

namespace {

JobSettings limits(const char *maxWidth, const char *maxHeight, int xOn, int yOn, int yx = 1, int mode = 0,
                   int neverEnlarge = 0) {
  JobSettings job;
  job.boxMode = qint16(mode);
  job.neverEnlarge = qint16(neverEnlarge);
  job.maxWidth = QString::fromUtf8(maxWidth);
  job.maxHeight = QString::fromUtf8(maxHeight);
  job.widthOn = qint16(xOn);
  job.heightOn = qint16(yOn);
  job.swapForUpright = qint16(yx);
  return job;
}

} // namespace

TEST(PreparedSize, FollowsTheLimits) {
  const QSize screen(1024, 768);
  const struct {
    QSize source;
    JobSettings job;
    int frame;
    QSize expected;
    bool untouched = false;
  } cases[] = {
      {{1600, 1200}, limits("800", "600", 1, 0), 0, {800, 600}},
      {{1600, 1200}, limits("800", "600", 0, 1), 0, {800, 600}},
      {{1200, 1600}, limits("800", "600", 1, 1, 1), 0, {600, 800}},
      {{1200, 1600}, limits("800", "600", 1, 1, 0), 0, {800, 600}},
      {{1000, 1000}, limits("800", "600", 1, 1, 1), 0, {800, 600}},
      {{1000, 333}, limits("500", "600", 1, 0), 0, {500, 166}},
      {{400, 300}, limits("800", "600", 1, 0), 0, {800, 600}},
      {{400, 300}, limits("screen", "600", 1, 0), 0, {1024, 768}},
      {{400, 300}, limits("Screen", "600", 1, 0), 0, {0, 0}},
      {{400, 300}, limits("800", "600", 0, 0), 2, {400, 300}},
      {{3000, 2000}, limits("800px", "abc", 1, 1, 1), 0, {800, 0}},
      // One limit: the upright swap is disabled and does not swap.
      {{1200, 1600}, limits("800", "600", 1, 0, 1), 0, {800, 1066}},
      // No limit and no frame leaves the source as it is.
      {{123, 45}, limits("800", "600", 0, 0), 0, {123, 45}, true},
      // Fit inside: the tighter limit decides; fill: exactly the box.
      {{3000, 4000}, limits("1024", "600", 1, 1, 0, 1), 0, {450, 600}},
      {{4000, 3000}, limits("1024", "600", 1, 1, 0, 1), 0, {800, 600}},
      {{4000, 1000}, limits("1024", "600", 1, 1, 0, 1), 0, {1024, 256}},
      {{3000, 4000}, limits("1024", "600", 1, 1, 1, 1), 0, {600, 800}},
      {{3000, 4000}, limits("1024", "600", 1, 1, 0, 2), 0, {1024, 600}},
      // Never enlarge: inside the box keeps its own size, framed or not;
      // a fill crops to what the picture has.
      {{400, 300}, limits("800", "600", 1, 1, 0, 1, 1), 0, {400, 300}, true},
      {{400, 300}, limits("800", "600", 1, 1, 0, 0, 1), 2, {400, 300}},
      {{400, 300}, limits("800", "0", 1, 0, 0, 0, 1), 0, {400, 300}, true},
      {{1600, 300}, limits("800", "600", 1, 1, 0, 2, 1), 0, {800, 300}},
      {{1600, 300}, limits("800", "600", 1, 1, 0, 0, 1), 0, {800, 300}},
  };
  for (auto c : cases) {
    c.job.frame = qint16(c.frame);
    // What the batch hands the preparer: the job's texts read once.
    const PreparedSize result = preparedSize(c.source, resolveJob(c.job, screen));
    EXPECT_EQ(result.size, c.expected) << c.job.maxWidth.toStdString() << " " << c.source.width();
    EXPECT_EQ(result.untouched, c.untouched);
  }
}

TEST(PreparedSize, AFillCoversItsPlaceAndCropsTheMiddle) {
  const PreparedSize fill{{1024, 600}, false, true};
  EXPECT_EQ(coveringSize({3000, 4000}, {1024, 600}, fill), QSize(1024, 1366));
  EXPECT_EQ(coveringSize({4000, 1000}, {1024, 600}, fill), QSize(2400, 600));
  EXPECT_EQ(centredCrop({1024, 1366}, {1024, 600}), QRect(0, 383, 1024, 600));
  EXPECT_EQ(coveringSize({3000, 4000}, {1024, 600}, {{1024, 600}, false, false}), QSize(1024, 600));
}
