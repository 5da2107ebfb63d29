#include "imaging/Captions.h"
#include "imaging/FrameWindow.h"
#include "imaging/Stamp.h"

#include <QFontMetrics>
#include <QSet>
#include <gtest/gtest.h>

using namespace veltrane;

TEST(FrameWindow, ReadsTheWindowFromTheFileName) {
  EXPECT_EQ(frameWindowFromName(QStringLiteral("gold_40-35-600-445.jpg")), (FrameWindow{40, 35, 600, 445}));
  EXPECT_EQ(frameWindowFromName(QStringLiteral("old_gold_10-10-90-90.png")), (FrameWindow{10, 10, 90, 90}));
  EXPECT_EQ(frameWindowFromName(QStringLiteral("a_x-2-3-4y.gif")), (FrameWindow{0, 2, 3, 4}));
  EXPECT_EQ(frameWindowFromName(QStringLiteral("a_1-2-3.gif")), std::nullopt);
  EXPECT_EQ(frameWindowFromName(QStringLiteral("a_1-2-3-4")), std::nullopt);
  EXPECT_EQ(frameWindowFromName(QStringLiteral("a1-2-3-4.gif")), std::nullopt);
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
