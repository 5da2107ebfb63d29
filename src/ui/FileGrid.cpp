#include "ui/FileGrid.h"
#include "ui/WindowText.h"

#include "ui/FileGridAccessible.h"

#include "filelist/GridGeometry.h"
#include "filelist/SourceList.h"
#include "platform/Launcher.h"

#include <QApplication>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>
#include <QWheelEvent>

namespace veltrane {
namespace {

QStringList localFiles(const QMimeData *mime) {
  QStringList paths;
  if (!mime || !mime->hasUrls())
    return paths;
  for (const QUrl &url : mime->urls())
    if (url.isLocalFile())
      paths.append(url.toLocalFile());
  return paths;
}

GridKey gridKeyOf(int key) {
  switch (key) {
  case Qt::Key_Up: return GridKey::Up;
  case Qt::Key_Down: return GridKey::Down;
  case Qt::Key_Left: return GridKey::Left;
  case Qt::Key_Right: return GridKey::Right;
  case Qt::Key_Return:
  case Qt::Key_Enter: return GridKey::Enter;
  default: return GridKey::Other;
  }
}

} // namespace

// The drawing surface: it paints what the grid says and hands every event to it.
class GridSurface : public QWidget {
public:
  explicit GridSurface(FileGrid &grid) : QWidget(&grid), m_grid(grid) {
    setObjectName(QStringLiteral("Grid"));
    setToolTip(MainWindowText::tr("Click to select, double-click to open/view."));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

protected:
  void paintEvent(QPaintEvent *) override {
    QPainter painter(this);
    m_grid.paintGrid(painter);
  }
  void resizeEvent(QResizeEvent *) override { m_grid.refreshLayout(); }
  void mouseMoveEvent(QMouseEvent *event) override { m_grid.gridMouseMove(event); }
  void mousePressEvent(QMouseEvent *event) override { m_grid.gridMouseDown(event); }
  void mouseReleaseEvent(QMouseEvent *event) override { m_grid.gridMouseUp(event); }
  void mouseDoubleClickEvent(QMouseEvent *event) override {
    // The second press of a double-click opens the file instead of clicking again.
    if (event->button() == Qt::LeftButton)
      m_grid.handleDoubleClick();
  }
  void keyPressEvent(QKeyEvent *event) override {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
      emit m_grid.removeRequested();
      return;
    }
    if (!m_grid.gridKeyDown(event))
      QWidget::keyPressEvent(event);
  }
  // The focus shows on the selected row.
  void focusInEvent(QFocusEvent *event) override {
    QWidget::focusInEvent(event);
    update();
  }
  void focusOutEvent(QFocusEvent *event) override {
    QWidget::focusOutEvent(event);
    update();
  }
  void wheelEvent(QWheelEvent *event) override { m_grid.gridWheel(event); }
  void dragEnterEvent(QDragEnterEvent *event) override {
    if (!localFiles(event->mimeData()).isEmpty())
      event->acceptProposedAction();
  }
  void dragMoveEvent(QDragMoveEvent *event) override {
    if (!localFiles(event->mimeData()).isEmpty())
      event->acceptProposedAction();
  }
  void dropEvent(QDropEvent *event) override {
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
      return;
    event->acceptProposedAction();
    emit m_grid.filesDropped(paths);
  }

private:
  FileGrid &m_grid;
};

FileGrid::FileGrid(SourceList &table, Launcher &launcher, QWidget *parent)
    : QFrame(parent), m_table(table), m_launcher(launcher), m_surface(new GridSurface(*this)),
      m_horizontal(new QScrollBar(Qt::Horizontal, this)), m_vertical(new QScrollBar(Qt::Vertical, this)) {
  installFileGridAccessibility();
  setObjectName(QStringLiteral("FileGrid"));
  m_horizontal->setObjectName(QStringLiteral("GridLR"));
  m_vertical->setObjectName(QStringLiteral("GridUD"));
  // The keys belong to the grid, which scrolls itself.
  m_horizontal->setFocusPolicy(Qt::NoFocus);
  m_vertical->setFocusPolicy(Qt::NoFocus);

  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

  auto *layout = new QGridLayout(this);
  layout->setContentsMargins(frameWidth(), frameWidth(), frameWidth(), frameWidth());
  layout->setSpacing(0);
  layout->addWidget(m_surface, 0, 0);
  layout->addWidget(m_vertical, 0, 1);
  layout->addWidget(m_horizontal, 1, 0);

  // Rows of 18 pixels; the titles' smaller font fits the header's fixed 19-pixel band.
  QFont cells(QStringLiteral("DejaVu Sans"));
  cells.setPixelSize(12);
  QFont titles(QStringLiteral("DejaVu Sans"));
  titles.setPixelSize(11);
  setFonts(cells, titles);

  connect(m_horizontal, &QScrollBar::valueChanged, this, &FileGrid::redraw);
  connect(m_vertical, &QScrollBar::valueChanged, this, &FileGrid::redraw);
}

FileGrid::~FileGrid() = default;

QWidget *FileGrid::surface() const { return m_surface; }

void FileGrid::setFonts(const QFont &cells, const QFont &titles) {
  m_surface->setFont(cells);
  m_titleFont = titles;
  refreshLayout();
}

void FileGrid::setCurrentRow(int row) {
  changeCurrentRow(row);
  redraw();
}

void FileGrid::changeCurrentRow(int row) {
  if (m_state.currentRow == row)
    return;
  m_state.currentRow = row;
  emit currentRowChanged(row);
}

void FileGrid::refreshLayout() {
  m_state.rowCount = m_table.fileCount();
  m_state.rowHeight = gridRowHeight(QFontMetrics(m_surface->font()));
  const GridColumns columns = GridColumns::fromTable(m_table, m_state.columnCount);
  const ScrollRanges bars =
      scrollRanges(columns.total(), m_surface->size(), m_state.rowCount, m_state.rowHeight);
  m_horizontal->setRange(0, bars.hMaximum);
  m_horizontal->setSingleStep(bars.hSingleStep);
  m_horizontal->setPageStep(bars.hPageStep);
  m_horizontal->setEnabled(bars.hEnabled);
  m_vertical->setRange(0, bars.vMaximum);
  m_vertical->setSingleStep(bars.vSingleStep);
  m_vertical->setPageStep(bars.vPageStep);
  m_vertical->setEnabled(bars.vEnabled);
  redraw();
}

void FileGrid::redraw() { m_surface->update(); }

void FileGrid::paintGrid(QPainter &painter) const {
  const int rowHeight = m_state.rowHeight;
  if (m_state.dragging && !m_dragImage.isNull()) {
    painter.drawPixmap(0, 0, m_dragImage);
    painter.fillRect(m_guideX, rowHeight, 1, m_surface->height() - rowHeight,
                     resolveGridColour(m_state.shadowColor, m_surface->palette()));
    return;
  }
  const GridColumns columns = GridColumns::fromTable(m_table, m_state.columnCount);
  const int rowCount = std::min(m_state.rowCount, m_table.fileCount());
  painter.fillRect(0, 0, m_surface->width(), m_surface->height(),
                   resolveGridColour(m_state.backColor, m_surface->palette()));
  paintCells(painter, columns, rowCount);
  if (m_surface->hasFocus())
    paintFocus(painter, rowCount);
  paintHeader(painter, columns);
}

// The rows shown, column by column: lines, the selection, the texts.
void FileGrid::paintCells(QPainter &painter, const GridColumns &columns, int rowCount) const {
  const QPalette &palette = m_surface->palette();
  const auto colour = [&](GridColour c) { return resolveGridColour(c, palette); };
  const int width = m_surface->width();
  const int height = m_surface->height();
  const int rowHeight = m_state.rowHeight;
  const int h = m_horizontal->value();
  const int v = m_vertical->value();
  const QFont plain = m_surface->font();
  QFont bold = plain;
  bold.setBold(true);
  const QColor face = colour(m_state.faceColor);
  const QColor back = colour(m_state.backColor);
  for (int c = 1; c <= columns.count(); ++c) {
    const int x = columns.left(c) - h;
    const int w = columns.width(c);
    if (c == 1 || x + w >= 0) {
      // Rows above the view are skipped; the first one shown may sit under the header.
      const int first = rowHeight > 0 ? std::max(1, (5 * v + rowHeight - 1) / rowHeight) : rowCount + 1;
      for (int r = first; r <= rowCount; ++r) {
        const int top = rowTop(r, rowHeight, v);
        const bool selected = r == m_state.currentRow;
        painter.fillRect(0, top, width, 1, face);
        if (c == 1)
          painter.fillRect(0, top, width, rowHeight, selected ? colour(m_state.selectionColor) : back);
        const QString &mark = m_table.cell(r, 1);
        const QFont &font = !mark.isEmpty() && mark.startsWith(SourceList::kMarked) ? bold : plain;
        const QString &text = m_table.cell(r, c);
        if (!text.isEmpty()) {
          const QFontMetrics metrics(font);
          painter.setFont(font);
          painter.setPen(colour(selected ? m_state.selectedTextColor : m_state.textColor));
          painter.drawText(x + 3, top + 3 + metrics.ascent(), fitText(text, w, metrics, m_state.ellipsis));
        }
        if (rowTop(r + 1, rowHeight, v) > height)
          break;
      }
    }
    if (x > width)
      break;
  }
}

// The header covers any row scrolled partly under it; the two pixels above
// and left of it stay in the background colour.
void FileGrid::paintHeader(QPainter &painter, const GridColumns &columns) const {
  const QPalette &palette = m_surface->palette();
  const auto colour = [&](GridColour c) { return resolveGridColour(c, palette); };
  const int width = m_surface->width();
  const int height = m_surface->height();
  const int h = m_horizontal->value();
  const QColor face = colour(m_state.faceColor);
  const QColor back = colour(m_state.backColor);
  painter.fillRect(0, 0, width, 2, back);
  painter.fillRect(0, 0, 2, 20, back);
  painter.fillRect(QRect(QPoint(2, 2), QPoint(width - 1, 19)), face);
  painter.fillRect(2, 17, width - 2, 1, colour(m_state.headerLineColor));
  painter.fillRect(2, 18, width - 2, 1, colour(m_state.shadowColor));

  const QFontMetrics titleMetrics(m_titleFont);
  painter.setFont(m_titleFont);
  painter.setPen(colour(m_state.headerTextColor));
  for (int c = 1; c <= columns.count(); ++c) {
    const int x = columns.left(c) - h;
    if (x >= 0) {
      painter.fillRect(x, 0, 1, height, face);
      painter.fillRect(x - 1, 3, 1, 15, colour(m_state.shadowColor));
      painter.fillRect(x, 3, 1, 15, back);
    }
    const ColumnSpec spec = parseColumnSpec(m_table.cell(0, c));
    if (spec.hasTitle)
      painter.drawText(x + 3, 4 + titleMetrics.ascent(),
                       fitText(spec.title, columns.width(c), titleMetrics, m_state.ellipsis));
    if (x > width)
      break;
  }
}

// Keyboard focus: a dotted frame around the selected row, or the first.
void FileGrid::paintFocus(QPainter &painter, int rowCount) const {
  if (rowCount < 1)
    return;
  const int focused = m_state.currentRow >= 1 && m_state.currentRow <= rowCount ? m_state.currentRow : 1;
  const bool selected = focused == m_state.currentRow;
  const GridColour pen = selected ? m_state.selectedTextColor : m_state.textColor;
  painter.setPen(QPen(resolveGridColour(pen, m_surface->palette()), 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  const int rowHeight = m_state.rowHeight;
  painter.drawRect(1, rowTop(focused, rowHeight, m_vertical->value()) + 1, m_surface->width() - 3,
                   rowHeight - 2);
}

bool FileGrid::resizeCursorAt(int px, int py) const {
  if (!m_state.dragging && py >= m_state.rowHeight + 1)
    return false;
  const GridColumns columns = GridColumns::fromTable(m_table, m_state.columnCount);
  const int h = m_horizontal->value();
  const int barLeft = m_vertical->x() - m_surface->x();
  return showsResizeCursor(columns, columns.at(px, h, m_surface->width()), px, h, barLeft, m_state.dragging);
}

void FileGrid::gridMouseMove(QMouseEvent *event) {
  const QPoint pos = event->position().toPoint();
  const bool resize = resizeCursorAt(pos.x(), pos.y());
  if (resize)
    m_surface->setCursor(Qt::SplitHCursor);
  else
    m_surface->unsetCursor();
  if (!m_state.dragging || pos.x() == m_state.dragStartX)
    return;

  const GridColumns columns = GridColumns::fromTable(m_table, m_state.columnCount);
  const bool overLast =
      columns.at(pos.x(), m_horizontal->value(), m_surface->width()).column == columns.count();
  if (dragMoveRefused(m_state, pos.x(), pos.y(), overLast, m_horizontal->isEnabled())) {
    // Hold the pointer where the column still has a sound width.
    QCursor::setPos(m_state.cursorX, m_state.cursorY);
  } else {
    const QPoint screen = event->globalPosition().toPoint();
    m_state.cursorX = screen.x();
    m_state.cursorY = screen.y();
    m_guideX = pos.x();
  }
  m_surface->update();
}

void FileGrid::gridMouseDown(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton)
    return;
  m_leftPressed = true;
  const QPoint pos = event->position().toPoint();
  const GridColumns columns = GridColumns::fromTable(m_table, m_state.columnCount);
  const int h = m_horizontal->value();
  const GridColumns::Hit hit = columns.at(pos.x(), h, m_surface->width());

  if (resizeCursorAt(pos.x(), pos.y()) && hit.column <= columns.count()) {
    const QPoint screen = event->globalPosition().toPoint();
    m_state.cursorX = screen.x();
    m_state.cursorY = screen.y();
    // The picture under the guide is the grid as it is now; it is kept here
    // rather than anywhere the user's own copies live.
    m_dragImage = m_surface->grab();
    m_state.dragging = true;
    m_state.dragStartX = pos.x();
    m_state.currentColumn = 0;
    m_state.dragColumn = hit.column;
    m_state.dragColumnLeft = hit.left - h;
    m_state.dragColumnRight = hit.right - h;
    m_guideX = pos.x();
    m_surface->setCursor(Qt::SplitHCursor);
    changeCurrentRow(-1);
    m_surface->update();
    return;
  }

  m_state.currentColumn = hit.column;
  changeCurrentRow(rowAt(pos.y(), m_state.rowHeight, m_vertical->value()));
  redraw();
}

void FileGrid::gridMouseUp(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton || !m_leftPressed)
    return;
  m_leftPressed = false;
  if (m_state.dragging) {
    const int distance = int(event->position().x()) - m_state.dragStartX;
    m_state.dragging = false;
    m_dragImage = QPixmap();
    const int column = m_state.dragColumn;
    const QString spec = m_table.cell(0, column);
    const int width = draggedColumnWidth(parseColumnSpec(spec).width, distance, m_state.minColumnWidth);
    m_table.setCell(0, column, withColumnWidth(spec, width));
    if (!resizeCursorAt(int(event->position().x()), int(event->position().y())))
      m_surface->unsetCursor();
    refreshLayout();
  }
  handleClick();
}

void FileGrid::handleClick() {
  const int row = m_state.currentRow;
  if (row < 1 || row > m_table.fileCount())
    return;
  emit rowClicked(row);
  if (m_state.currentColumn == 1) {
    m_table.toggleMark(row);
    redraw();
  } else {
    emit selectionChanged(row);
  }
}

void FileGrid::handleDoubleClick() {
  const int row = m_state.currentRow;
  if (row >= 1 && row <= m_table.fileCount())
    m_launcher.openFile(m_table.fullPath(row));
}

bool FileGrid::gridKeyDown(QKeyEvent *event) {
  const GridKey key = gridKeyOf(event->key());
  if (key == GridKey::Other)
    return false;
  const int oldRow = m_state.currentRow;
  const int oldV = m_vertical->value();
  const int row = rowAfterKey(key, oldRow, m_table.fileCount());
  m_horizontal->setValue(
      horizontalAfterKey(key, m_horizontal->value(), m_horizontal->singleStep(), m_horizontal->maximum()));
  changeCurrentRow(row);
  m_vertical->setValue(
      verticalAfterKey(oldRow, row, oldV, m_state.rowHeight, m_surface->height(), m_vertical->maximum()));
  redraw();
  m_surface->setFocus();
  if (key == GridKey::Enter)
    handleDoubleClick();
  else
    emit selectionChanged(row);
  return true;
}

void FileGrid::gridWheel(QWheelEvent *event) {
  const QPoint delta = event->angleDelta();
  QScrollBar *bar = std::abs(delta.x()) > std::abs(delta.y()) ? m_horizontal : m_vertical;
  if (bar->isEnabled())
    QApplication::sendEvent(bar, event);
}

} // namespace veltrane
