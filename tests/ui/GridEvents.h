#pragma once

#include "filelist/GridGeometry.h"
#include "ui/FileGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

namespace veltrane::test {

// A pointer move over a widget with the given buttons held; QTest moves the
// real pointer instead when no button is held.
inline void movePointer(QWidget *widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton) {
  QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// The middle of a cell of the grid (column 1 the marks, 2 the names) as it is scrolled now.
inline QPoint cellCentre(const FileGrid &grid, const SourceList &table, int row, int column) {
  const int height = grid.state().rowHeight;
  return {GridColumns::fromTable(table, 3).left(column) + 6,
          rowTop(row, height, grid.verticalBar()->value()) + height / 2};
}
inline void clickCell(FileGrid &grid, const SourceList &table, int row, int column) {
  QTest::mouseClick(grid.surface(), Qt::LeftButton, {}, cellCentre(grid, table, row, column));
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
