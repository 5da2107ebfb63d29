#include "imaging/Stamp.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace veltrane;

TEST(Stamp, EmbossesDarkThenLightShiftedByThree) {
  QImage stamp(800, 600, QImage::Format_RGB32);
  stamp.fill(qRgb(253, 253, 253));
  // A dark square in the middle of the stamp lands at (100..199, 75..149) on a 400 x 300 picture.
  for (int y = 150; y < 300; ++y)
    for (int x = 200; x < 400; ++x)
      stamp.setPixel(x, y, qRgb(21, 21, 21));
  QImage picture(400, 300, QImage::Format_RGB32);
  picture.fill(qRgb(128, 128, 128));
  embossStamp(picture, stamp);
  EXPECT_EQ(qRed(picture.pixel(10, 10)), 130);              // light stamp: 128 & 253, then | 2
  EXPECT_EQ(qRed(picture.pixel(101, 76)), (0x80 & 21) | 2); // darkened; the shifted copy is light there
  EXPECT_EQ(qRed(picture.pixel(201, 151)), 0x80 | 0xEA);    // lightened 3 pixels past the mark
  EXPECT_EQ(qRed(picture.pixel(1, 1)), 128 & 253);          // the shifted copy does not reach the corner

  const QImage &builtIn = builtInStamp();
  ASSERT_FALSE(builtIn.isNull());
  EXPECT_EQ(builtIn.size(), QSize(800, 600));
  QSet<QRgb> colours;
  for (int y = 0; y < builtIn.height(); y += 3)
    for (int x = 0; x < builtIn.width(); x += 3)
      colours.insert(builtIn.pixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(colours, (QSet<QRgb>{0x151515, 0xFDFDFD}));
}
