#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWidget>

namespace veltrane::test {

// A pointer move over a widget with the given buttons held; QTest moves the
// real pointer instead when no button is held.
inline void movePointer(QWidget *widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton) {
  QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Runs the event loop until `done` holds, for at most ten seconds.
template <typename Done> bool waitFor(Done done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 10000)
    QApplication::processEvents();
  return done();
}

} // namespace veltrane::test
