#pragma once

#include <QImage>
#include <QList>
#include <QPoint>

class QPainter;
class QPalette;

namespace veltrane {

class ProgramFolder;

// The shaped window's background and outline: the built-in skin, or a
// "skin.bmp" (with the outline of a "skin.ini") from the program folder.
struct Skin {
  static constexpr QSize kSize{603, 406};

  QImage picture;  // a skin.bmp at its own size, drawn at 603 x 406; null for the built-in skin
  QImage relief;   // the built-in skin's light and shade
  QImage relief2x; // the same at twice the size, for high-density screens
  QList<QPoint> outline;

  // The built-in skin lays its light and shade over the desktop's window
  // colour, so it suits a light theme and a dark one alike. On a screen of
  // more device pixels than pixels the pictures are scaled smoothly to them,
  // from the larger relief.
  void paint(QPainter &painter, const QPalette &palette) const;
};

// The built-in skin, or the program folder's own. A missing or unreadable
// skin.bmp keeps the built-in skin and outline, without a message; a
// skin.bmp without skin.ini gets the rectangle outline; a picture of
// another size is drawn at 603 x 406 (one of twice that size is a sharp skin
// at 200%), the outline staying in the window's pixels.
Skin loadSkin(const ProgramFolder &folder);

} // namespace veltrane
