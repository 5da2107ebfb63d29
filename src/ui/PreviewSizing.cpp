#include "ui/PreviewSizing.h"
#include "ui/WindowText.h"

#include "common/Numbers.h"
#include "imaging/PreparedSize.h"
#include "presets/ResizeJob.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace veltrane {
namespace {

constexpr QSize kPlainBox{320, 240};

QString sizeCaption(double w, double h) {
  return PreviewWindowText::tr(" PREVIEW (%1 x %2)").arg(formatNumber(w), formatNumber(h));
}

} // namespace

std::optional<PreviewBox> previewBox(const PreviewSizingInput &input) {
  if (input.maxWidth.isEmpty() || input.maxHeight.isEmpty())
    return std::nullopt;
  if (!input.manual)
    return PreviewBox{kPlainBox, std::nullopt};

  double w = sizeLimitPixels(input.maxWidth, input.screen.width());
  double h = sizeLimitPixels(input.maxHeight, input.screen.height());
  // The window lays a swapped box on its side, so that a drag of its borders
  // keeps it so; the batch's sizing below turns it up for an upright picture.
  if (input.swapForUpright && w < h)
    std::swap(w, h);
  ResizeJob job;
  job.maxWidth = input.widthOn ? std::optional(w) : std::nullopt;
  job.maxHeight = input.heightOn ? std::optional(h) : std::nullopt;
  job.swapForUpright = input.swapForUpright;
  job.boxMode = input.boxMode;
  job.neverEnlarge = input.neverEnlarge;
  const PreparedSize prepared = preparedSize(input.picture, job);
  const QSize result = prepared.size;
  w = result.width();
  h = result.height();
  const double sw = input.picture.width();

  PreviewBox box{QSize(), sizeCaption(w, h)};
  const QSize covering = coveringSize(input.picture, result, prepared);
  if (covering != result && !covering.isEmpty()) {
    const QRect crop = centredCrop(covering, result);
    box.shownPart =
        QRectF(double(crop.x()) / covering.width(), double(crop.y()) / covering.height(),
               double(crop.width()) / covering.width(), double(crop.height()) / covering.height());
  }
  if (w + input.frame.width() >= input.screen.width() || h + input.frame.height() >= input.screen.height()) {
    if (w > h) {
      h = roundHalfEven(320 * h / w);
      w = 320;
    } else {
      w = h > 0 ? roundHalfEven(240 * w / h) : 0;
      h = 240;
    }
    const double scale = w > 0 ? std::floor(sw * 10 / w) / 10 : 0;
    box.caption = scale == 0 ? PreviewWindowText::tr(" PREVIEW (no image selected)")
                             : PreviewWindowText::tr(" PREVIEW (scale 1 : %1)").arg(formatNumber(scale));
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
