#include "ui/Translucency.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace veltrane;

TEST(Translucency, SetsTheOpacityOrSaysWhyNot) {
  QWidget window;
  EXPECT_EQ(makeTranslucent(window, 180), Translucency::Done);
  EXPECT_NEAR(window.windowOpacity(), 180 / 255.0, 0.01);
  EXPECT_EQ(makeTranslucent(window, 256), Translucency::AlphaOutOfRange);
  EXPECT_EQ(makeTranslucent(window, -1), Translucency::AlphaOutOfRange);
  EXPECT_NEAR(window.windowOpacity(), 180 / 255.0, 0.01);
  EXPECT_EQ(makeTranslucent(window, 255), Translucency::Done);
  EXPECT_EQ(window.windowOpacity(), 1.0);
}
