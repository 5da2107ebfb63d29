#include "imaging/QualitySearch.h"

#include "common/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

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

namespace {

double curveAt(const SizeCurve &curve, int quality) { return curve[size_t(std::clamp(quality, 0, 100))]; }

} // namespace

int qualityAtMost(const SizeCurve &curve, double value, int from, int to) {
  int found = from;
  for (int q = from; q <= to; ++q)
    if (curveAt(curve, q) <= value + 1e-12)
      found = q;
  return found;
}

namespace {

// Where the known sizes put the limit on the curve: between what fits and
// what does not, on the curve's shape; beyond one side, along the curve
// stretched by how far this picture's sizes moved along it.
int nextGuess(const std::map<int, qsizetype> &sizes, int fits, int over, double target, int lowest,
              const SizeCurve &curve) {
  const int from = fits >= 0 ? fits + 1 : lowest;
  const int to = over >= 0 ? over - 1 : 100;
  if (fits >= 0 && over >= 0) {
    const double low = std::log(double(sizes.at(fits)));
    const double high = std::log(double(sizes.at(over)));
    const double share = high > low ? (target - low) / (high - low) : 0.5;
    const double value = curveAt(curve, fits) + share * (curveAt(curve, over) - curveAt(curve, fits));
    return std::clamp(qualityAtMost(curve, value, fits, over), from, to);
  }
  const int known = fits >= 0 ? fits : over;
  const double knownSize = std::log(double(sizes.at(known)));
  // The nearest other size tells how much steeper or flatter than typical
  // this picture grows.
  double stretch = 1;
  int nearest = -1;
  for (const auto &[quality, size] : sizes)
    if (quality != known && curveAt(curve, quality) != curveAt(curve, known) &&
        (nearest < 0 || std::abs(quality - known) < std::abs(nearest - known)))
      nearest = quality;
  if (nearest >= 0) {
    const double measured =
        (knownSize - std::log(double(sizes.at(nearest)))) / (curveAt(curve, known) - curveAt(curve, nearest));
    if (measured > 0)
      stretch = std::clamp(measured, 0.25, 4.0);
  }
  const double value = curveAt(curve, known) + (target - knownSize) / stretch;
  return std::clamp(qualityAtMost(curve, value, lowest, 100), from, to);
}

} // namespace

Result<QualityChoice> searchQualityFrom(int predicted, double limitK, const QualityScale &scale,
                                        const FullEncoding &encodeAt) {
  const qsizetype maxBytes = maxBytesWithin(limitK);
  const double target = std::log(double(std::max<qsizetype>(maxBytes, 1)));
  QualityChoice choice;
  std::map<int, qsizetype> sizes;     // by quality tried
  std::map<int, qsizetype> bySetting; // what an encoder setting gave
  int fits = -1;                      // the highest quality known to fit
  int over = -1;                      // the lowest known not to
  int quality = std::clamp(predicted, scale.lowest, 100);
  for (;;) {
    const int setting = scale.settingOf(quality);
    if (const auto known = bySetting.find(setting); known != bySetting.end()) {
      sizes[quality] = known->second;
    } else {
      Result<QByteArray> bytes = encodeAt(quality);
      if (!bytes)
        return failure(bytes.reason());
      choice.tried.append(quality);
      sizes[quality] = bySetting[setting] = bytes->size();
      if (bytes->size() <= maxBytes && quality > fits)
        choice.bytes = std::move(*bytes);
    }
    if (sizes[quality] <= maxBytes) {
      fits = quality;
      choice.quality = quality;
    } else {
      over = quality;
    }
    if (fits == 100 || (fits >= 0 && over == fits + 1) || (fits < 0 && over == scale.lowest))
      break;
    quality = nextGuess(sizes, fits, over, target, scale.lowest, scale.curve);
  }
  if (fits < 0)
    choice.quality = scale.lowest;
  // A quality that shared its setting with one encoded earlier fits with
  // that encoding's bytes.
  if (fits >= 0 && choice.bytes.isEmpty()) {
    Result<QByteArray> bytes = encodeAt(fits);
    if (!bytes)
      return failure(bytes.reason());
    choice.tried.append(fits);
    choice.bytes = std::move(*bytes);
  }
  return choice;
}

} // namespace veltrane
