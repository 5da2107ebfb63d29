#include "imaging/Scaling.h"

#include "imaging/Transparency.h"

namespace veltrane {

QImage scaledPicture(const QImage &picture, QSize size) {
  // A transparent picture scales premultiplied, so no dark fringe shows.
  const QImage::Format kept = picture.hasAlphaChannel() ? kTransparentFormat : QImage::Format_RGB32;
  QImage source = picture;
  if (source.format() != kept)
    source.convertTo(kept);
  if (source.size() == size)
    return source;
  // Qt's smooth scaling of 32-bit pictures averages areas when reducing.
  QImage scaled = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (scaled.format() != kept)
    scaled.convertTo(kept);
  return scaled;
}

void setScreenResolution(QImage &image) {
  constexpr int kDotsPerMeterAt96Dpi = 3780;
  image.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
  image.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
}

} // namespace veltrane
