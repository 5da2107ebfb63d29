#pragma once

#include "presets/OutputFormat.h"

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>

namespace veltrane {

// What the preview window's size follows: the job's size controls, the
// picture in the source box and the screen. Pixels throughout.
struct PreviewSizingInput {
  bool manual = false; // "manual adjustment": the window is the job's size
  QString maxWidth;
  QString maxHeight;
  bool widthOn = true;
  bool heightOn = true;
  bool swapForUpright = false; // ticked and enabled
  QSize screen;
  QSize picture;     // the source box's picture
  QSize frame{0, 0}; // the preview window's outer size minus its inner size
  BoxMode boxMode = BoxMode::Stretch;
  bool neverEnlarge = false;
};

struct PreviewBox {
  QSize inner;                    // the picture's area
  std::optional<QString> caption; // nothing: the caption stays as it is
  // The part of the picture shown, in fractions of its size: all of it, or
  // the middle that filling the box keeps.
  QRectF shownPart{0, 0, 1, 1};
};

// The preview's inner size and caption; nothing when a size box is empty.
// Without "manual" the box is 320 x 240. With it, the size the batch gives
// the picture (the other side following it when only one limit is on, the
// box fitted or filled, never enlarged, as the job says), or a 320- or
// 240-pixel box at the same proportions when that would not fit on the
// screen.
std::optional<PreviewBox> previewBox(const PreviewSizingInput &input);

// How far one window must reach into another to count as over it: each
// margin is subtracted from the named edge's reach.
struct OverlapMargins {
  int mainRight = 0;  // the main window's right edge
  int otherRight = 0; // the other window's right edge
  int mainBottom = 0; // the main window's bottom edge
  int mainTop = 0;    // added below the main window's top edge
};

// Whether `other` lies over `main`, both outer frames.
bool windowsOverlap(const QRect &main, const QRect &other, const OverlapMargins &margins);

} // namespace veltrane
