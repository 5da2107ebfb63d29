#include "ui/PreviewWindow.h"
#include "ui/WindowText.h"

#include "platform/Screen.h"
#include "ui/PreviewPainting.h"
#include "ui/Translucency.h"

#include <QCloseEvent>
#include <QPainter>

namespace veltrane {
namespace {

constexpr int kTranslucent = 180;
constexpr int kOpaque = 255;

} // namespace

PreviewWindow::PreviewWindow(const Screen &screen, const QWidget &mainWindow, std::function<bool()> updating,
                             QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
      m_screen(screen), m_mainWindow(mainWindow), m_updating(std::move(updating)) {
  setObjectName(QStringLiteral("preview"));
  setWindowTitle(PreviewWindowText::tr(" PREVIEW"));
  setAccessibleName(PreviewWindowText::tr("Preview"));
  setAttribute(Qt::WA_TranslucentBackground, windowOpacityIgnored());
  resize(m_area);
  m_timer.setInterval(100);
  connect(&m_timer, &QTimer::timeout, this, &PreviewWindow::tick);
  m_timer.start();
}

void PreviewWindow::showPicture(const QImage &picture, const QString &reason) {
  m_picture = picture;
  m_reason = reason;
  update();
}

void PreviewWindow::setTransparencyKept(bool kept) {
  if (kept == m_transparencyKept)
    return;
  m_transparencyKept = kept;
  update();
}

void PreviewWindow::follow(const PreviewSizingInput &input) {
  if (isHidden() || isMinimized() || m_updating())
    return;
  PreviewSizingInput sized = input;
  sized.frame = frameGeometry().size() - geometry().size();
  const std::optional<PreviewBox> box = previewBox(sized);
  if (!box)
    return;
  if (box->caption)
    setWindowTitle(*box->caption);
  setToolTip(windowTitle());
  if (box->inner != size()) {
    m_reassertions = 0;
    m_echoes.append(size()); // the window manager may yet report it, after this resize
    if (m_echoes.size() > 8)
      m_echoes.removeFirst();
  }
  m_area = box->inner;
  m_shownPart = box->shownPart;
  resize(m_area);
  update();
  m_lastPlace.reset(); // the opacity follows at once
  tick();
}

QRect PreviewWindow::keptOnScreen(QRect frame) const {
  const QSize screen = m_screen.size();
  frame.moveLeft(std::max(0, std::min(frame.left(), screen.width() - frame.width())));
  frame.moveTop(std::max(0, std::min(frame.top(), screen.height() - frame.height())));
  return frame;
}

void PreviewWindow::tick() {
  // Without the windows' places there is no screen edge to keep to and no
  // overlap to fade by.
  if (isHidden() || isMinimized() || m_updating() || !m_screen.windowPlacesKnown())
    return;
  const QRect frame = frameGeometry();
  const QRect kept = keptOnScreen(frame);
  if (kept.topLeft() != frame.topLeft())
    move(kept.topLeft());
  if (m_lastPlace == kept.topLeft())
    return;
  m_lastPlace = kept.topLeft();
  const int captionHeight = m_mainWindow.frameGeometry().height() - m_mainWindow.geometry().height();
  // Pixels of the rule's 60 and 90 twips.
  const OverlapMargins margins{4, 6, 4, captionHeight + 6};
  setAlpha(windowsOverlap(m_mainWindow.frameGeometry(), kept, margins) ? kTranslucent : kOpaque);
}

void PreviewWindow::setAlpha(int alpha) {
  if (alpha == m_alpha)
    return;
  m_alpha = alpha;
  if (makeTranslucent(*this, alpha) == Translucency::PlatformRefused)
    update(); // painted with the alpha instead
}

void PreviewWindow::closeEvent(QCloseEvent *event) {
  event->ignore();
  hide();
  emit closedByUser();
}

void PreviewWindow::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  // Only the window system's resizes can be the user's: the program's own
  // are not spontaneous.
  if (!event->spontaneous() || !isVisible() || isMinimized() || m_updating())
    return;
  // The size asked for, or one the window had before its own resize that
  // the window manager reports late (even after the new one), is no drag.
  if (size() == m_area)
    return;
  if (m_echoes.contains(size())) {
    // The window manager may have put the old size back over the new one:
    // ask again, a few times at most, so the window shows the job's size.
    if (m_reassertions < 2) {
      ++m_reassertions;
      QMetaObject::invokeMethod(
          this,
          [this] {
            if (size() != m_area && isVisible() && !m_updating())
              resize(m_area);
          },
          Qt::QueuedConnection);
    }
    return;
  }
  m_echoes.clear(); // a size of the user's own: a drag has begun
  // The user's drag: on the screen, then passed on as the job's new size.
  const QRect kept = keptOnScreen(frameGeometry());
  if (kept != frameGeometry())
    move(kept.topLeft());
  m_area = size();
  emit innerSizeDragged(size());
}

void PreviewWindow::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  if (windowOpacityIgnored()) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setOpacity(m_alpha / 255.0);
  }
  painter.fillRect(rect(), QColor(32, 32, 32));
  if (!m_picture.isNull()) {
    drawPreviewPicture(painter, QRect(QPoint(0, 0), m_area), m_picture, m_shownPart, m_transparencyKept);
  } else {
    painter.setPen(QColor(192, 192, 192));
    painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     m_reason.isEmpty() ? PreviewWindowText::tr("no image selected") : m_reason);
  }
}

} // namespace veltrane
