#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

namespace veltrane {

// A grid colour: an RGB value written 0x00BBGGRR, or a system colour written
// 0x80000000 plus the system-colour index, resolved when the grid is painted.
using GridColour = quint32;

constexpr GridColour kSystemColour = 0x80000000u;
constexpr GridColour kButtonFace = kSystemColour | 15;
constexpr GridColour kInactiveBorder = kSystemColour | 11;
constexpr GridColour kButtonShadow = kSystemColour | 16;
constexpr GridColour kHighlight = kSystemColour | 13;
constexpr GridColour kWindowColour = kSystemColour | 5;
constexpr GridColour kWindowText = kSystemColour | 8;
constexpr GridColour kHighlightedText = kSystemColour | 14;
constexpr GridColour kButtonText = kSystemColour | 18;

// The RGB value, or the palette's colour for a system colour.
QColor resolveGridColour(GridColour colour, const QPalette &palette);

// The file grid's selection, column drag and look. One lives as long as the
// grid that shows the source list.
struct GridState {
  int currentRow = 0; // 1..fileCount selected, 0 none, -1 after a column drag
  int currentColumn = 0;
  int columnCount = 3;
  int rowCount = 0;

  // A column drag: `dragging` marks it, because a drag may start at x = 0.
  bool dragging = false;
  int dragStartX = 0; // pixels, on the grid
  int dragColumn = 0;
  int dragColumnLeft = 0;  // view pixels at the press
  int dragColumnRight = 0; // view pixels at the press
  int cursorX = 0;         // last accepted screen position of the pointer
  int cursorY = 0;

  QString ellipsis = QStringLiteral("\u00BB");
  int minColumnWidth = 20;

  // The desktop's colours, so the list follows a dark theme too (white,
  // black and white text on the highlight in a light one).
  GridColour backColor = kWindowColour;
  GridColour faceColor = kButtonFace;
  GridColour headerLineColor = kInactiveBorder;
  GridColour shadowColor = kButtonShadow;
  GridColour selectionColor = kHighlight;
  GridColour textColor = kWindowText;
  GridColour selectedTextColor = kHighlightedText;
  GridColour headerTextColor = kButtonText;

  int rowHeight = 0;
};

} // namespace veltrane
