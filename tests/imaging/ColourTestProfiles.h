#pragma once

// Colour profiles made with Little CMS, as cameras, phones and presses embed
// them, and the reference conversions the tests compare with.

#include <QByteArray>
#include <QImage>

namespace veltrane::test {

QByteArray adobeRgbProfile();  // Adobe RGB (1998): gamma 563/256, D65
QByteArray displayP3Profile(); // Display P3: P3 primaries, D65, the sRGB tone curve
QByteArray srgbProfile();      // Little CMS's own sRGB
QByteArray greyProfile(double gamma);
// A made-up press whose cyan ink also takes 30% of the green light: full
// cyan prints as sRGB (0, 179, 255), where a plain reading of CMYK gives
// (0, 255, 255).
QByteArray cmykProfile();

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
