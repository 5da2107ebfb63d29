#pragma once

#include "common/Result.h"
#include "imaging/JpegEncoder.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <functional>

namespace veltrane {

// A file made to fit a size limit, and what it took.
struct SizeLimitedJpeg {
  QByteArray bytes;
  int quality = 0;
  QSize size;                 // as written
  bool shrunk = false;        // smaller than the picture given: even quality 0 did not fit
  bool extrasDropped = false; // the profile and metadata alone left no room
  QList<int> tried;           // the qualities of the last search, as getQualityForK gives them
};

// The smallest side a picture is shrunk to before the limit counts as
// impossible.
inline constexpr int kSmallestSide = 16;

// The extras for a picture of a given size (metadata tells the size).
using ExtrasForSize = std::function<JpegExtras(QSize)>;

// The highest quality at which the whole file, extras included, is at most
// `limitK` kB (size / 1024). When the extras alone leave no room for even
// the smallest picture, they are dropped. When quality 0 does not fit, the
// picture is scaled down by about a tenth of each side per step and searched
// again; a limit not met at 16 x 16 pixels is a failure with a reason.
Result<SizeLimitedJpeg> encodeWithinLimit(const QImage &picture, double limitK,
                                          const ExtrasForSize &extrasFor, JpegEncoder &encoder);
Result<SizeLimitedJpeg> encodeWithinLimit(const QImage &picture, double limitK, const JpegExtras &extras,
                                          JpegEncoder &encoder);

} // namespace veltrane
