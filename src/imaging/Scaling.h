#pragma once

#include <QImage>
#include <QSize>

namespace veltrane {

// Scales a whole picture onto a whole rectangle of the given size: area
// averaging when reducing, so fine detail does not alias; smooth when
// enlarging. The result is Format_RGB32, or premultiplied ARGB32 for a
// picture with an alpha channel.
QImage scaledPicture(const QImage &picture, QSize size);

// 96 dots per inch, the resolution point sizes of captions are meant for.
void setScreenResolution(QImage &image);

} // namespace veltrane
