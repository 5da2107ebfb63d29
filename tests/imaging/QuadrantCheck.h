#pragma once

// The quadrants picture, and checks of a decoded one against its four colours.

#include "TestPictures.h"

#include <QImage>
#include <array>
#include <gtest/gtest.h>

namespace veltrane::test {

// Red, green / blue, white quadrants, as palette indexes 0..3: every
// orientation and colour mistake shows in the corners.
inline QImage indexedQuadrants(QSize size) {
  QImage indexed(size, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)});
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      indexed.scanLine(y)[x] = uchar((y < size.height() / 2 ? 0 : 2) + (x < size.width() / 2 ? 0 : 1));
  return indexed;
}

using Quadrants = std::array<QRgb, 4>; // top left, top right, bottom left, bottom right

inline constexpr QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255),
                      kWhite = qRgb(255, 255, 255);
// The colours indexedQuadrants stores.
inline constexpr Quadrants kStored = {kRed, kGreen, kBlue, kWhite};

// indexedQuadrants as the decoders' RGB32.
inline QImage rgbQuadrants(QSize size) {
  return indexedQuadrants(size).convertToFormat(QImage::Format_RGB32);
}

// The colours amid each quadrant, where lossy coding's blur at the edges does not reach.
inline Quadrants quadrantMiddles(const QImage &image) {
  const int w = image.width(), h = image.height();
  return {image.pixel(w / 4, h / 4), image.pixel(3 * w / 4, h / 4), image.pixel(w / 4, 3 * h / 4),
          image.pixel(3 * w / 4, 3 * h / 4)};
}

// RGB32 and opaque, with the colours amid each quadrant (where lossy
// coding's blur at the edges does not reach) within tolerance.
inline ::testing::AssertionResult showsQuadrants(const QImage &image, const Quadrants &expected,
                                                 int tolerance) {
  if (image.format() != QImage::Format_RGB32)
    return ::testing::AssertionFailure() << "format " << int(image.format());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(reinterpret_cast<const QRgb *>(image.constScanLine(y))[x]) != 255)
        return ::testing::AssertionFailure() << "not opaque at " << x << ", " << y;
  const Quadrants middles = quadrantMiddles(image);
  for (size_t i = 0; i < 4; ++i)
    if (const QRgb actual = middles[i]; !near(actual, expected[i], tolerance))
      return ::testing::AssertionFailure() << "quadrant " << i << " is " << std::hex << (actual & 0xFFFFFF)
                                           << ", not " << (expected[i] & 0xFFFFFF);
  return ::testing::AssertionSuccess();
}

} // namespace veltrane::test
