#pragma once

class QWidget;

namespace veltrane {

// What making a window translucent came to.
enum class Translucency {
  Done = 0,
  AlphaOutOfRange = 1, // alpha outside 0 to 255: nothing changed
  PlatformRefused = 2, // the platform ignores a window's opacity (Wayland): paint it instead
};

// True where the compositor leaves a client's window opacity and shape to
// itself (Wayland): such windows paint their translucency and outline.
bool windowOpacityIgnored();

// Sets a window's opacity to alpha out of 255.
Translucency makeTranslucent(QWidget &window, int alpha);

} // namespace veltrane
