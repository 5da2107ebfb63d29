#include "imaging/SizeLimitedFile.h"

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

// Whether the lowest quality fits: the one encoding a shrink step needs
// before it searches.
Result<bool> fitsAtAll(const QImage &picture, qsizetype maxBytes, const JpegExtras &extras,
                       PictureEncoder &encoder) {
  Result<std::optional<QByteArray>> bytes =
      encoder.encodeWithin(picture, encoder.lowestQuality(), maxBytes, extras);
  if (!bytes)
    return failure(bytes.reason());
  return bytes->has_value();
}

// Whether the smallest picture at the lowest quality fits beside `extras`.
Result<bool> roomBeside(const QImage &picture, const JpegExtras &extras, qsizetype maxBytes,
                        PictureEncoder &encoder) {
  const QImage smallest = scaledPicture(picture, picture.size().boundedTo({kSmallestSide, kSmallestSide}));
  Result<QByteArray> bytes = encoder.encode(smallest, encoder.lowestQuality(), {});
  if (!bytes)
    return failure(bytes.reason());
  return extras.bytes() + bytes->size() <= maxBytes;
}

// A format without a quality is encoded once; the others search.
Result<QualityChoice> bestWithin(const QImage &picture, double limitK, const JpegExtras &extras,
                                 PictureEncoder &encoder) {
  if (encoder.hasQuality())
    return encoder.searchQuality(picture, limitK, extras);
  Result<QByteArray> bytes = encoder.encode(picture, 100, extras);
  if (!bytes)
    return failure(bytes.reason());
  QualityChoice choice{100, {}, {100}};
  if (bytes->size() <= maxBytesWithin(limitK))
    choice.bytes = std::move(*bytes);
  return choice;
}

} // namespace

Result<SizeLimitedFile> encodeWithinLimit(const QImage &picture, double limitK, const JpegExtras &extras,
                                          PictureEncoder &encoder) {
  return encodeWithinLimit(
      picture, limitK, [&extras](QSize) { return extras; }, encoder);
}

Result<SizeLimitedFile> encodeWithinLimit(const QImage &picture, double limitK,
                                          const ExtrasForSize &extrasFor, PictureEncoder &encoder) {
  const qsizetype maxBytes = maxBytesWithin(limitK);
  const QString impossible = QStringLiteral("even at %1 x %1 pixels the file would be larger than %2 kB")
                                 .arg(kSmallestSide)
                                 .arg(QLocale().toString(limitK));
  if (maxBytes < 0 || picture.isNull())
    return failure(maxBytes < 0 ? impossible : QStringLiteral("empty picture"));

  SizeLimitedFile result;
  JpegExtras kept = extrasFor(picture.size());
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
      ++result.encodes;
      if (!fits)
        return failure(fits.reason());
      if (!*fits) {
        if (isSmallest(current.size()))
          return failure(impossible);
        continue;
      }
    }
    Result<QualityChoice> choice = bestWithin(current, limitK, kept, encoder);
    if (!choice)
      return failure(choice.reason());
    result.encodes += int(choice->tried.size());
    if (!choice->bytes.isEmpty() && choice->bytes.size() <= maxBytes) {
      result.bytes = std::move(choice->bytes);
      result.quality = choice->quality;
      result.tried = std::move(choice->tried);
      result.size = current.size();
      break;
    }
    // Only once the picture does not fit with its metadata: whether the
    // metadata leaves room even for the smallest picture, or goes.
    if (step == 0 && !kept.isEmpty()) {
      Result<bool> room = roomBeside(picture, kept, maxBytes, encoder);
      ++result.encodes;
      if (!room)
        return failure(room.reason());
      if (!*room) {
        kept = {};
        result.extrasDropped = true;
        step = -1; // the full size again, without it
        continue;
      }
    }
    if (isSmallest(current.size()))
      return failure(impossible);
  }
  return result;
}

} // namespace veltrane
