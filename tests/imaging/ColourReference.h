#pragma once

// The reference conversions the colour tests compare with, and the picture
// they convert (the profiles are files under tests/data/sources).

#include <QByteArray>
#include <QImage>

namespace veltrane::test {

// Hues across, from pale at the top to full at the bottom, darker to the
// right half: every sRGB region, smooth enough for JPEG.
QImage colourSweep(QSize size);

// `picture`'s pixels read in profile `from` and written in `to`, in double
// precision (relative colorimetric, black point compensation); an empty
// profile is sRGB. Format_RGB32.
QImage convertedExactly(const QImage &picture, const QByteArray &from, const QByteArray &to);

// CIE76 colour differences between two sRGB pictures of one size.
struct ColourDifference {
  double mean = 0;
  double max = 0;
};
ColourDifference colourDifference(const QImage &actual, const QImage &expected);

} // namespace veltrane::test
