#include "platform/PlatformServices.h"

#include <gtest/gtest.h>

using namespace veltrane;

// The scripted prompts and recording launcher are exercised by every window test and the command line's.
TEST(DesktopScreen, FallsBackWithoutARealScreen) {
  const QSize size = DesktopScreen().size();
  EXPECT_GT(size.width(), 0);
  EXPECT_GT(size.height(), 0);
}

TEST(HeadlessPlatform, HasTheGivenScreenAndCancelsDialogs) {
  PlatformServices services = headlessPlatform({800, 600});
  EXPECT_EQ(services.screen->size(), QSize(800, 600));
  EXPECT_TRUE(services.dialogs->openFiles({}, {}, {}).isEmpty());
  EXPECT_FALSE(services.dialogs->chooseFolder({}, {}));
}
