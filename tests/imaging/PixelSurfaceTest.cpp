#include "imaging/PixelSurface.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace veltrane;

namespace {

// A picture whose every pixel differs, so a flip or shift shows.
QImage gradient(int width, int height, QImage::Format format = QImage::Format_RGB32) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, (x + y) & 255));
  return image.convertToFormat(format);
}

// The blue, green, red bytes of picture pixel (x, y) in the surface memory.
QList<int> bgrAt(const cDIBSection &surface, int x, int y) {
  const uchar *pixel =
      surface.DIBSectionBitsPtr() + (surface.Height() - 1 - y) * surface.BytesPerScanLine() + x * 3;
  return {pixel[0], pixel[1], pixel[2]};
}

} // namespace

TEST(PixelSurface, RowsArePaddedToFourBytes) {
  const struct {
    int width;
    int stride;
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
  EXPECT_EQ(surface.Width(), 640);
  EXPECT_EQ(surface.Height(), 480);
  EXPECT_EQ(surface.BytesPerScanLine(), 1920);
  const uchar *bits = surface.DIBSectionBitsPtr();
  const uchar *topLeft = bits + 479 * 1920;
  EXPECT_EQ(QList<int>({topLeft[0], topLeft[1], topLeft[2]}), QList<int>({30, 20, 10}));
  const uchar *topRight = topLeft + 639 * 3;
  EXPECT_EQ(QList<int>({topRight[0], topRight[1], topRight[2]}), QList<int>({60, 50, 40}));
  EXPECT_EQ(QList<int>({bits[0], bits[1], bits[2]}), QList<int>({90, 80, 70}));
}

TEST(PixelSurface, CopiesEveryFormatAndZeroesThePadding) {
  const QImage source = gradient(5, 4); // 15 bytes a row, 1 of padding
  for (const QImage::Format format :
       {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
        QImage::Format_RGB888, QImage::Format_BGR888, QImage::Format_RGB16, QImage::Format_Grayscale8}) {
    const QImage picture = source.convertToFormat(format);
    cDIBSection surface;
    surface.CreateFromPicture(picture);
    ASSERT_TRUE(surface.isValid()) << format;
    EXPECT_EQ(surface.toImage(), picture.convertToFormat(QImage::Format_RGB32)) << format;
    for (int row = 0; row < 4; ++row)
      EXPECT_EQ(surface.DIBSectionBitsPtr()[row * 16 + 15], 0) << format;
  }
}

TEST(PixelSurface, DropsTransparencyAsQtDoes) {
  QImage picture(3, 1, QImage::Format_ARGB32);
  picture.setPixel(0, 0, qRgba(200, 100, 50, 0));
  picture.setPixel(1, 0, qRgba(200, 100, 50, 128));
  picture.setPixel(2, 0, qRgba(1, 2, 3, 255));
  cDIBSection surface;
  surface.CreateFromPicture(picture);
  EXPECT_EQ(bgrAt(surface, 0, 0), QList<int>({50, 100, 200}));
  EXPECT_EQ(bgrAt(surface, 1, 0), QList<int>({50, 100, 200}));
  EXPECT_EQ(bgrAt(surface, 2, 0), QList<int>({3, 2, 1}));
  const QImage premultiplied = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  surface.CreateFromPicture(premultiplied);
  EXPECT_EQ(surface.toImage(), premultiplied.convertToFormat(QImage::Format_RGB32));
}

TEST(PixelSurface, CreateReplacesTheOldSurfaceAndFailsOnEmptySizes) {
  cDIBSection surface;
  EXPECT_FALSE(surface.isValid());
  EXPECT_EQ(surface.DIBSectionBitsPtr(), nullptr);
  surface.CreateFromPicture(gradient(8, 8));
  ASSERT_TRUE(surface.Create(3, 2));
  EXPECT_EQ(surface.Width(), 3);
  EXPECT_EQ(surface.Height(), 2);
  // A fresh surface is black, not the previous picture.
  QImage black(3, 2, QImage::Format_RGB32);
  black.fill(Qt::black);
  EXPECT_EQ(surface.toImage(), black);

  EXPECT_FALSE(surface.Create(0, 5));
  EXPECT_FALSE(surface.isValid());
  EXPECT_EQ(surface.DIBSectionBitsPtr(), nullptr);
  EXPECT_EQ(surface.Width(), 0);
  EXPECT_EQ(surface.Height(), 5);
  EXPECT_FALSE(surface.Create(4, -1));
  EXPECT_FALSE(surface.Create(100000, 100000)); // 30 GB
  EXPECT_FALSE(surface.isValid());

  ASSERT_TRUE(surface.Create(7, 9));
  surface.ClearUp();
  EXPECT_FALSE(surface.isValid());
  EXPECT_EQ(surface.Width(), 7);
  EXPECT_EQ(surface.Height(), 9);
  EXPECT_EQ(surface.BytesPerScanLine(), 24);

  surface.CreateFromPicture(QImage());
  EXPECT_FALSE(surface.isValid());
}

TEST(PixelSurface, BltCopiesToTheTopLeftCornerAndClips) {
  const QImage source = gradient(10, 8);
  cDIBSection surface;
  ASSERT_TRUE(surface.Create(4, 3));
  surface.LoadPictureBlt(source, 2, 1, -1, -1);
  EXPECT_EQ(surface.toImage(), source.copy(2, 1, 4, 3));

  // Only the part that lies in the source is copied; the rest stays black.
  ASSERT_TRUE(surface.Create(4, 3));
  surface.LoadPictureBlt(source.convertToFormat(QImage::Format_RGB888), 8, 6, -1, -1);
  QImage expected(4, 3, QImage::Format_RGB32);
  expected.fill(Qt::black);
  QPainter(&expected).drawImage(0, 0, source.copy(8, 6, 2, 2));
  EXPECT_EQ(surface.toImage(), expected);

  ASSERT_TRUE(surface.Create(4, 3));
  surface.LoadPictureBlt(source, 0, 0, 1, 2);
  expected.fill(Qt::black);
  QPainter(&expected).drawImage(0, 0, source.copy(0, 0, 1, 2));
  EXPECT_EQ(surface.toImage(), expected);
}
