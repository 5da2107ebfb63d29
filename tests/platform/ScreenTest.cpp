#include "platform/Screen.h"

#include <gtest/gtest.h>

using namespace veltrane;

// The headless platform's scripted prompts, dialogs and fixed screen are exercised by every window test.
TEST(DesktopScreen, FallsBackWithoutARealScreen) {
  const QSize size = DesktopScreen().size();
  EXPECT_GT(size.width(), 0);
  EXPECT_GT(size.height(), 0);
}
