#pragma once

#include <QList>
#include <QPoint>
#include <QString>

namespace veltrane {

// The main window's shape: a polygon in its client area, written as
// "x,y,x,y,..." in a skin's outline file ("skin.ini").
inline constexpr qsizetype kMaxOutlinePoints = 201;

// The built-in skin's outline: 80 points (the last pair, 83,5, has no comma
// after it and is not read).
extern const QString kBuiltInOutline;
// The outline of a skin picture that comes without one: the 603 x 406
// client area's corners.
extern const QString kRectangleOutline;

// Reads an outline. A number counts only when a comma follows it; each is
// read as a leading number ("12px" is 12, "x" is 0). Every pair becomes a
// point moved by (offsetX, offsetY), halves rounded to even; points past
// the 201st are ignored. The offsets turn client coordinates into another
// frame's (0, 0 for a frameless window's own).
QList<QPoint> readOutline(const QString &text, double offsetX = 0, double offsetY = 0);

} // namespace veltrane
