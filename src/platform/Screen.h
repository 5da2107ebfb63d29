#pragma once

#include <QSize>

namespace veltrane {

// The size of the screen in pixels: the "screen" size box and the index-sheet
// canvas both use it.
class Screen {
public:
  virtual ~Screen() = default;
  virtual QSize size() const = 0;
};

class FixedScreen : public Screen {
public:
  explicit FixedScreen(QSize size = {1920, 1080}) : m_size(size) {}
  QSize size() const override { return m_size; }
  void setSize(QSize size) { m_size = size; }

private:
  QSize m_size;
};

// The primary screen, or 1920 x 1080 when there is none (offscreen, no display).
class DesktopScreen : public Screen {
public:
  QSize size() const override;
};

} // namespace veltrane
