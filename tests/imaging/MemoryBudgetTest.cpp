#include "imaging/MemoryBudget.h"

#include "DecoderTestFiles.h"
#include "TempFolder.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PicturePreparer.h"
#include "presets/FrameList.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace veltrane;
using namespace veltrane::test;

namespace {

// Blocks until `done` holds; every wait here ends as soon as another thread
// has reached a known point, never after a guessed time.
template <typename Condition> void waitFor(Condition done) {
  while (!done())
    std::this_thread::yield();
}

// A reservation taken on a thread of its own, held until `release`.
class Holder {
public:
  Holder(MemoryBudget &budget, qint64 bytes)
      : m_thread([this, &budget, bytes] {
          MemoryBudget::Reservation reservation = budget.reserve(bytes);
          m_holding = true;
          waitFor([this] { return m_release.load(); });
        }) {}
  ~Holder() {
    release();
    m_thread.join();
  }
  bool holding() const { return m_holding; }
  void release() { m_release = true; }

private:
  std::atomic<bool> m_holding = false, m_release = false;
  std::thread m_thread;
};

} // namespace

TEST(MemoryBudget, APictureOverTheBudgetRunsAloneAndNothingPassesItWhileItWaits) {
  MemoryBudget budget(1000);
  std::optional<MemoryBudget::Reservation> ordinary = budget.reserve(100);
  Holder big(budget, 5000);
  waitFor([&] { return budget.waiting() == 1; });
  EXPECT_FALSE(big.holding()) << "begun beside another";
  Holder small(budget, 10); // would fit, but the big one came first
  waitFor([&] { return budget.waiting() == 2; });
  ordinary.reset();
  waitFor([&] { return big.holding(); });
  EXPECT_EQ(budget.held(), 5000);
  EXPECT_EQ(budget.waiting(), 1) << "begun beside the big one";
  big.release();
  waitFor([&] { return small.holding(); });
  EXPECT_EQ(budget.held(), 10);
}

TEST(MemoryBudget, SmallOnesPassAFullBudgetUpToAQuarterBeyond) {
  MemoryBudget budget(800);
  std::optional<MemoryBudget::Reservation> large = budget.reserve(700);
  std::vector<MemoryBudget::Reservation> small;
  for (int i = 0; i < 3; ++i)
    small.push_back(budget.reserve(100)); // 800, 900, 1000
  EXPECT_EQ(budget.held(), 1000);
  Holder fourth(budget, 100);
  Holder medium(budget, 300);
  waitFor([&] { return budget.waiting() == 2; });
  small.clear();
  waitFor([&] { return fourth.holding(); });
  EXPECT_EQ(budget.held(), 800);
  EXPECT_FALSE(medium.holding());
  large.reset();
  waitFor([&] { return medium.holding(); });
}

TEST(MemoryBudget, ABigPictureShrunkToItsResultLetsOthersBegin) {
  MemoryBudget budget(1000);
  MemoryBudget::Reservation big = budget.reserve(5000);
  Holder other(budget, 400);
  waitFor([&] { return budget.waiting() == 1; });
  big.shrinkTo(200);
  waitFor([&] { return other.holding(); });
  EXPECT_EQ(budget.held(), 600);
  MemoryBudget::Reservation moved = std::move(big);
  EXPECT_EQ(moved.bytes(), 200);
  moved = MemoryBudget::Reservation();
  EXPECT_EQ(budget.held(), 400);
}

// Every decoder reserves its pixels (and the caller's copies) before making
// them, and the picture keeps the reservation.
TEST(MemoryBudget, EveryDecoderReservesBeforeItsPixelsAndThePictureHoldsIt) {
  const QImage indexed = indexedQuadrants({200, 100});
  const struct {
    const char *name;
    QByteArray file;
    qint64 atLeast; // besides the file and the caller's bytes
  } cases[] = {
      {"JPEG", jpegFile(indexed), 200 * 100 * 4},
      // Its coefficients too: 2 bytes each, half as many for each chroma plane.
      {"progressive JPEG", jpegFile(indexed, {.progressive = true}), 200 * 100 * (4 + 3)},
      {"turned JPEG", jpegFile(indexed, {.exifOrientation = 6}), 200 * 100 * 8},
      {"GIF", gifFile(indexed, {.screen = {400, 300}}), 400 * 300 * 4},
      {"BMP", bmpFile(200, 100, 24, 0, {}, bmpRows(indexed, 24)), 200 * 100 * 4},
      {"RLE8 BMP", bmpFile(200, 100, 8, 1, indexed.colorTable(), bmpRle(indexed, false)), 200 * 100 * 4},
  };
  PictureDecoder decoder;
  MemoryBudget budget(qint64(1) << 30);
  DecodeRequest request;
  request.memoryBudget = &budget;
  request.callerBytes = [](QSize full) { return qint64(full.width()) * full.height(); };
  for (const auto &c : cases) {
    {
      const DecodeResult result = decoder.decodeBytes(c.file, request);
      ASSERT_TRUE(result.ok()) << c.name << ": " << result.error.toStdString();
      const QSize full = result.picture->fullSize;
      EXPECT_GE(result.picture->memory.bytes(), c.atLeast + c.file.size() + full.width() * full.height())
          << c.name;
      EXPECT_EQ(budget.held(), result.picture->memory.bytes()) << c.name;
    }
    EXPECT_EQ(budget.held(), 0) << c.name;
  }

  // Over a small budget, a decode waits while anything else is held.
  MemoryBudget small(1000);
  request.memoryBudget = &small;
  std::optional<MemoryBudget::Reservation> other = small.reserve(10);
  std::atomic<bool> decoded = false;
  std::thread decoding([&] {
    PictureDecoder own;
    decoded = own.decodeBytes(gifFile(indexed), request).ok();
  });
  waitFor([&] { return small.waiting() == 1; });
  EXPECT_FALSE(decoded);
  other.reset();
  decoding.join();
  EXPECT_TRUE(decoded);
  EXPECT_EQ(small.held(), 0);
}

// The decode's reservation covers the copies the preparation makes, and once
// the source is let go, only the result and the encoder's copy stay held.
TEST(MemoryBudget, APreparedPictureHoldsItsResultUntilItIsWritten) {
  TempFolder folder;
  const QString photo = folder.write("photo.gif", gifFile(indexedQuadrants({400, 300})));
  PicturePreparer preparer(FrameLibrary(), {1024, 768});
  JobSettings job;
  job.maxWidth = QStringLiteral("100");
  job.widthOn = 1;
  job.heightOn = 0;
  job.frame = 0;
  PictureDecoder decoder;
  MemoryBudget budget(qint64(1) << 30);
  {
    const PrepareResult result =
        preparer.preparePicture(decoder, photo, resolveJob(job, {1024, 768}), frameListEntries({}), &budget);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.picture->image.size(), QSize(100, 75));
    EXPECT_EQ(budget.held(), 100 * 75 * 4);
  }
  EXPECT_EQ(budget.held(), 0);
}
