#pragma once

#include <QFontMetrics>
#include <QSize>
#include <QString>
#include <vector>

namespace veltrane {

class SourceList;
struct GridState;

// The grid's arithmetic, in pixels, apart from any painting: which column and
// row lie under the pointer, the scroll bars' ranges, and fitted texts.
// h is the horizontal scroll value (pixels), v the vertical one (5 pixels a unit).

// A column specification of the table's row 0: "title|width", or a bare width.
struct ColumnSpec {
  QString title;
  bool hasTitle = false;
  int width = 0;
};
ColumnSpec parseColumnSpec(const QString &spec);
// The specification with its width replaced; the title and "|" stay.
QString withColumnWidth(const QString &spec, int width);

class GridColumns {
public:
  explicit GridColumns(std::vector<int> widths) : m_widths(std::move(widths)) {}
  static GridColumns fromTable(const SourceList &table, int columnCount);

  // The column under the pointer and its edges in content pixels. The last
  // column reaches far to the right (15 times the surface width, as the grid
  // always measured it), so it catches everything right of the others; a
  // pointer left of the first column hits count() + 1.
  struct Hit {
    int column = 0;
    int left = 0;
    int right = 0;
  };

  int count() const { return int(m_widths.size()); }
  int width(int column) const { return m_widths.at(column - 1); }
  int left(int column) const; // sum of the widths before it
  int total() const { return left(count() + 1); }
  Hit at(int px, int h, int surfaceWidth) const;

private:
  std::vector<int> m_widths;
};

// The height of one row for the grid's cell font.
int gridRowHeight(const QFontMetrics &metrics);
// The top edge of data row `row` (1-based) on the surface.
inline int rowTop(int row, int rowHeight, int v) { return row * rowHeight - 5 * v; }
// The row a press at py selects: 0 in the header, possibly past the last row.
int rowAt(int py, int rowHeight, int v);

struct ScrollRanges {
  int hMaximum = 0;
  int hSingleStep = 5;
  int hPageStep = 1;
  bool hEnabled = false;
  int vMaximum = 0;
  int vSingleStep = 1;
  int vPageStep = 1;
  bool vEnabled = false;
};
// The bars for columns `totalWidth` wide and `rowCount` rows on a surface.
ScrollRanges scrollRanges(int totalWidth, QSize surface, int rowCount, int rowHeight);

// The text cut at a letter boundary so that it and the ellipsis fit two
// pixels inside the column; the text unchanged when it fits.
QString fitText(const QString &text, int columnWidth, const QFontMetrics &metrics, const QString &ellipsis);

// Whether the resize pointer shows: within 2 pixels of the border of the
// column under the pointer, during a drag, or over the last column within 10
// pixels of the vertical bar (whose left edge is `barLeft` on the surface).
bool showsResizeCursor(const GridColumns &columns, const GridColumns::Hit &hit, int px, int h, int barLeft,
                       bool dragging);
// Whether a drag move is refused: the column would get narrower than the
// smallest width, the pointer left the header's band, or it narrows the last
// column while there is nothing to scroll.
bool dragMoveRefused(const GridState &state, int px, int py, bool overLastColumn, bool horizontalBarEnabled);
// The width a released drag gives a column: moved by `distance`, but never
// narrowed below `minWidth` (a narrower column keeps its width).
int draggedColumnWidth(int width, int distance, int minWidth);

enum class GridKey { Up, Down, Left, Right, Enter, Other };
// The selected row after a key.
int rowAfterKey(GridKey key, int currentRow, int fileCount);
// The horizontal bar's value after a key.
int horizontalAfterKey(GridKey key, int value, int step, int maximum);
// The vertical value that brings row `row` into view after a key moved the
// selection from `oldRow`, kept within 0..vMaximum.
int verticalAfterKey(int oldRow, int row, int vOld, int rowHeight, int surfaceHeight, int vMaximum);

} // namespace veltrane
