#include "imaging/SizeLimitedJpeg.h"

#include "common/Numbers.h"
#include "imaging/QualitySearch.h"
#include "imaging/Scaling.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace veltrane {
namespace {

constexpr double kShrinkPerStep = 0.9;

// Never below the smallest side, nor above the picture's own.
int shrunkSide(int side, double factor) {
  return std::min(side, std::max(kSmallestSide, int(std::lround(side * factor))));
}

QSize shrunkSize(QSize full, int step) {
  const double factor = std::pow(kShrinkPerStep, step);
  return {shrunkSide(full.width(), factor), shrunkSide(full.height(), factor)};
}

bool isSmallest(QSize size) { return size.width() <= kSmallestSide && size.height() <= kSmallestSide; }

// Whether quality 0 fits: the one encoding a shrink step needs before it
// searches.
Result<bool> fitsAtAll(const QImage &picture, qsizetype maxBytes, const JpegExtras &extras,
                       JpegEncoder &encoder) {
  Result<std::optional<QByteArray>> bytes = encoder.encodeWithin(picture, 0, maxBytes, extras);
  if (!bytes)
    return failure(bytes.reason());
  return bytes->has_value();
}

} // namespace

Result<SizeLimitedJpeg> encodeWithinLimit(const QImage &picture, double limitK, const JpegExtras &extras,
                                          JpegEncoder &encoder) {
  return encodeWithinLimit(
      picture, limitK, [&extras](QSize) { return extras; }, encoder);
}

Result<SizeLimitedJpeg> encodeWithinLimit(const QImage &picture, double limitK,
                                          const ExtrasForSize &extrasFor, JpegEncoder &encoder) {
  const qsizetype maxBytes = maxBytesWithin(limitK);
  const QString impossible = QStringLiteral("even at %1 x %1 pixels the file would be larger than %2 kB")
                                 .arg(kSmallestSide)
                                 .arg(QLocale().toString(limitK));
  if (maxBytes < 0 || picture.isNull())
    return failure(maxBytes < 0 ? impossible : QStringLiteral("empty picture"));

  SizeLimitedJpeg result;
  JpegExtras kept = extrasFor(picture.size());
  if (!kept.isEmpty()) {
    const QImage smallest = scaledPicture(picture, picture.size().boundedTo({kSmallestSide, kSmallestSide}));
    Result<QByteArray> smallestBytes = encoder.encode(smallest, 0);
    if (!smallestBytes)
      return failure(smallestBytes.reason());
    if (kept.bytes() + smallestBytes->size() > maxBytes) {
      kept = {};
      result.extrasDropped = true;
    }
  }

  // The picture as it is first: the usual case fits and pays for one search.
  // Once it did not, each smaller size is tried at quality 0 before a search.
  QImage current = picture;
  for (int step = 0;; ++step) {
    if (step > 0) {
      current = scaledPicture(picture, shrunkSize(picture.size(), step));
      result.shrunk = true;
      if (!result.extrasDropped)
        kept = extrasFor(current.size());
      Result<bool> fits = fitsAtAll(current, maxBytes, kept, encoder);
      if (!fits)
        return failure(fits.reason());
      if (!*fits) {
        if (isSmallest(current.size()))
          return failure(impossible);
        continue;
      }
    }
    Result<QualityChoice> choice = getQualityForK(current, limitK, encoder, kept);
    if (!choice)
      return failure(choice.reason());
    if (choice->bytes.size() <= maxBytes) {
      result.bytes = std::move(choice->bytes);
      result.quality = choice->quality;
      result.tried = std::move(choice->tried);
      result.size = current.size();
      break;
    }
    if (isSmallest(current.size()))
      return failure(impossible);
  }
  return result;
}

} // namespace veltrane
