#pragma once

#include "presets/OutputFormat.h"

#include <QSize>
#include <QString>
#include <limits>
#include <optional>

namespace veltrane {

// The widest and highest JPEG that libjpeg writes.
inline constexpr int kMaxJpegSide = 65500;

// The widest and highest picture a format holds: JPEG as libjpeg writes it,
// WebP's 16383 and AV1's 65536; PNG and JPEG XL reach past the pixel limit.
int largestSide(OutputFormat format);

// Why a job cannot make a picture of this size: none at all, past the pixel
// limit, or, when it is to be written in `writtenAs`, past what that format
// holds. Empty when it can. The dry run and the batch ask the same, so a
// plan never promises what the run refuses.
QString outputSizeRefusal(QSize size, std::optional<OutputFormat> writtenAs);

} // namespace veltrane
