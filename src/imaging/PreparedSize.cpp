#include "imaging/PreparedSize.h"

#include "common/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace veltrane {
namespace {

int clampPixels(double value) {
  if (!(value > 0))
    return 0;
  return value > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(value);
}

int toPixels(double value) { return clampPixels(roundHalfEven(value)); }
int floorPixels(double value) { return clampPixels(std::floor(value)); }
int ceilPixels(double value) { return clampPixels(std::ceil(value)); }

bool inside(QSize source, QSize box) {
  return source.width() <= box.width() && source.height() <= box.height();
}

// The side the other limit gives, in proportion: floored, as one limit has
// always been.
QSize fitInside(QSize source, QSize box) {
  const double w0 = source.width();
  const double h0 = source.height();
  if (box.width() / w0 <= box.height() / h0)
    return {box.width(), std::max(1, floorPixels(box.width() * h0 / w0))};
  return {std::max(1, floorPixels(box.height() * w0 / h0)), box.height()};
}

PreparedSize bothLimits(QSize source, QSize box, const ResizeJob &job) {
  const bool proportional = source.width() > 0 && source.height() > 0;
  if (job.neverEnlarge && proportional && inside(source, box))
    return {source, job.frame <= kNoFrameEntry, false};
  switch (job.boxMode) {
  case BoxMode::Fit: return {proportional ? fitInside(source, box) : box, false, false};
  case BoxMode::Fill: return {job.neverEnlarge ? box.boundedTo(source) : box, false, proportional};
  case BoxMode::Stretch: break;
  }
  // Each side on its own: never enlarging keeps a side that is already inside.
  return {job.neverEnlarge && proportional ? box.boundedTo(source) : box, false, false};
}

} // namespace

PreparedSize preparedSize(QSize source, const ResizeJob &job) {
  const bool widthOn = job.maxWidth.has_value();
  const bool heightOn = job.maxHeight.has_value();
  if (!widthOn && !heightOn && job.frame <= kNoFrameEntry)
    return {source, true};
  if (!widthOn && !heightOn)
    return {source, false};

  const double x = job.maxWidth.value_or(0);
  const double y = job.maxHeight.value_or(0);
  if (widthOn && heightOn) {
    const bool swap = job.swapForUpright && source.width() < source.height();
    return bothLimits(source, swap ? QSize(toPixels(y), toPixels(x)) : QSize(toPixels(x), toPixels(y)), job);
  }
  if (source.width() <= 0 || source.height() <= 0)
    return {widthOn ? QSize(toPixels(x), source.height()) : QSize(source.width(), toPixels(y)), false};
  const double w0 = source.width();
  const double h0 = source.height();
  const double scale = widthOn ? x / w0 : y / h0;
  if (job.neverEnlarge && scale >= 1)
    return {source, job.frame <= kNoFrameEntry};
  if (widthOn)
    return {QSize(toPixels(x), floorPixels(x * h0 / w0)), false};
  return {QSize(floorPixels(y * w0 / h0), toPixels(y)), false};
}

QSize coveringSize(QSize source, QSize target, const PreparedSize &prepared) {
  if (!prepared.fill || source.width() <= 0 || source.height() <= 0)
    return target;
  // A place no larger than the source (never enlarging makes it so) needs
  // no enlargement to be covered either.
  const double w0 = source.width();
  const double h0 = source.height();
  if (target.width() / w0 >= target.height() / h0)
    return {target.width(), std::max(target.height(), ceilPixels(target.width() * h0 / w0))};
  return {std::max(target.width(), ceilPixels(target.height() * w0 / h0)), target.height()};
}

QRect centredCrop(QSize covering, QSize target) {
  return {(covering.width() - target.width()) / 2, (covering.height() - target.height()) / 2, target.width(),
          target.height()};
}

} // namespace veltrane
