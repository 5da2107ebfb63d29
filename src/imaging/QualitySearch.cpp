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

// How much a file grows per step of quality, before two encodings tell:
// about what WebP, AVIF and JPEG XL photos show between qualities 50 and 90.
constexpr double kGrowthPerStep = 0.025;

// The quality whose size the line through the known points puts at the
// limit, strictly between what fits and what does not.
int nextGuess(const std::map<int, qsizetype> &sizes, int fits, int over, qsizetype maxBytes, int lowest) {
  const double target = std::log(double(std::max<qsizetype>(maxBytes, 1)));
  int guess = 0;
  if (fits >= 0 && over >= 0) {
    const double low = std::log(double(sizes.at(fits)));
    const double high = std::log(double(sizes.at(over)));
    guess = high > low ? fits + int(std::floor((target - low) / (high - low) * (over - fits)))
                       : (fits + over) / 2;
    // The line bends: keep each step from creeping along one end.
    const int quarter = (over - fits) / 4;
    guess = std::clamp(guess, fits + quarter, over - quarter);
  } else {
    const int known = fits >= 0 ? fits : over;
    // Two sizes on one side tell the slope better than a guess.
    double growth = kGrowthPerStep;
    if (const auto other = fits >= 0 ? sizes.find(known) : std::next(sizes.find(known));
        sizes.size() > 1 && other != sizes.end() && other != sizes.begin()) {
      const auto neighbour = fits >= 0 ? std::prev(other) : other;
      const double slope = (std::log(double(sizes.at(known))) - std::log(double(neighbour->second))) /
                           double(known - neighbour->first);
      if (slope > 1e-4)
        growth = slope;
    }
    const double step = (target - std::log(double(sizes.at(known)))) / growth;
    guess = known + int(std::floor(step));
  }
  const int from = fits >= 0 ? fits + 1 : lowest;
  const int to = over >= 0 ? over - 1 : 100;
  return std::clamp(guess, from, to);
}

} // namespace

Result<QualityChoice> searchQualityFrom(int predicted, double limitK, int lowest,
                                        const std::function<int(int)> &settingOf,
                                        const FullEncoding &encodeAt) {
  const qsizetype maxBytes = maxBytesWithin(limitK);
  QualityChoice choice;
  std::map<int, qsizetype> sizes;     // by quality tried
  std::map<int, qsizetype> bySetting; // what an encoder setting gave
  int fits = -1;                      // the highest quality known to fit
  int over = -1;                      // the lowest known not to
  int quality = std::clamp(predicted, lowest, 100);
  for (;;) {
    const int setting = settingOf(quality);
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
    if (fits == 100 || (fits >= 0 && over == fits + 1) || (fits < 0 && over == lowest))
      break;
    quality = nextGuess(sizes, fits, over, maxBytes, lowest);
  }
  if (fits < 0)
    choice.quality = lowest;
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
