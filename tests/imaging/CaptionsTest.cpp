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

TEST(Captions, PrintsCentredWithAShadow) {
  QImage picture(320, 240, QImage::Format_RGB32);
  picture.fill(qRgb(0, 0, 255));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  printCaption(picture, font, QStringLiteral("TRY ALL"), kCentred, 0, true, Qt::white);
  printCaption(picture, font, QStringLiteral("6 FRAMES"), kCentred, kBottom, true, Qt::white);
  int whiteTop = 0, whiteBottom = 0, black = 0, whiteMiddle = 0;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      const QRgb p = picture.pixel(x, y);
      if (p == qRgb(255, 255, 255))
        (y < 100 ? whiteTop : y > 140 ? whiteBottom : whiteMiddle)++;
      if (p == qRgb(0, 0, 0))
        ++black;
    }
  EXPECT_GT(whiteTop, 100);
  EXPECT_GT(whiteBottom, 100);
  EXPECT_EQ(whiteMiddle, 0);
  EXPECT_GT(black, 50);
}
