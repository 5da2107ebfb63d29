#include "platform/Screen.h"

#include <gtest/gtest.h>

using namespace veltrane;

// The headless platform's scripted prompts, dialogs and fixed screen are exercised by every window test.
TEST(DesktopScreen, FallsBackWithoutARealScreen) {
  const QSize size = DesktopScreen().size();
  EXPECT_GT(size.width(), 0);
  EXPECT_GT(size.height(), 0);
}

TEST(Screen, PicturesAreMadeInDevicePixels) {
  // A display scaled to 200% or 150% shows twice or one and a half times the pixels.
  EXPECT_EQ(FixedScreen({1920, 1080}, 2).pixelSize(), QSize(3840, 2160));
  EXPECT_EQ(FixedScreen({1707, 960}, 1.5).pixelSize(), QSize(2561, 1440));
  EXPECT_EQ(FixedScreen({1920, 1080}, 2).size(), QSize(1920, 1080));
  EXPECT_EQ(FixedScreen({1024, 768}).pixelSize(), QSize(1024, 768));
}
