#include "imaging/PixelSurface.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace veltrane;

namespace {

// Every pixel's colour differs, so a flip or shift shows; some are transparent.
QImage gradient(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgba((x * 7) & 255, (y * 5) & 255, (x + y) & 255, (x * 60) & 255));
  return image;
}

} // namespace

TEST(PixelSurface, RowsArePaddedToFourBytes) {
  const struct {
    int width, stride;
  } cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {640, 1920}, {641, 1924}};
  for (const auto &c : cases) {
    cDIBSection surface;
    ASSERT_TRUE(surface.Create(c.width, 3));
    EXPECT_EQ(surface.BytesPerScanLine(), c.stride) << c.width;
  }
}

TEST(PixelSurface, LaysThePictureOutBottomUpInBlueGreenRed) {
  QImage picture(640, 480, QImage::Format_RGB32);
  picture.fill(Qt::white);
  picture.setPixel(0, 0, qRgb(10, 20, 30));
  picture.setPixel(639, 0, qRgb(40, 50, 60));
  picture.setPixel(0, 479, qRgb(70, 80, 90));
  cDIBSection surface;
  surface.CreateFromPicture(picture);
  ASSERT_TRUE(surface.isValid());
  const uchar *bits = surface.DIBSectionBitsPtr();
  const auto bgr = [&](qsizetype offset) {
    return QList<int>{bits[offset], bits[offset + 1], bits[offset + 2]};
  };
  EXPECT_EQ(bgr(479 * 1920), QList<int>({30, 20, 10})) << "the top-left pixel starts the last row";
  EXPECT_EQ(bgr(479 * 1920 + 639 * 3), QList<int>({60, 50, 40}));
  EXPECT_EQ(bgr(0), QList<int>({90, 80, 70}));
}

// Transparency is dropped as Qt's conversion to RGB32 drops it: a pixel keeps its colour.
TEST(PixelSurface, CopiesEveryFormatAsQtConvertsItAndZeroesThePadding) {
  const QImage source = gradient(5, 4); // 15 bytes a row, 1 of padding
  for (const QImage::Format format :
       {QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32,
        QImage::Format_RGB888, QImage::Format_RGB16, QImage::Format_Grayscale8}) {
    const QImage picture = source.convertToFormat(format);
    cDIBSection surface;
    surface.CreateFromPicture(picture);
    ASSERT_TRUE(surface.isValid()) << format;
    EXPECT_EQ(surface.toImage(), picture.convertToFormat(QImage::Format_RGB32)) << format;
    for (int row = 0; row < 4; ++row)
      EXPECT_EQ(surface.DIBSectionBitsPtr()[row * 16 + 15], 0) << format;
  }
}

TEST(PixelSurface, CreateMakesAFreshBlackSurfaceOrFailsEmpty) {
  cDIBSection surface;
  surface.CreateFromPicture(gradient(8, 8));
  ASSERT_TRUE(surface.Create(3, 2));
  QImage black(3, 2, QImage::Format_RGB32);
  black.fill(Qt::black);
  EXPECT_EQ(surface.toImage(), black) << "not the previous picture";
  // A failure leaves no pixels but remembers the size asked.
  for (const QSize size : {QSize(0, 5), QSize(4, -1), QSize(100000, 100000)}) { // the last: 30 GB
    EXPECT_FALSE(surface.Create(size.width(), size.height())) << size.width();
    EXPECT_EQ(surface.DIBSectionBitsPtr(), nullptr) << size.width();
    EXPECT_EQ(QSize(surface.Width(), surface.Height()), size);
  }
  surface.CreateFromPicture(QImage());
  EXPECT_FALSE(surface.isValid());
}
