#include "imaging/Captions.h"

#include "imaging/Scaling.h"

#include <QFontMetrics>
#include <QPainter>

namespace veltrane {
namespace {

// Text measured as it is drawn on a 96 dpi picture.
QFontMetrics metricsAt96Dpi(const QFont &font) {
  static QImage device = [] {
    QImage image(1, 1, QImage::Format_RGB32);
    setScreenResolution(image);
    return image;
  }();
  return QFontMetrics(font, &device);
}

} // namespace

int setFontFor(QFont &font, const QString &text, int width) {
  // An empty text fits at any size: stop somewhere sensible.
  constexpr int kLargest = 512;
  int size = 8;
  for (;;) {
    QFont larger = font;
    larger.setPointSize(size + 2);
    if (size + 2 > kLargest || metricsAt96Dpi(larger).horizontalAdvance(text) > width)
      break;
    size += 2;
  }
  font.setPointSize(size);
  return size;
}

void printCaption(QImage &picture, QFont &font, const QString &text, int x, int y, bool fit,
                  const QColor &colour) {
  if (picture.isNull())
    return;
  setScreenResolution(picture);
  if (fit)
    setFontFor(font, text, picture.width());
  const QFontMetrics metrics = metricsAt96Dpi(font);
  const int textWidth = metrics.horizontalAdvance(text);
  const int textHeight = metrics.height();
  if (x == kCentred)
    x = (picture.width() - textWidth) / 2;
  if (y == kCentred)
    y = (picture.height() - textHeight) / 2;
  else if (y == kBottom)
    y = picture.height() - textHeight;

  QPainter painter(&picture);
  painter.setFont(font);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const int baseline = y + metrics.ascent();
  painter.setPen(Qt::black);
  painter.drawText(x + 2, baseline + 2, text);
  painter.setPen(colour);
  painter.drawText(x, baseline, text);
}

} // namespace veltrane
