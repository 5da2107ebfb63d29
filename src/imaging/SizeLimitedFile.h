#pragma once

#include "common/Result.h"
#include "imaging/PictureEncoder.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <functional>

namespace veltrane {

// A file made to fit a size limit, and what it took.
struct SizeLimitedFile {
  QByteArray bytes;
  int quality = 0;
  QSize size;                 // as written
  bool shrunk = false;        // smaller than the picture given: even the lowest quality did not fit
  bool extrasDropped = false; // the profile and metadata alone left no room
  QList<int> tried;           // the qualities of the last search, in the order encoded
  int encodes = 0;            // every encoding it took, shrink steps included
};

// The smallest side a picture is shrunk to before the limit counts as
// impossible.
inline constexpr int kSmallestSide = 16;

// The extras for a picture of a given size (metadata tells the size).
using ExtrasForSize = std::function<JpegExtras(QSize)>;

// The highest quality at which the whole file, extras included, is at most
// `limitK` kB (size / 1024). When the extras alone leave no room for even
// the smallest picture, they are dropped. When the lowest quality does not
// fit (for PNG: the one encoding), the picture is scaled down by about a
// tenth of each side per step and searched again; a limit not met at 16 x 16
// pixels is a failure with a reason.
Result<SizeLimitedFile> encodeWithinLimit(const QImage &picture, double limitK,
                                          const ExtrasForSize &extrasFor, PictureEncoder &encoder);
Result<SizeLimitedFile> encodeWithinLimit(const QImage &picture, double limitK, const JpegExtras &extras,
                                          PictureEncoder &encoder);

} // namespace veltrane
