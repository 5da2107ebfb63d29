#include "ui/PreviewSizing.h"

#include "common/Numbers.h"
#include "presets/ResizeJob.h"

#include <cmath>
#include <utility>

namespace veltrane {
namespace {

constexpr QSize kPlainBox{320, 240};

QString sizeCaption(double w, double h) {
  return QStringLiteral(" PREVIEW (%1 x %2)").arg(formatNumber(w), formatNumber(h));
}

} // namespace

std::optional<PreviewBox> previewBox(const PreviewSizingInput &input) {
  if (input.maxWidth.isEmpty() || input.maxHeight.isEmpty())
    return std::nullopt;
  if (!input.manual)
    return PreviewBox{kPlainBox, std::nullopt};

  double w = sizeLimitPixels(input.maxWidth, input.screen.width());
  double h = sizeLimitPixels(input.maxHeight, input.screen.height());
  const double sw = input.picture.width();
  const double sh = input.picture.height();
  // An empty source box has no proportions to follow.
  if (input.widthOn && !input.heightOn && sw > 0)
    h = std::floor(sh * w / sw);
  else if (input.heightOn && !input.widthOn && sh > 0)
    w = std::floor(sw * h / sh);
  if (input.swapForUpright && w < h)
    std::swap(w, h);

  PreviewBox box{QSize(), sizeCaption(w, h)};
  if (w + input.frame.width() >= input.screen.width() || h + input.frame.height() >= input.screen.height()) {
    if (w > h) {
      h = roundHalfEven(320 * h / w);
      w = 320;
    } else {
      w = h > 0 ? roundHalfEven(240 * w / h) : 0;
      h = 240;
    }
    const double scale = w > 0 ? std::floor(sw * 10 / w) / 10 : 0;
    box.caption = scale == 0 ? QStringLiteral(" PREVIEW (no image selected)")
                             : QStringLiteral(" PREVIEW (scale 1 : %1)").arg(formatNumber(scale));
  }
  box.inner = QSize(int(std::max(w, 0.0)), int(std::max(h, 0.0)));
  return box;
}

bool windowsOverlap(const QRect &main, const QRect &other, const OverlapMargins &margins) {
  const int L = main.x(), T = main.y(), W = main.width(), H = main.height();
  const int pl = other.x(), pt = other.y(), pw = other.width(), ph = other.height();
  return L + W - margins.mainRight > pl && pl + pw - margins.otherRight > L &&
         T + H - margins.mainBottom > pt && pt + ph > T + margins.mainTop;
}

} // namespace veltrane
