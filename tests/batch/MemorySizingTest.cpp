#include "batch/MemorySizing.h"
#include "TempFolder.h"
#include "imaging/MemoryBudget.h"
#include "platform/MachineMemory.h"

#include <gtest/gtest.h>

using namespace veltrane;

namespace {

constexpr qint64 kMB = 1024 * 1024;

} // namespace

// The free memory is the machine's, or the room left under the closest
// control-group limit at any level, in either version of control groups;
// no limit, a folder the container does not show, or no files at all are
// passed over.
TEST(MemorySizing, TheFreeMemoryIsTheClosestOfTheMachineAndItsControlGroups) {
  const QByteArray meminfo = "MemTotal:       8000000 kB\nMemFree:  100 kB\nMemAvailable:    4000000 kB\n";
  struct Case {
    const char *name;
    QByteArray selfCgroup;
    QList<std::pair<const char *, QByteArray>> files; // under the cgroup folder
    std::optional<qint64> expected;
  };
  const Case cases[] = {
      {"no control group", "", {}, 4000000 * 1024LL},
      {"version 2 without a limit",
       "0::/user.slice/app.scope\n",
       {{"user.slice/app.scope/memory.max", "max\n"}, {"user.slice/app.scope/memory.current", "1000\n"}},
       4000000 * 1024LL},
      {"version 2, a pod's limit",
       "0::/kubepods/pod1\n",
       {{"kubepods/pod1/memory.max", "268435456\n"}, {"kubepods/pod1/memory.current", "41943040\n"}},
       256 * kMB - 40 * kMB},
      {"version 2, the limit one level up",
       "0::/system.slice/run-1.scope\n",
       {{"system.slice/memory.max", "209715200\n"},
        {"system.slice/memory.current", "0\n"},
        {"system.slice/run-1.scope/memory.max", "max\n"}},
       200 * kMB},
      {"version 2 inside a container: only the root",
       "0::/host/path/not/here\n",
       {{"memory.max", "104857600\n"}, {"memory.current", "4857600\n"}},
       100 * kMB - 4857600},
      {"version 1, no limit",
       "4:memory:/process_api/x\n2:cpu:/\n",
       {{"memory/process_api/x/memory.limit_in_bytes", "9223372036854771712\n"}},
       4000000 * 1024LL},
      {"version 1, a limit",
       "5:cpu,memory:/job\n",
       {{"memory/job/memory.limit_in_bytes", "524288000\n"},
        {"memory/job/memory.usage_in_bytes", "24288000\n"}},
       500000000},
      {"over its limit", "0::/full\n", {{"full/memory.max", "1000\n"}, {"full/memory.current", "5000\n"}}, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const test::TempFolder temp;
    temp.write("proc/meminfo", meminfo);
    temp.write("proc/self/cgroup", c.selfCgroup);
    for (const auto &[path, text] : c.files)
      temp.write(QStringLiteral("cgroup/") + QString::fromUtf8(path), text);
    EXPECT_EQ(availableMemory({temp.file("proc"), temp.file("cgroup")}), c.expected);
  }
  const test::TempFolder nothing;
  EXPECT_EQ(availableMemory({nothing.file("proc"), nothing.file("cgroup")}), std::nullopt);
}

// --memory sets both limits; otherwise a quarter of the free memory is shared and
// three quarters may go to one picture; a picture past that is refused with
// what it needs and what there is.
TEST(MemorySizing, TheBudgetFollowsTheFreeMemoryAndRefusesWhatItCanNeverGive) {
  EXPECT_EQ(memorySizingFor(300 * kMB, 8000 * kMB).shared, 300 * kMB);
  EXPECT_EQ(memorySizingFor(300 * kMB, 8000 * kMB).mostForOne, 300 * kMB);
  const MemorySizing pod = memorySizingFor(0, 216 * kMB);
  EXPECT_EQ(pod.shared, 54 * kMB);
  EXPECT_EQ(pod.mostForOne, 162 * kMB);
  EXPECT_EQ(memorySizingFor(0, 0).shared, 16 * kMB);
  EXPECT_EQ(memorySizingFor(0, std::nullopt).shared, 120 * kMB);

  MemoryBudget budget(pod.shared, pod.mostForOne);
  const MemoryBudget::Reservation alone = budget.reserve(150 * kMB);
  EXPECT_TRUE(alone.refusal().isEmpty());
  EXPECT_EQ(alone.bytes(), 150 * kMB);
  const MemoryBudget::Reservation refused = budget.reserve(162 * kMB + 1);
  EXPECT_EQ(refused.refusal(), QStringLiteral("needs 163 MB, 162 MB available"));
  EXPECT_EQ(refused.bytes(), 0);
  EXPECT_EQ(budget.held(), 150 * kMB);
}
