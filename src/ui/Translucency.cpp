#include "ui/Translucency.h"

#include <QGuiApplication>
#include <QWidget>

namespace veltrane {

Translucency makeTranslucent(QWidget &window, int alpha) {
  if (alpha < 0 || alpha > 255)
    return Translucency::AlphaOutOfRange;
  // Wayland compositors leave a client's window opacity alone.
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    return Translucency::PlatformRefused;
  window.setWindowOpacity(alpha / 255.0);
  return Translucency::Done;
}

} // namespace veltrane
