// The main window's shape: the skin, the outline, dragging by the body, the
// plain/shaped switch and the fade of the preview.
#include "ui/MainWindow.h"

#include "ui/PreviewSizing.h"
#include "ui/PreviewWindow.h"
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
  const QPoint place = pos();
  // Changing the flags takes the window off the screen; it comes back where it was.
  if (windowFlags().testFlag(Qt::FramelessWindowHint) != shaped)
    setWindowFlag(Qt::FramelessWindowHint, shaped);
  // Where the platform's shape only limits input (Wayland), the corners are
  // left transparent and the skin is painted clipped to the outline.
  if (windowOpacityIgnored())
    setAttribute(Qt::WA_TranslucentBackground, shaped);
  m_form.exitButton->setVisible(shaped);
  m_form.minimizeButton->setVisible(shaped);
  if (visible) {
    move(place);
    show();
  }
  // After showing: the platform may keep its window, and with it an old shape.
  if (shaped)
    setMask(QRegion(QPolygon(m_skin.outline), Qt::OddEvenFill));
  else
    clearMask();
  update();
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
  m_pressedAt = event->position().toPoint();
  QWidget::mousePressEvent(event);
}

// The shaped window has no title bar: dragging any point of its body moves
// it. The move starts once the pointer travels, so a double-click still
// reaches the window.
void MainWindow::mouseMoveEvent(QMouseEvent *event) {
  if (!m_program.plainMode && m_pressedAt && event->buttons() != Qt::NoButton &&
      (event->position().toPoint() - *m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
    m_pressedAt.reset();
    if (QWindow *window = windowHandle())
      window->startSystemMove();
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent *) {
  m_pressedAt.reset();
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
