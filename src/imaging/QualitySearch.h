#pragma once

#include "common/Result.h"
#include "imaging/JpegEncoder.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <functional>
#include <optional>

namespace veltrane {

// The outcome of a search for the highest quality within a size limit.
struct QualityChoice {
  int quality = 0;  // the last quality that fitted, 0 when none did
  QByteArray bytes; // the encoding at that quality, ready to be written
  QList<int> tried; // the qualities encoded, in order, repeats included
};

// One step of the search: the file's bytes at a quality, or nothing when
// they would be longer than `maxBytes`.
using LimitedEncoding = std::function<Result<std::optional<QByteArray>>(int quality, qsizetype maxBytes)>;

// The longest file, in bytes, whose size / 1024 is at most `limitK`; -1 for
// a limit below 0 or not a number.
qsizetype maxBytesWithin(double limitK);

// Bisects the quality from 100 down: a file fits when its size in bytes /
// 1024 is at most `limitK`. The qualities tried follow a fixed sequence (when
// qualities up to 62 fit: 100, 50, 75, 62, 68, 65, 64, 63, 62), so a result
// can be told in advance. Encodings that cannot fit stop as soon as they
// pass the limit. Everything stays in memory; a failed encoding ends the
// search.
Result<QualityChoice> getQualityForK(const QImage &picture, double limitK, JpegEncoder &encoder,
                                     const JpegExtras &extras = {});

// The same search over any encoding step.
Result<QualityChoice> getQualityForK(double limitK, const LimitedEncoding &encodeAt);

// How a typical photograph's file grows with the quality, for one encoder:
// the natural logarithm of its size at each quality from 0 to 100, less that
// at 0, rising. Made by bench/size-curves from a set of photographs.
using SizeCurve = std::array<double, 101>;

// The highest quality from `from` to `to` whose curve value is at most
// `value` (`from` when none is).
int qualityAtMost(const SizeCurve &curve, double value, int from, int to);

// The formats other than JPEG: the highest quality from `lowest` to 100 that
// fits, where the next one up does not, found from `predicted` (the last
// picture's answer, say). Each step reads the quality off `curve`, stretched
// to the sizes this picture has shown. Qualities of one `settingOf` are
// encoded once. When even `lowest` does not fit, the choice has no bytes.
using FullEncoding = std::function<Result<QByteArray>(int quality)>;
struct QualityScale {
  int lowest = 1;
  std::function<int(int)> settingOf;
  const SizeCurve &curve;
};
Result<QualityChoice> searchQualityFrom(int predicted, double limitK, const QualityScale &scale,
                                        const FullEncoding &encodeAt);

} // namespace veltrane
