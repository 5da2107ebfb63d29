#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace veltrane {

// The inner window of a frame picture, read from its file name
// "name_x1-y1-x2-y2.ext", in pixels of the frame picture.
struct FrameWindow {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const FrameWindow &) const = default;
};

// Nothing when the text after the last "_" lacks one of its three "-" or the
// "." after them. A part that is not a number reads as 0.
std::optional<FrameWindow> frameWindowFromName(const QString &fileName);

// The frame name a file lists under: the text before its last "_"; nothing
// for a file name without "_".
std::optional<QString> frameNameFromFile(const QString &fileName);

// Where the picture goes inside a frame stretched over an output of
// `output` pixels, for a frame picture of `frame` pixels.
QRect frameWindowRect(const FrameWindow &window, QSize frame, QSize output);

} // namespace veltrane
