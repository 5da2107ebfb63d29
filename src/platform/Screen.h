#pragma once

#include <QSize>

namespace veltrane {

// The screen. Windows are placed in its logical pixels (size); pictures are
// made in its device pixels (pixelSize): the "screen" size box and the
// index-sheet canvas, so that a display scaled to 200% still gets pictures
// as sharp as it can show.
class Screen {
public:
  virtual ~Screen() = default;
  virtual QSize size() const = 0;
  virtual QSize pixelSize() const { return size(); }
  // False where a window can neither read nor set its place on the screen
  // (Wayland): places kept from the settings file stay as they were read.
  virtual bool windowPlacesKnown() const { return true; }
};

class FixedScreen : public Screen {
public:
  explicit FixedScreen(QSize size = {1920, 1080}, qreal pixelRatio = 1, bool windowPlacesKnown = true)
      : m_size(size), m_ratio(pixelRatio), m_placesKnown(windowPlacesKnown) {}
  QSize size() const override { return m_size; }
  QSize pixelSize() const override;
  bool windowPlacesKnown() const override { return m_placesKnown; }

private:
  QSize m_size;
  qreal m_ratio;
  bool m_placesKnown;
};

// The primary screen, or 1920 x 1080 when there is none (offscreen, no display).
class DesktopScreen : public Screen {
public:
  QSize size() const override;
  QSize pixelSize() const override;
  bool windowPlacesKnown() const override;
};

// Whether the program runs on a Wayland compositor, which places its windows
// and leaves their opacity and shape to them.
bool onWaylandCompositor();

// A logical size in device pixels at a ratio.
QSize devicePixels(QSize logical, qreal ratio);

} // namespace veltrane
