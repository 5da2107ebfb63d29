#include "imaging/ColourProfile.h"

#include <QMutexLocker>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <lcms2.h>

// Little CMS runs on its default context: it guards its own shared state,
// and nothing here installs plug-ins or handlers into it. A transform made
// with cmsFLAGS_NOCACHE keeps no state between calls (the one-pixel cache is
// the only thing cmsDoTransform would write), so the threads of a batch share
// each transform.

namespace veltrane {
namespace {

struct ProfileCloser {
  void operator()(void *profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr cmsUInt32Number kRgb32 = TYPE_BGRA_8;
// One grey level out of B, G, R, X: the blue byte, R = G = B anyway.
constexpr cmsUInt32Number kGreyInRgb32 = COLORSPACE_SH(PT_GRAY) | EXTRA_SH(3) | CHANNELS_SH(1) | BYTES_SH(1);
#else
constexpr cmsUInt32Number kRgb32 = TYPE_ARGB_8;
constexpr cmsUInt32Number kGreyInRgb32 =
    COLORSPACE_SH(PT_GRAY) | EXTRA_SH(3) | CHANNELS_SH(1) | BYTES_SH(1) | SWAPFIRST_SH(1);
#endif

// The colour space as the profile stores it: any four bytes, so not held in
// Little CMS's enum, which names only the known ones.
cmsUInt32Number colourSpaceOf(cmsHPROFILE profile) { return cmsUInt32Number(cmsGetColorSpace(profile)); }

QString coloursOf(cmsUInt32Number space) {
  switch (space) {
  case cmsSigRgbData: return QStringLiteral("RGB");
  case cmsSigGrayData: return QStringLiteral("grey");
  case cmsSigCmykData: return QStringLiteral("CMYK");
  case cmsSigLabData: return QStringLiteral("Lab");
  default: return {};
  }
}

// One level of difference is rounding: a profile that moves no pixel further
// is sRGB's, whatever its name or version says.
bool movesNoPixel(cmsHTRANSFORM transform, bool greyProfile) {
  std::vector<quint32> probe;
  for (int r = 0; r < 256; r += 15)
    for (int g = 0; g < 256; g += 15)
      for (int b = 0; b < 256; b += 15)
        probe.push_back(greyProfile ? qRgb(b, b, b) : qRgb(r, g, b));
  std::vector<quint32> out(probe.size(), 0xFF000000u);
  cmsDoTransform(transform, probe.data(), out.data(), cmsUInt32Number(probe.size()));
  for (size_t i = 0; i < probe.size(); ++i) {
    if (std::abs(qRed(out[i]) - qRed(probe[i])) > 1 || std::abs(qGreen(out[i]) - qGreen(probe[i])) > 1 ||
        std::abs(qBlue(out[i]) - qBlue(probe[i])) > 1)
      return false;
  }
  return true;
}

} // namespace

ColourConversion::ColourConversion(Key, void *transform, StoredColours stored, bool rgbProfile,
                                   bool greyProfile)
    : m_transform(transform), m_stored(stored), m_rgbProfile(rgbProfile), m_greyProfile(greyProfile) {}

ColourConversion::~ColourConversion() {
  if (m_transform)
    cmsDeleteTransform(m_transform);
}

void ColourConversion::convertRow(const uchar *from, uchar *to, int pixels) const {
  if (!m_transform || pixels <= 0) {
    if (from != to && pixels > 0)
      std::memcpy(to, from, size_t(pixels) * 4);
    return;
  }
  cmsDoTransform(m_transform, from, to, cmsUInt32Number(pixels));
  if (m_stored != StoredColours::Rgb32) {
    // CMYK has no fourth byte to carry over: RGB32 wants it opaque.
    quint32 *pixel = reinterpret_cast<quint32 *>(to);
    for (int x = 0; x < pixels; ++x)
      pixel[x] |= 0xFF000000u;
  }
}

void ColourConversion::convertPicture(QImage &picture) const {
  if (!m_transform || picture.isNull())
    return;
  // Transparent pixels are converted unpremultiplied: the transform leaves
  // the fourth byte, their alpha, as it is.
  const bool alpha = picture.hasAlphaChannel();
  const QImage::Format stored = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
  if (picture.format() != stored)
    picture = picture.convertToFormat(stored);
  convertRows(picture);
  if (alpha)
    picture.convertTo(QImage::Format_ARGB32_Premultiplied);
}

void ColourConversion::convertRows(QImage &picture) const {
  const int width = picture.width(), height = picture.height();
  const qsizetype bytesPerLine = picture.bytesPerLine();
  uchar *bits = picture.bits();
  if (!m_greyProfile) {
    // RGB to RGB in the same layout: Little CMS allows one buffer for both,
    // and leaves the fourth byte as it is.
    cmsDoTransformLineStride(m_transform, bits, bits, cmsUInt32Number(width), cmsUInt32Number(height),
                             cmsUInt32Number(bytesPerLine), cmsUInt32Number(bytesPerLine), 0, 0);
    return;
  }
  // Grey levels in, RGB out: two layouts, which must not share a buffer.
  std::vector<uchar> row(size_t(width) * 4);
  for (int y = 0; y < height; ++y) {
    uchar *line = bits + y * bytesPerLine;
    std::memcpy(row.data(), line, row.size());
    cmsDoTransform(m_transform, row.data(), line, cmsUInt32Number(width));
  }
}

ColourProfiles::ColourProfiles()
    : m_unchanged(std::make_shared<const ColourConversion>(ColourConversion::Key{}, nullptr,
                                                           StoredColours::Rgb32, true, false)) {}

ColourProfiles::~ColourProfiles() = default;

Result<ColourProfiles::Conversion> ColourProfiles::conversionToSrgb(const QByteArray &iccProfile,
                                                                    StoredColours stored) {
  if (iccProfile.isEmpty())
    return stored == StoredColours::Rgb32 ? Result<Conversion>(m_unchanged)
                                          : failure(QStringLiteral("there is no colour profile"));
  const QMutexLocker lock(&m_mutex);
  for (qsizetype i = 0; i < m_known.size(); ++i) {
    if (m_known[i].stored == stored && m_known[i].profile == iccProfile) {
      m_known.move(i, 0);
      return m_known.first().conversion;
    }
  }
  // Made under the lock: a new profile is rare, and two threads that meet
  // it together then make it once.
  Result<Conversion> made = makeConversion(iccProfile, stored);
  m_known.prepend({iccProfile, stored, made});
  if (m_known.size() > kKept)
    m_known.removeLast();
  return made;
}

Result<ColourProfiles::Conversion> ColourProfiles::makeConversion(const QByteArray &iccProfile,
                                                                  StoredColours stored) {
  const Profile source(cmsOpenProfileFromMem(iccProfile.constData(), cmsUInt32Number(iccProfile.size())));
  if (!source)
    return failure(QStringLiteral("the colour profile is damaged"));
  const cmsUInt32Number space = colourSpaceOf(source.get());
  const bool cmykPixels = stored != StoredColours::Rgb32;
  const bool fits =
      cmykPixels ? space == cmsSigCmykData : (space == cmsSigRgbData || space == cmsSigGrayData);
  if (!fits) {
    const QString pixels = cmykPixels ? QStringLiteral("CMYK") : QStringLiteral("RGB");
    const QString profiles = coloursOf(space);
    if (profiles.isEmpty())
      return failure(QStringLiteral("the colour profile is not for %1 pictures").arg(pixels));
    return failure(
        QStringLiteral("the colour profile is for %1 pictures, not %2 ones").arg(profiles, pixels));
  }
  const bool grey = space == cmsSigGrayData;
  cmsUInt32Number input = grey ? kGreyInRgb32 : kRgb32;
  if (cmykPixels)
    input = stored == StoredColours::InvertedCmyk ? TYPE_CMYK_8_REV : TYPE_CMYK_8;
  const Profile srgb(cmsCreate_sRGBProfile());
  if (!srgb)
    return failure(QStringLiteral("out of memory"));
  cmsHTRANSFORM transform =
      cmsCreateTransform(source.get(), input, srgb.get(), kRgb32, INTENT_RELATIVE_COLORIMETRIC,
                         cmsFLAGS_NOCACHE | cmsFLAGS_BLACKPOINTCOMPENSATION);
  if (!transform)
    return failure(QStringLiteral("the colour profile cannot be converted to sRGB"));
  if (!cmykPixels && movesNoPixel(transform, grey)) {
    cmsDeleteTransform(transform);
    transform = nullptr;
  }
  return std::make_shared<const ColourConversion>(ColourConversion::Key{}, transform, stored,
                                                  space == cmsSigRgbData, grey);
}

Result<void> ColourProfiles::convertToSrgb(QImage &picture, const QByteArray &iccProfile) {
  const Result<Conversion> conversion = conversionToSrgb(iccProfile);
  if (!conversion)
    return failure(conversion.reason());
  (*conversion)->convertPicture(picture);
  return {};
}

} // namespace veltrane
