#include "imaging/FrameWindow.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(FrameWindow, ReadsTheWindowFromTheFileName) {
  const struct {
    const char *fileName;
    std::optional<FrameWindow> window;
  } cases[] = {
      {"gold_40-35-600-445.jpg", FrameWindow{40, 35, 600, 445}},
      {"old_gold_10-10-90-90.png", FrameWindow{10, 10, 90, 90}},
      {"a_x-2-3-4y.gif", FrameWindow{0, 2, 3, 4}},
      {"a_1-2-3.gif", std::nullopt},
      {"a_1-2-3-4", std::nullopt},
      {"a1-2-3-4.gif", std::nullopt},
  };
  for (const auto &c : cases)
    EXPECT_EQ(frameWindowFromName(QString::fromUtf8(c.fileName)), c.window) << c.fileName;
  EXPECT_EQ(frameNameFromFile(QStringLiteral("old_gold_10-10-90-90.png")), QStringLiteral("old_gold"));
  EXPECT_EQ(frameNameFromFile(QStringLiteral("nounderscore.png")), std::nullopt);
}

TEST(FrameWindow, ScalesTheWindowWithTheFrame) {
  const FrameWindow window{100, 75, 900, 675};
  EXPECT_EQ(frameWindowRect(window, {1000, 750}, {800, 600}), QRect(80, 60, 640, 480));
  EXPECT_EQ(frameWindowRect(window, {1000, 750}, {1000, 750}), QRect(100, 75, 800, 600));
  EXPECT_EQ(frameWindowRect(window, {1000, 750}, {500, 500}), QRect(50, 50, 400, 400));
  // A name with absurd numbers gives a window far off the picture, never an overflow.
  const auto huge = frameWindowFromName(QStringLiteral("Huge_1%1-0-0-1e400.png").arg(QString(50, u'9')));
  ASSERT_TRUE(huge);
  const QRect far = frameWindowRect(*huge, {1000, 750}, {800, 600});
  EXPECT_EQ(far.left(), 1 << 24);
  EXPECT_TRUE(far.isEmpty()) << "refused by the preparer as an empty window";
}
