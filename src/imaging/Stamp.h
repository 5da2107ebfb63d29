#pragma once

#include <QImage>

namespace veltrane {

// The program's mark: an 800 x 600 two-colour picture, dark on light.
const QImage &builtInStamp();

// Embosses the stamp across a picture: each pixel is ANDed with the stamp
// stretched to the picture, then ORed with the inverted stamp shifted 3
// pixels right and down, so the mark darkens and, just beside it, lightens.
void embossStamp(QImage &picture, const QImage &stamp);

} // namespace veltrane
