#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace veltrane::test {

// A picture filled with one colour, written as a JPEG (or BMP/GIF/PNG by the
// path's extension) for tests to read back.
QString writePicture(const QString &path, QSize size, QColor colour = Qt::gray, int quality = 95);
QString writeImage(const QString &path, const QImage &image, int quality = 95);
// Busy pictures compress badly: good for quality searches.
QImage noisePicture(QSize size, quint32 seed = 1);

// The average colour of a rectangle of a picture.
QColor averageColour(const QImage &image, const QRect &area);
// Horizontal neighbours whose grey levels differ by more than `threshold`:
// many where edges are drawn at a picture's own pixels, few where a smaller
// picture was scaled up to it.
int sharpSteps(const QImage &image, int threshold);
// Whether every channel of `actual` is within `tolerance` of `expected`.
bool near(QColor actual, QColor expected, int tolerance);

} // namespace veltrane::test
