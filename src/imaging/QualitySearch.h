#pragma once

#include "common/Result.h"
#include "imaging/JpegEncoder.h"

#include <QByteArray>
#include <QList>
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

// The formats other than JPEG: the highest quality from `lowest` to 100 that
// fits, where the next one up does not, found from `predicted` (the last
// picture's answer, say) by steps on the logarithm of the file's size, which
// is close to a straight line in the quality. Qualities of one `settingOf`
// are encoded once. When even `lowest` does not fit, the choice has no bytes.
using FullEncoding = std::function<Result<QByteArray>(int quality)>;
Result<QualityChoice> searchQualityFrom(int predicted, double limitK, int lowest,
                                        const std::function<int(int)> &settingOf,
                                        const FullEncoding &encodeAt);

} // namespace veltrane
