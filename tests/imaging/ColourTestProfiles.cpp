#include "ColourTestProfiles.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include <lcms2.h>

namespace veltrane::test {
namespace {

struct ProfileCloser {
  void operator()(void *profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

struct TransformDeleter {
  void operator()(void *transform) const { cmsDeleteTransform(transform); }
};
using Transform = std::unique_ptr<void, TransformDeleter>;

QByteArray saved(cmsHPROFILE profile) {
  cmsUInt32Number size = 0;
  cmsSaveProfileToMem(profile, nullptr, &size);
  QByteArray bytes(qsizetype(size), '\0');
  cmsSaveProfileToMem(profile, bytes.data(), &size);
  return bytes;
}

QByteArray rgbProfile(const cmsCIExyYTRIPLE &primaries, cmsToneCurve *curve) {
  const cmsCIExyY d65{0.3127, 0.3290, 1.0};
  cmsToneCurve *curves[3] = {curve, curve, curve};
  const Profile profile(cmsCreateRGBProfile(&d65, &primaries, curves));
  cmsFreeToneCurve(curve);
  return saved(profile.get());
}

Profile openProfile(const QByteArray &bytes) {
  if (bytes.isEmpty())
    return Profile(cmsCreate_sRGBProfile());
  return Profile(cmsOpenProfileFromMem(bytes.constData(), cmsUInt32Number(bytes.size())));
}

// The press of cmykProfile(): CMYK ink (0..65535) to PCS Lab.
cmsInt32Number pressSampler(const cmsUInt16Number in[], cmsUInt16Number out[], void *cargo) {
  const double c = in[0] / 65535.0, m = in[1] / 65535.0, y = in[2] / 65535.0, k = in[3] / 65535.0;
  const double rgb[3] = {(1 - c) * (1 - k), (1 - 0.3 * c) * (1 - m) * (1 - k), (1 - y) * (1 - k)};
  cmsCIELab lab;
  cmsDoTransform(cargo, rgb, &lab, 1);
  cmsFloat2LabEncoded(out, &lab);
  return TRUE;
}

} // namespace

QByteArray adobeRgbProfile() {
  return rgbProfile({{0.64, 0.33, 1.0}, {0.21, 0.71, 1.0}, {0.15, 0.06, 1.0}},
                    cmsBuildGamma(nullptr, 563.0 / 256));
}

QByteArray displayP3Profile() {
  const cmsFloat64Number srgbCurve[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
  return rgbProfile({{0.680, 0.320, 1.0}, {0.265, 0.690, 1.0}, {0.150, 0.060, 1.0}},
                    cmsBuildParametricToneCurve(nullptr, 4, srgbCurve));
}

QByteArray srgbProfile() {
  const Profile profile(cmsCreate_sRGBProfile());
  return saved(profile.get());
}

QByteArray greyProfile(double gamma) {
  cmsToneCurve *curve = cmsBuildGamma(nullptr, gamma);
  const Profile profile(cmsCreateGrayProfile(cmsD50_xyY(), curve));
  cmsFreeToneCurve(curve);
  return saved(profile.get());
}

QByteArray cmykProfile() {
  const Profile profile(cmsCreateProfilePlaceholder(nullptr));
  cmsSetProfileVersion(profile.get(), 4.3);
  cmsSetDeviceClass(profile.get(), cmsSigOutputClass);
  cmsSetColorSpace(profile.get(), cmsSigCmykData);
  cmsSetPCS(profile.get(), cmsSigLabData);
  cmsWriteTag(profile.get(), cmsSigMediaWhitePointTag, cmsD50_XYZ());
  const Profile srgb(cmsCreate_sRGBProfile());
  const Profile lab(cmsCreateLab4Profile(nullptr));
  const Transform toLab(
      cmsCreateTransform(srgb.get(), TYPE_RGB_DBL, lab.get(), TYPE_Lab_DBL, INTENT_RELATIVE_COLORIMETRIC, 0));
  cmsPipeline *pipeline = cmsPipelineAlloc(nullptr, 4, 3);
  cmsStage *table = cmsStageAllocCLut16bit(nullptr, 9, 4, 3, nullptr);
  cmsStageSampleCLut16bit(table, pressSampler, toLab.get(), 0);
  // Curves around the table: the form an AToB tag is saved in.
  cmsPipelineInsertStage(pipeline, cmsAT_BEGIN, table);
  cmsPipelineInsertStage(pipeline, cmsAT_BEGIN, cmsStageAllocToneCurves(nullptr, 4, nullptr));
  cmsPipelineInsertStage(pipeline, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
  cmsWriteTag(profile.get(), cmsSigAToB0Tag, pipeline);
  cmsPipelineFree(pipeline);
  return saved(profile.get());
}

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
                                               INTENT_RELATIVE_COLORIMETRIC,
                                               cmsFLAGS_BLACKPOINTCOMPENSATION));
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
  const Profile srgb(cmsCreate_sRGBProfile());
  const Profile lab(cmsCreateLab4Profile(nullptr));
  const Transform toLab(
      cmsCreateTransform(srgb.get(), TYPE_BGRA_8, lab.get(), TYPE_Lab_DBL, INTENT_RELATIVE_COLORIMETRIC, 0));
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
