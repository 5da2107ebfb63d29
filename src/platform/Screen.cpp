#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace veltrane {

QSize DesktopScreen::size() const {
  // The offscreen and minimal platforms invent a screen; that is no screen.
  const QString platform = QGuiApplication::platformName();
  if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) &&
      platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) {
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
      const QSize size = screen->size();
      if (!size.isEmpty())
        return size;
    }
  }
  return {1920, 1080};
}

} // namespace veltrane
