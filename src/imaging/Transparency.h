#pragma once

#include "presets/OutputFormat.h"

#include <QImage>

namespace veltrane {

// The pixel format of a picture that keeps its transparency: scaling
// premultiplied colours leaves no dark fringe at the edges.
constexpr QImage::Format kTransparentFormat = QImage::Format_ARGB32_Premultiplied;

// Transparent pixels laid on white, as on a page: an opaque Format_RGB32
// picture (the picture as it is when it has no alpha channel).
QImage onWhite(QImage image);

// Whether files of this format carry transparency.
bool keepsTransparency(OutputFormat format);

} // namespace veltrane
