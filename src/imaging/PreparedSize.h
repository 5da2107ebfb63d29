#pragma once

#include "presets/ResizeJob.h"

#include <QRect>
#include <QSize>

namespace veltrane {

// The size a job gives a source picture.
struct PreparedSize {
  QSize size; // the written picture's (with a frame, the frame's outer size)
  // No limit and no frame, or a picture that may not be enlarged and is
  // already inside the box: the source is written at its own size, unscaled.
  bool untouched = false;
  bool fill = false; // the picture covers its place and is cropped to it (coveringSize)
};

// One limit keeps the proportions (floored). Both limits stretch, fit inside
// or fill the box as the job says, an upright source swapping the limits
// first when the job says so; a picture that may not be enlarged is scaled
// by at most 1.
PreparedSize preparedSize(QSize source, const ResizeJob &job);

// What the source is scaled to for a place of `target` pixels (the prepared
// size, or a frame's window): `target` itself, or for filling the least size
// of the source's proportions that covers it.
QSize coveringSize(QSize source, QSize target, const PreparedSize &prepared);

// The middle `target` of a picture of `covering` pixels.
QRect centredCrop(QSize covering, QSize target);

} // namespace veltrane
