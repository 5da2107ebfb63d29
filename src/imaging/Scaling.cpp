#include "imaging/Scaling.h"

namespace veltrane {

QImage scaledPicture(const QImage &picture, QSize size) {
  QImage source = picture;
  if (source.format() != QImage::Format_RGB32 && source.format() != QImage::Format_ARGB32_Premultiplied)
    source.convertTo(QImage::Format_RGB32);
  if (source.size() == size)
    return source;
  // Qt's smooth scaling of 32-bit pictures averages areas when reducing.
  QImage scaled = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (scaled.format() != QImage::Format_RGB32)
    scaled.convertTo(QImage::Format_RGB32);
  return scaled;
}

void setScreenResolution(QImage &image) {
  constexpr int kDotsPerMeterAt96Dpi = 3780;
  image.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
  image.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
}

} // namespace veltrane
