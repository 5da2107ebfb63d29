#include "imaging/Transparency.h"

namespace veltrane {

QImage onWhite(QImage image) {
  if (!image.hasAlphaChannel())
    return image.format() == QImage::Format_RGB32 ? image
                                                  : std::move(image).convertToFormat(QImage::Format_RGB32);
  QImage blended = std::move(image).convertToFormat(kTransparentFormat);
  for (int y = 0; y < blended.height(); ++y) {
    QRgb *line = reinterpret_cast<QRgb *>(blended.scanLine(y));
    for (int x = 0; x < blended.width(); ++x) {
      const QRgb pixel = line[x];
      const int white = 255 - qAlpha(pixel); // premultiplied: each colour is at most the alpha
      line[x] = qRgb(qRed(pixel) + white, qGreen(pixel) + white, qBlue(pixel) + white);
    }
  }
  blended.reinterpretAsFormat(QImage::Format_RGB32);
  return blended;
}

bool keepsTransparency(OutputFormat format) { return format != OutputFormat::Jpeg; }

} // namespace veltrane
