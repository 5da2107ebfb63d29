#include "imaging/QualitySearch.h"

#include "common/Numbers.h"

#include <cmath>
#include <limits>

namespace veltrane {

// The same comparison as size / 1024 <= limitK, in whole bytes.
qsizetype maxBytesWithin(double limitK) {
  if (!(limitK >= 0))
    return -1;
  if (limitK * 1024 >= double(std::numeric_limits<qsizetype>::max() / 2))
    return std::numeric_limits<qsizetype>::max() / 2;
  auto bytes = qsizetype(std::floor(limitK * 1024));
  while (double(bytes + 1) / 1024.0 <= limitK)
    ++bytes;
  while (bytes >= 0 && double(bytes) / 1024.0 > limitK)
    --bytes;
  return bytes;
}

Result<QualityChoice> getQualityForK(const QImage &picture, double limitK, JpegEncoder &encoder,
                                     const JpegExtras &extras) {
  return getQualityForK(limitK, [&](int quality, qsizetype maxBytes) {
    return encoder.encodeWithin(picture, quality, maxBytes, extras);
  });
}

Result<QualityChoice> getQualityForK(double limitK, const LimitedEncoding &encodeAt) {
  const qsizetype maxBytes = maxBytesWithin(limitK);
  QualityChoice choice;
  int lo = 0;
  int hi = 100;
  int q = 100;
  int previous = 0;
  do {
    // Nothing fitted so far: quality 0 is the answer then, and the search
    // always ends by encoding it, so that one is encoded whole.
    const bool last = q == 0;
    Result<std::optional<QByteArray>> encoded =
        encodeAt(q, last ? std::numeric_limits<qsizetype>::max() : maxBytes);
    if (!encoded)
      return failure(encoded.reason());
    choice.tried.append(q);
    std::optional<QByteArray> &bytes = *encoded;
    if (bytes && bytes->size() <= maxBytes) {
      lo = q;
      choice.bytes = std::move(*bytes);
    } else {
      hi = q;
      if (last && bytes)
        choice.bytes = std::move(*bytes);
    }
    previous = q;
    q = int(roundHalfEven((lo + hi) / 2.0));
  } while (previous != q);
  choice.quality = lo;
  return choice;
}

} // namespace veltrane
