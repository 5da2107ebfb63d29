#pragma once

#include <QPoint>
#include <QSize>
#include <algorithm>

namespace veltrane {

// Keeps a window of `size` on a screen of `screen` pixels.
inline QPoint onScreen(QPoint place, QSize size, QSize screen) {
  return {std::clamp(place.x(), 0, std::max(0, screen.width() - size.width())),
          std::clamp(place.y(), 0, std::max(0, screen.height() - size.height()))};
}

} // namespace veltrane
