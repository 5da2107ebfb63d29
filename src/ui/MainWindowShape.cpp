// The main window's shape: the skin, the outline, dragging by the body, the
// plain/shaped switch and the fade of the preview.
#include "ui/MainWindow.h"

#include "platform/PlatformServices.h"
#include "platform/Screen.h"
#include "ui/PreviewSizing.h"
#include "ui/PreviewWindow.h"
#include "ui/ScreenPlace.h"
#include "ui/SettingsWindow.h"
#include "ui/Translucency.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

namespace veltrane {

void MainWindow::toggleWindowShape() {
  m_program.plainMode = !m_program.plainMode;
  applyWindowShape();
}

void MainWindow::applyWindowShape() {
  const bool shaped = !m_program.plainMode;
  const bool visible = isVisible();
  // The picture stays where it is; a title bar goes above it.
  const QPoint content = geometry().topLeft();
  // Changing the flags takes the window off the screen; it comes back where it was.
  if (windowFlags().testFlag(Qt::FramelessWindowHint) != shaped)
    setWindowFlag(Qt::FramelessWindowHint, shaped);
  // Where the platform's shape only limits input (Wayland), the corners are
  // left transparent and the skin is painted clipped to the outline.
  if (windowOpacityIgnored()) {
    setAttribute(Qt::WA_TranslucentBackground, shaped);
    // Which that set, and does not clear: the plain window's background.
    setAttribute(Qt::WA_NoSystemBackground, shaped);
  }
  m_form.exitButton->setVisible(shaped);
  m_form.minimizeButton->setVisible(shaped);
  if (visible) {
    setGeometry(QRect(content, size()));
    show();
    // The frame's size is known only once the window manager has put it on.
    m_framing = !shaped;
    if (QWindow *window = windowHandle())
      window->installEventFilter(this);
    keepFrameOnScreen();
  }
  // After showing: the platform may keep its window, and with it an old shape.
  if (shaped)
    setMask(QRegion(QPolygon(m_skin.outline), Qt::OddEvenFill));
  else
    clearMask();
  update();
}

void MainWindow::keepFrameOnScreen() {
  const QRect frame = frameGeometry();
  if (!m_framing || frame == geometry())
    return;
  m_framing = false;
  if (!m_platform.screen->windowPlacesKnown())
    return; // nor can it be moved
  const QPoint kept = onScreen(frame.topLeft(), frame.size(), m_platform.screen->size());
  if (kept != frame.topLeft())
    move(kept);
}

void MainWindow::paintEvent(QPaintEvent *) {
  if (m_program.plainMode)
    return;
  QPainter painter(this);
  // Clipped to the outline too, where a platform's mask only limits input.
  painter.setClipRegion(QRegion(QPolygon(m_skin.outline), Qt::OddEvenFill));
  m_skin.paint(painter, palette());
}

void MainWindow::mousePressEvent(QMouseEvent *event) {
  if (!m_dragging) {
    m_pressedAt = event->position().toPoint();
    m_pressedButton = event->button();
  }
  QWidget::mousePressEvent(event);
}

// The shaped window has no title bar: dragging any point of its body, with
// any button, moves it. The move starts once the pointer travels, so a
// double-click still reaches the window. The platform's own move follows
// the left button only; with another button (or no platform move) the
// window follows the pointer itself until that button is let go.
void MainWindow::mouseMoveEvent(QMouseEvent *event) {
  if (m_dragging && !event->buttons().testFlag(m_pressedButton))
    m_dragging = false; // its release went elsewhere
  if (m_dragging) {
    move(event->globalPosition().toPoint() - *m_pressedAt);
    return;
  }
  if (!m_program.plainMode && m_pressedAt && event->buttons().testFlag(m_pressedButton) &&
      (event->position().toPoint() - *m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
    QWindow *window = windowHandle();
    if (m_pressedButton == Qt::LeftButton && window && window->startSystemMove()) {
      m_pressedAt.reset();
      return;
    }
    m_dragging = true;
    move(event->globalPosition().toPoint() - *m_pressedAt);
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == m_pressedButton) {
    m_dragging = false;
    m_pressedAt.reset();
  }
  QWidget::mouseReleaseEvent(event);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent *) {
  m_pressedAt.reset();
  m_dragging = false;
  toggleWindowShape();
  if (m_settings->isVisible())
    m_settings->fillSwitches(m_program.folderWindowMode, m_program.exitWhenDone, m_program.plainMode);
}

void MainWindow::fadePreview() {
  if (m_lastPlace == pos())
    return;
  m_lastPlace = pos();
  if (!m_preview->isVisible())
    return;
  // The rule's 60 and 90 twips in pixels; the top margin is the title bar.
  const int captionHeight = frameGeometry().height() - geometry().height();
  const OverlapMargins margins{4, 6, 4, captionHeight};
  m_preview->setOverMainWindow(windowsOverlap(frameGeometry(), m_preview->frameGeometry(), margins));
}

} // namespace veltrane
