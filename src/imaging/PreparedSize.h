#pragma once

#include "presets/JobSettings.h"

#include <QSize>

namespace veltrane {

// The size a job gives a source picture.
struct PreparedSize {
  QSize size;
  // No limit and no frame: the source is written as it is, unscaled.
  bool untouched = false;
};

// One limit keeps the proportions (floored), both limits stretch, "screen"
// stands for the screen's size, and an upright source swaps the limits when
// the upright swap applies. `frameEntry` is the frame list index in use (0 for none).
PreparedSize preparedSize(QSize source, const JobSettings &job, QSize screen, int frameEntry);

// A size box's limit in pixels: its leading number, or the screen's extent
// for the exact word "screen".
double sizeLimit(const QString &text, int screenExtent);

} // namespace veltrane
