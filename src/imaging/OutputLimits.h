#pragma once

#include <QSize>
#include <QString>

namespace veltrane {

// The widest and highest JPEG that libjpeg writes.
inline constexpr int kMaxJpegSide = 65500;

// Why a job cannot make a picture of this size: none at all, past the pixel
// limit, or, when it is to be written, past what the format holds. Empty when
// it can. The dry run and the batch ask the same, so a plan never promises
// what the run refuses.
QString outputSizeRefusal(QSize size, bool written);

} // namespace veltrane
