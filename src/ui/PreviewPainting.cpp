#include "ui/PreviewPainting.h"

#include <QBrush>
#include <QPainter>

namespace veltrane {
namespace {

constexpr int kSquare = 8;

QImage checkerTile() {
  QImage tile(2 * kSquare, 2 * kSquare, QImage::Format_RGB32);
  tile.fill(QColor(255, 255, 255));
  QPainter painter(&tile);
  const QColor grey(204, 204, 204);
  painter.fillRect(kSquare, 0, kSquare, kSquare, grey);
  painter.fillRect(0, kSquare, kSquare, kSquare, grey);
  return tile;
}

} // namespace

void drawPreviewPicture(QPainter &painter, const QRect &area, const QImage &picture, const QRectF &shownPart,
                        bool transparencyKept) {
  if (picture.hasAlphaChannel()) {
    if (transparencyKept) {
      QBrush checkers(checkerTile());
      checkers.setTransform(QTransform::fromTranslate(area.x(), area.y()));
      painter.fillRect(area, checkers);
    } else {
      painter.fillRect(area, Qt::white);
    }
  }
  const QRectF source(shownPart.x() * picture.width(), shownPart.y() * picture.height(),
                      shownPart.width() * picture.width(), shownPart.height() * picture.height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(area), picture, source);
}

} // namespace veltrane
