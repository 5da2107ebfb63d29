#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMutex>
#include <memory>

namespace veltrane {

// How a picture's pixels are stored when they are read through a profile:
// 4 bytes each.
enum class StoredColours {
  Rgb32,        // QImage::Format_RGB32; grey pictures too (their profile may be a grey one)
  Cmyk,         // C, M, Y, K with 0 for no ink
  InvertedCmyk, // Adobe's files: 255 for no ink
};

// One source profile's conversion to sRGB with Little CMS: relative
// colorimetric with black point compensation, as photo tools convert for the
// web. Colours inside sRGB stay exactly where they were (perceptual would
// move them, and matrix profiles such as Adobe RGB or Display P3 have no
// perceptual table anyway); black point compensation keeps the shadows of a
// printing profile from clipping. Safe to use from several threads at once.
class ColourConversion {
  // Only ColourProfiles makes them.
  friend class ColourProfiles;
  class Key {
    friend class ColourProfiles;
    Key() = default;
  };

public:
  // `transform` (a cmsHTRANSFORM, made with cmsFLAGS_NOCACHE) is owned from
  // here on; null when nothing changes.
  ColourConversion(Key, void *transform, StoredColours stored, bool rgbProfile, bool greyProfile);
  ~ColourConversion();
  ColourConversion(const ColourConversion &) = delete;
  ColourConversion &operator=(const ColourConversion &) = delete;

  // The profile is sRGB as far as 8-bit pixels can tell (or there is none):
  // converting would change no pixel by more than a level.
  bool changesNothing() const { return m_transform == nullptr; }
  // An RGB profile, which a JPEG of YCbCr colours may carry as it is.
  bool fitsRgbJpeg() const { return m_rgbProfile; }

  // `pixels` pixels stored as the conversion's StoredColours at `from` to
  // Format_RGB32 at `to`. `from` may be `to` for RGB32.
  void convertRow(const uchar *from, uchar *to, int pixels) const;
  // A picture in place: Format_RGB32, or premultiplied ARGB32 when it is
  // transparent.
  void convertPicture(QImage &picture) const;

private:
  void convertRows(QImage &picture) const; // RGB32 or unpremultiplied ARGB32
  void *m_transform;
  StoredColours m_stored;
  bool m_rgbProfile;
  bool m_greyProfile; // read from one byte of each RGB32 pixel: not in place
};

// The conversions to sRGB of the profiles met so far, each made once and
// kept for the next pictures that carry the same profile (a camera's, a
// phone's). Safe to share between threads.
//
// An empty profile means sRGB. A profile that cannot be used (damaged, for
// other colours than the pixels', or one Little CMS cannot convert from) is
// refused with a reason; callers then keep the pixels as they are and say so.
class ColourProfiles {
public:
  using Conversion = std::shared_ptr<const ColourConversion>;

  ColourProfiles();
  ~ColourProfiles();
  ColourProfiles(const ColourProfiles &) = delete;
  ColourProfiles &operator=(const ColourProfiles &) = delete;

  Result<Conversion> conversionToSrgb(const QByteArray &iccProfile,
                                      StoredColours stored = StoredColours::Rgb32);
  // Converts a Format_RGB32 picture in place; on failure the pixels stay as they were.
  Result<void> convertToSrgb(QImage &picture, const QByteArray &iccProfile);

private:
  struct Known {
    QByteArray profile;
    StoredColours stored;
    Result<Conversion> conversion;
  };
  static constexpr int kKept = 8;

  static Result<Conversion> makeConversion(const QByteArray &iccProfile, StoredColours stored);

  QMutex m_mutex;
  QList<Known> m_known; // most recently used first
  Conversion m_unchanged;
};

} // namespace veltrane
