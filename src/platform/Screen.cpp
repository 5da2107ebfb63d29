#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace veltrane {
namespace {

// The offscreen and minimal platforms invent a screen; that is no screen.
const QScreen *realScreen() {
  const QString platform = QGuiApplication::platformName();
  if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ||
      platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
    return nullptr;
  const QScreen *screen = QGuiApplication::primaryScreen();
  return screen && !screen->size().isEmpty() ? screen : nullptr;
}

constexpr QSize kNoScreen{1920, 1080};

} // namespace

QSize devicePixels(QSize logical, qreal ratio) {
  return {int(std::lround(logical.width() * ratio)), int(std::lround(logical.height() * ratio))};
}

QSize FixedScreen::pixelSize() const { return devicePixels(m_size, m_ratio); }

QSize DesktopScreen::size() const {
  const QScreen *screen = realScreen();
  return screen ? screen->size() : kNoScreen;
}

QSize DesktopScreen::pixelSize() const {
  const QScreen *screen = realScreen();
  return screen ? devicePixels(screen->size(), screen->devicePixelRatio()) : kNoScreen;
}

bool DesktopScreen::windowPlacesKnown() const { return !onWaylandCompositor(); }

bool onWaylandCompositor() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

} // namespace veltrane
