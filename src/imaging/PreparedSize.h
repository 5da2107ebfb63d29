#pragma once

#include "presets/ResizeJob.h"

#include <QSize>

namespace veltrane {

// The size a job gives a source picture.
struct PreparedSize {
  QSize size;
  // No limit and no frame: the source is written as it is, unscaled.
  bool untouched = false;
};

// One limit keeps the proportions (floored), both limits stretch, and an
// upright source swaps the limits when the job says so.
PreparedSize preparedSize(QSize source, const ResizeJob &job);

} // namespace veltrane
