#include "imaging/QualitySearch.h"

#include "presets/Numbers.h"

namespace veltrane {

QualityChoice getQualityForK(const QImage &picture, double limitK, JpegEncoder &encoder) {
  return getQualityForK(limitK, [&](int quality) { return encoder.encode(picture, quality); });
}

QualityChoice getQualityForK(double limitK, const std::function<QByteArray(int quality)> &encodeAt) {
  QualityChoice choice;
  int lo = 0;
  int hi = 100;
  int q = 100;
  int previous = 0;
  do {
    QByteArray bytes = encodeAt(q);
    choice.tried.append(q);
    const double sizeK = double(bytes.size()) / 1024.0;
    if (sizeK <= limitK) {
      lo = q;
      choice.bytes = std::move(bytes);
    } else {
      hi = q;
      // Nothing fitted so far: quality 0 is the answer then, and the search
      // always ends by encoding it.
      if (q == 0)
        choice.bytes = std::move(bytes);
    }
    previous = q;
    q = int(roundHalfEven((lo + hi) / 2.0));
  } while (previous != q);
  choice.quality = lo;
  return choice;
}

} // namespace veltrane
