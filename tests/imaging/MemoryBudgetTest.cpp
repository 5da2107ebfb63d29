#include "imaging/MemoryBudget.h"

#include <atomic>
#include <gtest/gtest.h>
#include <optional>
#include <thread>
#include <vector>

using namespace veltrane;

namespace {

// Blocks until `done` holds; every wait here ends as soon as another thread
// has reached a known point, never after a guessed time.
template <typename Condition> void waitFor(Condition done) {
  while (!done())
    std::this_thread::yield();
}

// A reservation taken on a thread of its own, held until `release`.
struct Holder {
  Holder(MemoryBudget &budget, qint64 bytes)
      : thread([this, &budget, bytes](std::stop_token release) {
          const MemoryBudget::Reservation reservation = budget.reserve(bytes);
          holding = true;
          waitFor([&] { return release.stop_requested(); });
        }) {}
  void release() { thread.request_stop(); }

  std::atomic<bool> holding = false;
  std::jthread thread; // asks to release and joins when the holder ends
};

} // namespace

TEST(MemoryBudget, APictureOverTheBudgetRunsAloneAndNothingPassesItWhileItWaits) {
  MemoryBudget budget(1000);
  std::optional<MemoryBudget::Reservation> ordinary = budget.reserve(100);
  Holder big(budget, 5000);
  waitFor([&] { return budget.waiting() == 1; });
  EXPECT_FALSE(big.holding.load()) << "begun beside another";
  Holder small(budget, 10); // would fit, but the big one came first
  waitFor([&] { return budget.waiting() == 2; });
  ordinary.reset();
  waitFor([&] { return big.holding.load(); });
  EXPECT_EQ(budget.held(), 5000);
  EXPECT_EQ(budget.waiting(), 1) << "begun beside the big one";
  big.release();
  waitFor([&] { return small.holding.load(); });
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
  waitFor([&] { return fourth.holding.load(); });
  EXPECT_EQ(budget.held(), 800);
  EXPECT_FALSE(medium.holding.load());
  large.reset();
  waitFor([&] { return medium.holding.load(); });
}

TEST(MemoryBudget, ABigPictureShrunkToItsResultLetsOthersBegin) {
  MemoryBudget budget(1000);
  MemoryBudget::Reservation big = budget.reserve(5000);
  Holder other(budget, 400);
  waitFor([&] { return budget.waiting() == 1; });
  big.shrinkTo(200);
  waitFor([&] { return other.holding.load(); });
  EXPECT_EQ(budget.held(), 600);
  MemoryBudget::Reservation moved = std::move(big);
  EXPECT_EQ(moved.bytes(), 200);
  moved = MemoryBudget::Reservation();
  EXPECT_EQ(budget.held(), 400);
}
