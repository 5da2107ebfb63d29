#pragma once

#include "filelist/GridState.h"

#include <QFont>
#include <QFrame>
#include <QPixmap>
#include <QStringList>

class QScrollBar;
class QPainter;
class QMouseEvent;
class QKeyEvent;
class QWheelEvent;

namespace veltrane {

class GridSurface;
class Launcher;
class SourceList;
class GridColumns;

// The source list as a grid the program paints itself: a header with
// resizable columns, the files with their marks, the selected row, and two
// scroll bars. The surface is "Grid", the bars "GridLR" and "GridUD".
class FileGrid : public QFrame {
  Q_OBJECT
public:
  FileGrid(SourceList &table, Launcher &launcher, QWidget *parent = nullptr);
  ~FileGrid() override;

  // Measures the table again (after the list changed or the surface was
  // resized), sets up the scroll bars and redraws.
  void refreshLayout();
  void redraw();

  GridState &state() { return m_state; }
  const GridState &state() const { return m_state; }
  int currentRow() const { return m_state.currentRow; }
  // Selects a row (0 for none) as a program, without the click's reactions.
  void setCurrentRow(int row);

  QWidget *surface() const;
  const SourceList &table() const { return m_table; }
  QScrollBar *horizontalBar() const { return m_horizontal; }
  QScrollBar *verticalBar() const { return m_vertical; }
  // The font of the cells (it sets the row height) and of the column titles.
  void setFonts(const QFont &cells, const QFont &titles);

signals:
  // A listed row was clicked: there is something for Remove to take.
  void rowClicked(int row);
  // The selection moved by a click or a key: whatever shows the selected
  // file should follow it.
  void selectionChanged(int row);
  // The selected row changed for any reason (0 none, -1 during a column drag).
  void currentRowChanged(int row);
  // Local files dropped on the grid, in the order given.
  void filesDropped(const QStringList &paths);
  // The Delete key: the marked rows, or else the selected one, should go.
  void removeRequested();

private:
  friend class GridSurface;

  void paintGrid(QPainter &painter) const;
  void paintCells(QPainter &painter, const GridColumns &columns, int rowCount) const;
  void paintHeader(QPainter &painter, const GridColumns &columns) const;
  void paintFocus(QPainter &painter, int rowCount) const;
  bool resizeCursorAt(int px, int py) const;
  void gridMouseMove(QMouseEvent *event);
  void gridMouseDown(QMouseEvent *event);
  void gridMouseUp(QMouseEvent *event);
  void handleClick();
  void handleDoubleClick();
  bool gridKeyDown(QKeyEvent *event);
  void gridWheel(QWheelEvent *event);
  void changeCurrentRow(int row);

  SourceList &m_table;
  Launcher &m_launcher;
  GridState m_state;
  GridSurface *m_surface;
  QScrollBar *m_horizontal;
  QScrollBar *m_vertical;
  QFont m_titleFont;

  // The grid as it was when a column drag began, shown under the drag guide.
  QPixmap m_dragImage;
  int m_guideX = 0;
  // A release clicks only after a press of its own, not after a double-click.
  bool m_leftPressed = false;
};

} // namespace veltrane
