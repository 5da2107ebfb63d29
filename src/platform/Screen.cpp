#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace veltrane {

QSize DesktopScreen::size() const {
  if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
      const QSize size = screen->size();
      if (!size.isEmpty())
        return size;
    }
  }
  return {1920, 1080};
}

} // namespace veltrane
