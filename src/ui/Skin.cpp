#include "ui/Skin.h"

#include "imaging/PictureDecoder.h"
#include "presets/SettingsText.h"
#include "storage/ProgramFolder.h"
#include "ui/SkinOutline.h"

#include <QFileInfo>
#include <QPaintDevice>
#include <QPainter>
#include <QPalette>

namespace veltrane {

void Skin::paint(QPainter &painter, const QPalette &palette) const {
  const QRect area(QPoint(0, 0), kSize);
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!picture.isNull()) {
    painter.drawImage(area, picture);
  } else {
    painter.fillRect(area, palette.color(QPalette::Window));
    painter.setCompositionMode(QPainter::CompositionMode_SoftLight);
    const bool dense = painter.device() && painter.device()->devicePixelRatio() > 1 && !relief2x.isNull();
    painter.drawImage(area, dense ? relief2x : relief);
  }
  painter.restore();
}

Skin loadSkin(const ProgramFolder &folder) {
  Skin skin;
  skin.relief = QImage(QStringLiteral(":/veltrane/skin.png"));
  skin.relief2x = QImage(QStringLiteral(":/veltrane/skin@2x.png"));
  skin.outline = readOutline(kBuiltInOutline);
  const QString picturePath = folder.skinPicturePath();
  if (!QFileInfo(picturePath).isFile())
    return skin;
  PictureDecoder decoder;
  const DecodeResult decoded = decoder.decodeFile(picturePath);
  if (!decoded.ok())
    return skin;
  // Kept at its own size up to twice the window's, which is sharp at 200%:
  // drawing scales it smoothly to the screen's pixels. A larger one would
  // only make every paint slower.
  QImage picture = decoded.picture->image;
  const QSize largest = Skin::kSize * 2;
  if (picture.width() > largest.width() || picture.height() > largest.height())
    picture = picture.scaled(largest, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  skin.picture = picture;
  const QString outlinePath = folder.skinOutlinePath();
  skin.outline = readOutline(QFileInfo(outlinePath).isFile() ? decodeSettingsText(readWholeFile(outlinePath))
                                                             : kRectangleOutline);
  return skin;
}

} // namespace veltrane
