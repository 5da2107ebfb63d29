#pragma once

#include <QChar>
#include <QSize>
#include <QString>

namespace veltrane {

// What the size-change handler reads from the window.
struct SizeChangeInput {
  QString maxWidth;
  QString maxHeight;
  qint16 widthOn = 1;
  qint16 heightOn = 1;
  QSize screen;        // pixels
  QSize picture;       // the source box's inner size, pixels: the proportions to keep
  QSize borders{0, 0}; // the main window's frame: outer size minus client size
};

// What it writes back.
struct SizeChangeResult {
  QString maxWidth;
  QString maxHeight;
  // A picture window of the job's size with its frame fits inside the screen.
  bool manualEnabled = false;
};

// Derives the size box that is off from the one that is on and the picture's
// proportions; with both off, both show the picture's own size.
SizeChangeResult deriveSizes(const SizeChangeInput &input);

// The size boxes take digits and backspace only; other keys that type
// nothing (arrows, Delete, shortcuts) keep their usual effect.
bool isSizeKeyAllowed(QChar typed);

// A size box left with text that reads below 1 becomes "1"; "screen" stays.
QString repairedSize(const QString &text);

} // namespace veltrane
