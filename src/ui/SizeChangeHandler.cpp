#include "ui/SizeChangeHandler.h"

#include "common/Numbers.h"
#include "presets/ResizeJob.h"

#include <cmath>

namespace veltrane {
namespace {

const QString kScreenWord = QStringLiteral("screen");

} // namespace

SizeChangeResult deriveSizes(const SizeChangeInput &input) {
  SizeChangeResult result{input.maxWidth, input.maxHeight, false};
  double w = sizeLimitPixels(input.maxWidth, input.screen.width());
  double h = sizeLimitPixels(input.maxHeight, input.screen.height());
  const double pw = input.picture.width();
  const double ph = input.picture.height();
  const int on = (input.widthOn ? 1 : 0) + (input.heightOn ? 1 : 0);

  if (on == 0) {
    result.maxWidth = formatNumber(pw);
    result.maxHeight = formatNumber(ph);
  } else if (on == 1 && pw > 0 && ph > 0) {
    // An empty source box has no proportions to keep; nothing is derived.
    if (input.widthOn) {
      h = std::floor(w * ph / pw);
      result.maxHeight = formatNumber(h);
    } else {
      w = std::floor(h * pw / ph);
      result.maxWidth = formatNumber(w);
    }
  }
  result.manualEnabled =
      w + input.borders.width() < input.screen.width() && h + input.borders.height() < input.screen.height();
  return result;
}

bool isSizeKeyAllowed(QChar typed) {
  if (typed == QChar(8))
    return true;
  if (typed.category() == QChar::Other_Control)
    return true; // Tab, Enter and shortcuts type nothing
  return typed >= u'0' && typed <= u'9';
}

QString repairedSize(const QString &text) {
  if (text != kScreenWord && leadingNumber(text) < 1)
    return QStringLiteral("1");
  return text;
}

} // namespace veltrane
