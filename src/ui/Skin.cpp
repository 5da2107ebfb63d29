#include "ui/Skin.h"

#include "imaging/PictureDecoder.h"
#include "storage/ProgramFolder.h"
#include "presets/SettingsText.h"
#include "ui/SkinOutline.h"

#include <QFileInfo>
#include <QPainter>
#include <QPalette>

namespace veltrane {

void Skin::paint(QPainter &painter, const QPalette &palette) const {
  const QRect area(QPoint(0, 0), kSize);
  if (!picture.isNull()) {
    painter.drawImage(area, picture);
    return;
  }
  painter.fillRect(area, palette.color(QPalette::Window));
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_SoftLight);
  painter.drawImage(area, relief);
  painter.restore();
}

Skin loadSkin(const ProgramFolder &folder) {
  Skin skin;
  skin.relief = QImage(QStringLiteral(":/veltrane/skin.png"));
  skin.outline = readOutline(kBuiltInOutline);
  const QString picturePath = folder.skinPicturePath();
  if (!QFileInfo(picturePath).isFile())
    return skin;
  PictureDecoder decoder;
  const DecodeResult decoded = decoder.decodeFile(picturePath);
  if (!decoded.ok())
    return skin;
  QImage picture = decoded.picture->image;
  if (picture.size() != Skin::kSize)
    picture = picture.scaled(Skin::kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  skin.picture = picture;
  const QString outlinePath = folder.skinOutlinePath();
  skin.outline = readOutline(QFileInfo(outlinePath).isFile() ? decodeSettingsText(readWholeFile(outlinePath))
                                                             : kRectangleOutline);
  return skin;
}

} // namespace veltrane
