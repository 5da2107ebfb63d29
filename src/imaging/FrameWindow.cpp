#include "imaging/FrameWindow.h"

#include "common/Numbers.h"

#include <QRect>
#include <QSize>
#include <algorithm>
#include <cmath>

namespace veltrane {

std::optional<FrameWindow> frameWindowFromName(const QString &fileName) {
  const qsizetype underscore = fileName.lastIndexOf(u'_');
  if (underscore < 0)
    return std::nullopt;
  const qsizetype d1 = fileName.indexOf(u'-', underscore + 1);
  const qsizetype d2 = d1 < 0 ? -1 : fileName.indexOf(u'-', d1 + 1);
  const qsizetype d3 = d2 < 0 ? -1 : fileName.indexOf(u'-', d2 + 1);
  const qsizetype dot = d3 < 0 ? -1 : fileName.indexOf(u'.', d3 + 1);
  if (dot < 0)
    return std::nullopt;
  const auto part = [&](qsizetype from, qsizetype to) {
    return leadingNumber(fileName.mid(from, to - from));
  };
  return FrameWindow{part(underscore + 1, d1), part(d1 + 1, d2), part(d2 + 1, d3), part(d3 + 1, dot)};
}

std::optional<QString> frameNameFromFile(const QString &fileName) {
  const qsizetype underscore = fileName.lastIndexOf(u'_');
  if (underscore < 0)
    return std::nullopt;
  return fileName.left(underscore);
}

QRect frameWindowRect(const FrameWindow &window, QSize frame, QSize output) {
  // The window is worked out in twips, as the frame's own positions were
  // designed for; x uses a double ratio and y a single one.
  constexpr double kTwips = 15.0;
  const double rx = double(frame.width()) / double(output.width());
  const double ry = double(float(frame.height()) / float(output.height()));
  const double x1 = roundHalfEven(window.x1 * kTwips / rx);
  const double y1 = roundHalfEven(window.y1 * kTwips / ry);
  const double x2 = roundHalfEven(window.x2 * kTwips / rx);
  const double y2 = roundHalfEven(window.y2 * kTwips / ry);
  // A name may hold any number: far beyond every picture it is as good as
  // the limit, and the sums of a QRect must not overflow.
  const auto pixels = [](double twips) {
    constexpr double kLimit = 1 << 24;
    const double value = roundHalfEven(twips / kTwips);
    return std::isnan(value) ? 0 : int(std::clamp(value, -kLimit, kLimit));
  };
  return QRect(pixels(x1), pixels(y1), pixels(x2 - x1), pixels(y2 - y1));
}

} // namespace veltrane
