#include "imaging/Stamp.h"

#include "imaging/Scaling.h"

namespace veltrane {

const QImage &builtInStamp() {
  static const QImage stamp = [] {
    QImage image(QStringLiteral(":/veltrane/stamp.png"));
    image.convertTo(QImage::Format_RGB32);
    return image;
  }();
  return stamp;
}

void embossStamp(QImage &picture, const QImage &stamp) {
  if (picture.isNull() || stamp.isNull())
    return;
  if (picture.format() != QImage::Format_RGB32)
    picture.convertTo(QImage::Format_RGB32);
  const QImage mark = scaledPicture(stamp, picture.size());
  constexpr int kShift = 3;
  const int width = picture.width();
  const int height = picture.height();
  for (int y = 0; y < height; ++y) {
    auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
    const auto *markRow = reinterpret_cast<const QRgb *>(mark.constScanLine(y));
    for (int x = 0; x < width; ++x)
      row[x] &= markRow[x] | 0xFF000000u;
  }
  for (int y = kShift; y < height; ++y) {
    auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
    const auto *markRow = reinterpret_cast<const QRgb *>(mark.constScanLine(y - kShift));
    for (int x = kShift; x < width; ++x)
      row[x] |= ~markRow[x - kShift] & 0x00FFFFFFu;
  }
}

} // namespace veltrane
