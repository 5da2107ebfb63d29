#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <cstddef>

namespace veltrane {

struct GifInspection {
  QSize screen;            // the logical screen the frames are drawn on
  QRect firstFrame;        // where the first frame sits on it
  size_t firstFrameAt = 0; // where its descriptor (left, top, width, height, flags) begins
  size_t imageDataAt = 0;  // where its image data (the minimum code size, then sub-blocks) begins
  QString error;           // empty when the file holds a whole first frame
};

// Walks a GIF's blocks up to its first frame and, unless `headerOnly`,
// through that frame's data: Qt reads a file cut inside it as a success with
// black rows.
GifInspection inspectGif(const unsigned char *data, size_t size, bool headerOnly);

// Whether another frame follows the first (an animation). What is damaged
// past the first frame does not count.
bool hasAnotherFrame(const unsigned char *data, size_t size, const GifInspection &found);

// The picture a GIF gives: its logical screen, or the first frame's extent
// when the screen is empty (as Qt and browsers show one).
QSize gifCanvas(const GifInspection &found);

} // namespace veltrane
