#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace veltrane {

// Caption positions: x or y of -1 centres the text; y of -2 puts it at the bottom.
inline constexpr int kCentred = -1;
inline constexpr int kBottom = -2;

// Sizes `font` to the largest even point size from 8 up at which `text` is
// no wider than `width` pixels (8 when even 10 is too wide); returns it.
int setFontFor(QFont &font, const QString &text, int width);

// Prints a caption on a picture: a black shadow 2 pixels right and down,
// then the text in `colour`. With `fit` the font is sized to the picture's
// width first.
void printCaption(QImage &picture, QFont &font, const QString &text, int x, int y, bool fit,
                  const QColor &colour);

} // namespace veltrane
