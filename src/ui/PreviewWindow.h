#pragma once

#include "ui/PreviewSizing.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace veltrane {

class Screen;

// The preview: the picture in the source box stretched to the size the job
// gives, so the user sees the result before the batch. With "manual
// adjustment" the coupling runs both ways: dragging the window's borders
// sets the job's size (innerSizeDragged). While it lies over the main
// window it turns translucent. Closing it only hides it.
class PreviewWindow : public QWidget {
  Q_OBJECT
public:
  // `mainWindow` is the window it turns translucent over; `updating` tells
  // when a size change is being passed around, during which it keeps still.
  PreviewWindow(const Screen &screen, const QWidget &mainWindow, std::function<bool()> updating,
                QWidget *parent = nullptr);

  // What the source box holds: a picture, or why there is none.
  void showPicture(const QImage &picture, const QString &reason);
  // Whether the format written keeps the picture's transparency (drawn
  // over a checkerboard) or flattens it on white.
  void setTransparencyKept(bool kept);
  bool transparencyKept() const { return m_transparencyKept; }
  // Sizes the window and sets its caption from the job (repaint).
  void follow(const PreviewSizingInput &input);
  // The main window's own fade timer found it over this window, or not.
  void setOverMainWindow(bool over) { setAlpha(over ? 180 : 255); }
  // One tick of the 100 ms timer: keeps the window on the screen and sets
  // its opacity by whether it lies over the main window.
  void tick();

  // The alpha the picture is shown with: 180 over the main window, else 255.
  int alpha() const { return m_alpha; }
  // Why no picture is shown, when the source box has none.
  const QString &shownReason() const { return m_reason; }

signals:
  void closedByUser();
  // The user dragged the borders to this inner size.
  void innerSizeDragged(QSize inner);

protected:
  void closeEvent(QCloseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

private:
  QRect keptOnScreen(QRect frame) const;
  void setAlpha(int alpha);

  const Screen &m_screen;
  const QWidget &m_mainWindow;
  std::function<bool()> m_updating;
  QImage m_picture;
  QString m_reason;
  QSize m_area{320, 240};
  QRectF m_shownPart{0, 0, 1, 1};
  bool m_transparencyKept = false;
  QList<QSize> m_echoes;  // sizes it has left by its own resizes
  int m_reassertions = 0; // times it asked again for its size since its last resize
  std::optional<QPoint> m_lastPlace;
  int m_alpha = 255;
  QTimer m_timer;
};

} // namespace veltrane
