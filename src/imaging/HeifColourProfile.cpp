#include "imaging/HeifColourProfile.h"

#include <lcms2.h>
#include <libheif/heif.h>
#include <memory>

namespace veltrane {

namespace {

struct ProfileClose {
  void operator()(void *profile) const { cmsCloseProfile(profile); }
};
struct CurveFree {
  void operator()(cmsToneCurve *curve) const { cmsFreeToneCurve(curve); }
};

// The transfers of standard-range pictures all display close to sRGB's
// curve, which is what their viewers use; linear light is its own.
std::unique_ptr<cmsToneCurve, CurveFree> curveFor(heif_transfer_characteristics transfer) {
  switch (transfer) {
  case heif_transfer_characteristic_linear:
    return std::unique_ptr<cmsToneCurve, CurveFree>(cmsBuildGamma(nullptr, 1.0));
  case heif_transfer_characteristic_ITU_R_BT_709_5:
  case heif_transfer_characteristic_unspecified:
  case heif_transfer_characteristic_ITU_R_BT_601_6:
  case heif_transfer_characteristic_IEC_61966_2_1:
  case heif_transfer_characteristic_ITU_R_BT_2020_2_10bit:
  case heif_transfer_characteristic_ITU_R_BT_2020_2_12bit: {
    const cmsFloat64Number srgb[] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
    return std::unique_ptr<cmsToneCurve, CurveFree>(cmsBuildParametricToneCurve(nullptr, 4, srgb));
  }
  default: return nullptr;
  }
}

} // namespace

QByteArray profileForColourDescription(const heif_color_profile_nclx &description) {
  if (description.color_primaries == heif_color_primaries_ITU_R_BT_709_5 ||
      description.color_primaries == heif_color_primaries_unspecified)
    return {};
  const auto curve = curveFor(description.transfer_characteristics);
  if (!curve || description.color_primary_white_y <= 0 || description.color_primary_red_y <= 0 ||
      description.color_primary_green_y <= 0 || description.color_primary_blue_y <= 0)
    return {};
  const cmsCIExyY white{description.color_primary_white_x, description.color_primary_white_y, 1.0};
  const cmsCIExyYTRIPLE primaries{
      {description.color_primary_red_x, description.color_primary_red_y, 1.0},
      {description.color_primary_green_x, description.color_primary_green_y, 1.0},
      {description.color_primary_blue_x, description.color_primary_blue_y, 1.0},
  };
  cmsToneCurve *curves[3] = {curve.get(), curve.get(), curve.get()};
  const std::unique_ptr<void, ProfileClose> profile(cmsCreateRGBProfile(&white, &primaries, curves));
  cmsUInt32Number size = 0;
  if (!profile || !cmsSaveProfileToMem(profile.get(), nullptr, &size) || size == 0)
    return {};
  QByteArray icc(qsizetype(size), '\0');
  if (!cmsSaveProfileToMem(profile.get(), icc.data(), &size))
    return {};
  return icc;
}

} // namespace veltrane
