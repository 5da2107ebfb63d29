#include "imaging/PreparedSize.h"

#include "common/Numbers.h"

#include <cmath>
#include <limits>

namespace veltrane {
namespace {

int toPixels(double value) {
  const double rounded = roundHalfEven(value);
  if (!(rounded > 0))
    return 0;
  return rounded > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(rounded);
}

int floorPixels(double value) {
  const double floored = std::floor(value);
  if (!(floored > 0))
    return 0;
  return floored > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(floored);
}

} // namespace

PreparedSize preparedSize(QSize source, const ResizeJob &job) {
  const bool widthOn = job.maxWidth.has_value();
  const bool heightOn = job.maxHeight.has_value();
  if (!widthOn && !heightOn && job.frame <= kNoFrameEntry)
    return {source, true};

  const double x = job.maxWidth.value_or(0);
  const double y = job.maxHeight.value_or(0);
  int w = source.width();
  int h = source.height();
  if (widthOn)
    w = toPixels(x);
  if (heightOn)
    h = toPixels(y);
  if (widthOn != heightOn && source.width() > 0 && source.height() > 0) {
    const double w0 = source.width();
    const double h0 = source.height();
    if (widthOn)
      h = floorPixels(x * h0 / w0);
    else
      w = floorPixels(y * w0 / h0);
  }
  if (job.swapForUpright && widthOn && heightOn && source.width() < source.height()) {
    w = toPixels(y);
    h = toPixels(x);
  }
  return {QSize(w, h), false};
}

} // namespace veltrane
