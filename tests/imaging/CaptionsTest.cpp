#include "imaging/Captions.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace veltrane;

TEST(Captions, FontFitsTheWidthInEvenSteps) {
  QFont font(QStringLiteral("DejaVu Sans"));
  const int size = setFontFor(font, QStringLiteral("TRY ALL"), 320);
  EXPECT_EQ(size % 2, 0);
  EXPECT_GE(size, 8);
  EXPECT_EQ(font.pointSize(), size);
  QFont larger = font;
  larger.setPointSize(size + 2);
  QImage device(1, 1, QImage::Format_RGB32);
  device.setDotsPerMeterX(3780);
  device.setDotsPerMeterY(3780);
  EXPECT_LE(QFontMetrics(font, &device).horizontalAdvance(QStringLiteral("TRY ALL")), 320);
  EXPECT_GT(QFontMetrics(larger, &device).horizontalAdvance(QStringLiteral("TRY ALL")), 320);
  EXPECT_EQ(setFontFor(font, QStringLiteral("far too wide for a tiny box"), 10), 8);
  EXPECT_LE(setFontFor(font, QString(), 100), 512);
}
