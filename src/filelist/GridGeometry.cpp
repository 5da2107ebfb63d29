#include "filelist/GridGeometry.h"

#include "filelist/GridState.h"
#include "filelist/SourceList.h"
#include "common/Numbers.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

namespace veltrane {
namespace {

// Scroll values are whole numbers: halves go to the even neighbour.
int toWhole(double value) { return int(roundHalfEven(value)); }

} // namespace

ColumnSpec parseColumnSpec(const QString &spec) {
  ColumnSpec column;
  const qsizetype bar = spec.indexOf(u'|');
  column.hasTitle = bar >= 0;
  column.title = column.hasTitle ? spec.left(bar) : QString();
  // A negative width would fold the columns over each other.
  column.width = std::clamp(roundedInt32(column.hasTitle ? spec.mid(bar + 1) : spec), 0, 1000000);
  return column;
}

QString withColumnWidth(const QString &spec, int width) {
  const qsizetype bar = spec.indexOf(u'|');
  return (bar >= 0 ? spec.left(bar + 1) : QString()) + QString::number(width);
}

GridColumns GridColumns::fromTable(const SourceList &table, int columnCount) {
  std::vector<int> widths;
  for (int c = 1; c <= columnCount; ++c)
    widths.push_back(parseColumnSpec(table.cell(0, c)).width);
  return GridColumns(std::move(widths));
}

int GridColumns::left(int column) const {
  int x = 0;
  for (int c = 1; c < column && c <= count(); ++c)
    x += width(c);
  return x;
}

GridColumns::Hit GridColumns::at(int px, int h, int surfaceWidth) const {
  const int p = px - 2 + h;
  int left = 0;
  for (int c = 1; c <= count(); ++c) {
    const int right = c == count() ? surfaceWidth * 15 : left + width(c);
    if (left <= p && p <= right)
      return {c, left, right};
    left += width(c);
  }
  return {count() + 1, left, left};
}

// The height of a line of text ("Yy^_" reaches both extremes) and 4 pixels.
int gridRowHeight(const QFontMetrics &metrics) { return metrics.height() + 4; }

int rowAt(int py, int rowHeight, int v) {
  if (rowHeight <= 0 || py < rowHeight + 1)
    return 0;
  return int(std::floor(double(py - rowHeight - 1 + 5 * v) / rowHeight)) + 1;
}

ScrollRanges scrollRanges(int totalWidth, QSize surface, int rowCount, int rowHeight) {
  ScrollRanges bars;
  const int surplus = totalWidth - surface.width() + 2;
  bars.hEnabled = surplus > 0;
  bars.hMaximum = std::max(0, surplus);
  // The page is the surface's width less 100 twips, in the bar's pixels.
  bars.hPageStep = std::max(1, toWhole((15.0 * surface.width() - 100) / 15));

  const double vertical = (double(rowCount) * rowHeight + 26 - surface.height()) / 5;
  bars.vEnabled = vertical > 0;
  bars.vMaximum = std::max(0, toWhole(vertical));
  if (rowHeight > 0)
    bars.vPageStep = std::max(1, toWhole((15.0 * surface.height() / rowHeight - 1) / 5));
  return bars;
}

QString fitText(const QString &text, int columnWidth, const QFontMetrics &metrics, const QString &ellipsis) {
  const int limit = columnWidth - 2;
  if (metrics.horizontalAdvance(text) <= limit)
    return text;
  // Cut only between whole letters, so an accent or a surrogate pair is never split.
  QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text);
  letters.toEnd();
  qsizetype n = text.size();
  while (n > 0 && metrics.horizontalAdvance(text.left(n) + ellipsis) > limit)
    n = std::max<qsizetype>(0, letters.toPreviousBoundary());
  return text.left(n) + ellipsis;
}

bool showsResizeCursor(const GridColumns &columns, const GridColumns::Hit &hit, int px, int h, int barLeft,
                       bool dragging) {
  const int rightInView = hit.right - h;
  return (rightInView - 2 <= px && px <= rightInView + 2) || dragging ||
         (hit.column == columns.count() && px > barLeft - 10);
}

bool dragMoveRefused(const GridState &state, int px, int py, bool overLastColumn, bool horizontalBarEnabled) {
  return px < state.dragColumnLeft + state.minColumnWidth || py < 3 || py > 17 ||
         (overLastColumn && !horizontalBarEnabled && px < state.dragStartX);
}

int draggedColumnWidth(int width, int distance, int minWidth) {
  if (distance >= 0)
    return width + distance;
  return std::max(width + distance, std::min(width, minWidth));
}

int rowAfterKey(GridKey key, int currentRow, int fileCount) {
  if (key == GridKey::Up && currentRow > 1)
    return currentRow - 1;
  if (key == GridKey::Down && currentRow < fileCount)
    return currentRow + 1;
  return currentRow;
}

int horizontalAfterKey(GridKey key, int value, int step, int maximum) {
  if (key == GridKey::Right && value + step <= maximum)
    return value + step;
  if (key == GridKey::Left && value - step >= 0)
    return value - step;
  return value;
}

int verticalAfterKey(int oldRow, int row, int vOld, int rowHeight, int surfaceHeight, int vMaximum) {
  int v = vOld;
  double above = double(row - 2) * rowHeight - 5.0 * vOld + 4;
  if (above < 0) {
    v = std::max(0, toWhole((double(row - 2) * rowHeight + 4) / 5));
    above = v;
  }
  const double below = surfaceHeight - 2.0 * rowHeight - 7 - above;
  if (below < 0)
    v = toWhole(vOld + double(row - oldRow) * rowHeight / 5);
  return std::clamp(v, 0, std::max(0, vMaximum));
}

} // namespace veltrane
