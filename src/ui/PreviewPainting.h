#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>

class QPainter;

namespace veltrane {

// Draws the preview's picture into `area`: `shownPart` of it (fractions of
// its size), stretched. A picture with an alpha channel lies over a light
// checkerboard when the format written keeps transparency, and on white, as
// the batch flattens it, when it does not.
void drawPreviewPicture(QPainter &painter, const QRect &area, const QImage &picture, const QRectF &shownPart,
                        bool transparencyKept);

} // namespace veltrane
