// AVIF grids (a picture made of tiles, which libheif sizes by the grid's own
// descriptor) and a picture whose "ispe" box understates its coded size.
// The files come from tests/data/heif/make-grids.

#include "DecoderFixture.h"
#include "QuadrantCheck.h"
#include "TestData.h"
#include "imaging/MemoryBudget.h"

#include <atomic>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <thread>

using namespace veltrane;
using namespace veltrane::test;

namespace {

// The most memory this process has held so far.
qint64 peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// A decode refused before any pixels: a 20000 x 20000 canvas would take gigabytes.
constexpr qint64 kMostMegabytesForARefusal = 100;

// A request with a budget that records the largest picture the decoder reserved for.
DecodeRequest recordingRequest(MemoryBudget &budget, std::atomic<qint64> &asked) {
  DecodeRequest request;
  request.memoryBudget = &budget;
  request.callerBytes = [&asked](QSize full) {
    asked = std::max<qint64>(asked, qint64(full.width()) * full.height());
    return 0;
  };
  return request;
}

using HeifGridTest = DecoderFixture;

} // namespace

// A grid of four tiles is put together, trimmed or not; one whose tiles leave most of its
// canvas empty (a black picture but for a speck) is damaged, not a picture.
TEST_F(HeifGridTest, GridsDecodeWholeOrAreDamaged) {
  MemoryBudget budget(qint64(1) << 30);
  std::atomic<qint64> asked = 0;
  const struct {
    const char *name;
    QSize size;
  } grids[] = {{"heif/grid-2x2.avif", {256, 256}}, {"heif/grid-trimmed-200x240.avif", {200, 240}}};
  for (const auto &grid : grids) {
    {
      const DecodeResult whole = decode(testData(grid.name), recordingRequest(budget, asked));
      ASSERT_TRUE(whole.ok()) << grid.name << ": " << whole.error.toStdString();
      EXPECT_EQ(whole.picture->image.size(), grid.size) << grid.name;
      EXPECT_TRUE(showsQuadrants(whole.picture->image, kStored, 24)) << grid.name;
      EXPECT_GE(whole.picture->memory.bytes(), 256 * 256 * 4) << grid.name << ": the canvas and a tile";
    }
    const DecodeResult probed = decoder.probeFile(folder.write(grid.name, testData(grid.name)));
    ASSERT_TRUE(probed.ok()) << grid.name << ": " << probed.error.toStdString();
    EXPECT_EQ(probed.picture->fullSize, grid.size) << grid.name;
  }

  const qint64 before = peakMegabytes();
  const QByteArray uncovered = testData("heif/grid-uncovered-15000x15000.avif");
  const DecodeResult result = decode(uncovered, recordingRequest(budget, asked));
  EXPECT_EQ(result.error, QString("damaged AVIF data (the grid's tiles do not cover its picture)"));
  EXPECT_EQ(decoder.probeFile(folder.write("uncovered.avif", uncovered)).error, result.error);
  EXPECT_LT(peakMegabytes() - before, kMostMegabytesForARefusal);
  EXPECT_EQ(asked, 256 * 256) << "only the whole grid reserved memory";

  // The grid's "ispe" box says 256 x 200 of its 256 x 256 canvas: a container that
  // claims one size and decodes another.
  QByteArray misSized = testData("heif/grid-2x2.avif");
  const qsizetype ispe = misSized.indexOf(QByteArray("ispe\0\0\0\0\0\0\1\0\0\0\1\0", 16));
  ASSERT_GT(ispe, 0);
  misSized[ispe + 14] = 0;
  misSized[ispe + 15] = char(200);
  EXPECT_EQ(decode(misSized).error, QString("damaged AVIF data (the grid is not the size its header gives)"));
}

// A grid whose descriptor claims 20000 x 20000 while its "ispe" box says
// 256 x 256 is too large, and said so before anything is decoded or
// reserved: two at once, as under -j2, neither holds what the budget would
// have made wait.
TEST_F(HeifGridTest, OversizedGridsAreRefusedBeforeDecodingAndHoldNoMemory) {
  const QByteArray file = testData("heif/grid-20000x20000.avif");
  MemoryBudget budget(qint64(256) << 20);
  std::atomic<qint64> asked = 0;
  const qint64 before = peakMegabytes();
  QString errors[2];
  std::thread workers[2];
  for (int i = 0; i < 2; ++i)
    workers[i] = std::thread([&, i] {
      PictureDecoder own;
      errors[i] = own.decodeBytes(file, recordingRequest(budget, asked)).error;
    });
  for (std::thread &worker : workers)
    worker.join();
  for (const QString &error : errors)
    EXPECT_EQ(error, QString("picture too large (20000 x 20000 pixels)"));
  EXPECT_EQ(decoder.probeFile(folder.write("huge.avif", file)).error, errors[0]);
  EXPECT_LT(peakMegabytes() - before, kMostMegabytesForARefusal);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(budget.held(), 0);
}

// A picture whose "ispe" box says 64 x 64 while its AV1 data declares
// 2048 x 2048: the codec makes the larger, so that is what is checked.
TEST_F(HeifGridTest, CodedPictureIsCheckedAtTheSizeItsDataDeclares) {
  DecodeRequest request;
  request.maxPixels = 1'000'000;
  EXPECT_EQ(decode(testData("heif/understated-2048x2048.avif"), request).error,
            QString("picture too large (2048 x 2048 pixels)"));
}
