#include "ui/Translucency.h"

#include "platform/Screen.h"

#include <QGuiApplication>
#include <QWidget>

namespace veltrane {

bool windowOpacityIgnored() { return onWaylandCompositor(); }

Translucency makeTranslucent(QWidget &window, int alpha) {
  if (alpha < 0 || alpha > 255)
    return Translucency::AlphaOutOfRange;
  if (windowOpacityIgnored())
    return Translucency::PlatformRefused;
  window.setWindowOpacity(alpha / 255.0);
  // The request would otherwise wait in the X connection for the next event
  // to flush it: a timer's fade then showed only after the next move or click.
  QGuiApplication::sync();
  return Translucency::Done;
}

} // namespace veltrane
