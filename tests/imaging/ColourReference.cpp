#include "ColourReference.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include <lcms2.h>

namespace veltrane::test {
namespace {

using Profile = std::unique_ptr<void, decltype(&cmsCloseProfile)>;
using Transform = std::unique_ptr<void, decltype(&cmsDeleteTransform)>;

Profile openProfile(const QByteArray &bytes) {
  return Profile(bytes.isEmpty() ? cmsCreate_sRGBProfile()
                                 : cmsOpenProfileFromMem(bytes.constData(), cmsUInt32Number(bytes.size())),
                 cmsCloseProfile);
}

} // namespace

QImage colourSweep(QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) {
      const double across = double(x) / size.width(), down = double(y) / std::max(1, size.height() - 1);
      const double hue = std::fmod(across * 2, 1.0), value = across < 0.5 ? 1.0 : 0.55;
      picture.setPixel(x, y, QColor::fromHsvF(float(hue), float(down), float(value)).rgb());
    }
  return picture;
}

QImage convertedExactly(const QImage &picture, const QByteArray &from, const QByteArray &to) {
  const Profile input = openProfile(from), output = openProfile(to);
  const Transform transform(cmsCreateTransform(input.get(), TYPE_RGB_DBL, output.get(), TYPE_RGB_DBL,
                                               INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_BLACKPOINTCOMPENSATION),
                            cmsDeleteTransform);
  QImage result(picture.size(), QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      const double in[3] = {qRed(pixel) / 255.0, qGreen(pixel) / 255.0, qBlue(pixel) / 255.0};
      double out[3];
      cmsDoTransform(transform.get(), in, out, 1);
      const auto level = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
      result.setPixel(x, y, qRgb(level(out[0]), level(out[1]), level(out[2])));
    }
  return result;
}

ColourDifference colourDifference(const QImage &actual, const QImage &expected) {
  const Profile srgb = openProfile({}), lab(cmsCreateLab4Profile(nullptr), cmsCloseProfile);
  const Transform toLab(
      cmsCreateTransform(srgb.get(), TYPE_BGRA_8, lab.get(), TYPE_Lab_DBL, INTENT_RELATIVE_COLORIMETRIC, 0),
      cmsDeleteTransform);
  const QImage a = actual.convertToFormat(QImage::Format_RGB32);
  const QImage b = expected.convertToFormat(QImage::Format_RGB32);
  ColourDifference difference;
  if (a.size() != b.size() || a.isNull())
    return {1e9, 1e9};
  std::vector<cmsCIELab> labA(size_t(a.width())), labB(size_t(a.width()));
  double total = 0;
  for (int y = 0; y < a.height(); ++y) {
    cmsDoTransform(toLab.get(), a.constScanLine(y), labA.data(), cmsUInt32Number(a.width()));
    cmsDoTransform(toLab.get(), b.constScanLine(y), labB.data(), cmsUInt32Number(a.width()));
    for (int x = 0; x < a.width(); ++x) {
      const double delta = cmsDeltaE(&labA[size_t(x)], &labB[size_t(x)]);
      total += delta;
      difference.max = std::max(difference.max, delta);
    }
  }
  difference.mean = total / (double(a.width()) * a.height());
  return difference;
}

} // namespace veltrane::test
