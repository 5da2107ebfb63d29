#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <cstddef>

namespace veltrane {

struct GifInspection {
  QSize screen;     // the logical screen the frames are drawn on
  QRect firstFrame; // where the first frame sits on it
  QString error;    // empty when the file holds a whole first frame
};

// Walks a GIF's blocks up to its first frame and, unless `headerOnly`,
// through that frame's data: Qt reads a file cut inside it as a success with
// black rows.
GifInspection inspectGif(const unsigned char *data, size_t size, bool headerOnly);

} // namespace veltrane
