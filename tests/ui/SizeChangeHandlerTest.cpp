#include "ui/SizeChangeHandler.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(SizeChangeHandler, TheSizeThatIsOffFollowsThePicturesProportions) {
  const struct {
    const char *maxWidth, *maxHeight;
    qint16 xOn, yOn;
    QSize screen, picture, borders;
    const char *derivedX, *derivedY;
    bool manualEnabled;
  } cases[] = {
      {"800", "123", 1, 0, {1920, 1080}, {320, 240}, {6, 25}, "800", "600", true},
      {"1", "600", 0, 1, {1920, 1080}, {320, 240}, {0, 0}, "800", "600", true},
      // Rounded down: 1000 x 3 / 7 = 428.57.
      {"1000", "", 1, 0, {1920, 1080}, {700, 300}, {0, 0}, "1000", "428", true},
      // "screen" is the screen's side; 1600 wide does not fit strictly inside 1600.
      {"screen", "", 1, 0, {1600, 1200}, {320, 240}, {0, 0}, "screen", "1200", false},
      // Both off: both show the picture's own size; both on: nothing derived.
      {"5", "6", 0, 0, {1920, 1080}, {320, 240}, {0, 0}, "320", "240", true},
      {"1900", "700", 1, 1, {1920, 1080}, {320, 240}, {30, 0}, "1900", "700", false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.maxWidth) + " " + c.maxHeight);
    const SizeChangeResult result =
        deriveSizes({c.maxWidth, c.maxHeight, c.xOn, c.yOn, c.screen, c.picture, c.borders});
    EXPECT_EQ(result.maxWidth, c.derivedX);
    EXPECT_EQ(result.maxHeight, c.derivedY);
    EXPECT_EQ(result.manualEnabled, c.manualEnabled);
  }
}

TEST(SizeChangeHandler, SizeBoxesTakeDigitsAndAreRepairedBelowOne) {
  for (const QChar c : QStringLiteral("0123456789\b\t"))
    EXPECT_TRUE(isSizeKeyAllowed(c)) << int(c.unicode());
  for (const QChar c : QStringLiteral("a.%- x"))
    EXPECT_FALSE(isSizeKeyAllowed(c)) << int(c.unicode());
  const std::pair<const char *, const char *> repairs[] = {
      {"", "1"}, {"0", "1"}, {"0.5", "1"}, {"screen", "screen"}, {"Screen", "1"}, {"640", "640"}};
  for (const auto &[text, repaired] : repairs)
    EXPECT_EQ(repairedSize(text), repaired) << text;
}
