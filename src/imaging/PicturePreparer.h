#pragma once

#include "imaging/FrameLibrary.h"
#include "imaging/FramePictures.h"
#include "imaging/FrameWindow.h"
#include "imaging/MemoryBudget.h"
#include "presets/ResizeJob.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <memory>
#include <optional>

namespace veltrane {

class PictureDecoder;

struct PreparedPicture {
  QImage image;     // the picture to write, exactly the prepared size, Format_RGB32
  QSize sourceSize; // the source's full size
  // The budget reserved for the decode and the copies made here, shrunk to
  // `image` itself: keep it until the picture is encoded.
  MemoryBudget::Reservation memory;
};

struct PrepareResult {
  std::optional<PreparedPicture> picture;
  QString error;      // why there is no picture
  QString failedPath; // the file that failed: the source, or the frame
  bool ok() const { return picture.has_value(); }
};

// Turns one source file into the picture a job writes: loads it, scales it
// into the job's box and puts the chosen frame around it. Shared by the
// worker threads; each brings its own decoder.
class PicturePreparer {
public:
  PicturePreparer(FrameLibrary frames, QSize screen);

  const FrameLibrary &frames() const { return m_frames; }
  QSize screen() const { return m_screen; }

  // `job.frame` picks the frame among `frameEntries`; the try-all entry
  // uses the first frame.
  // Pictures prepared at the same time share `memoryBudget` when given: each
  // reserves, before any pixel memory, what its decode and every full-size
  // copy made of it take.
  PrepareResult preparePicture(PictureDecoder &decoder, const QString &path, const ResizeJob &job,
                               const QStringList &frameEntries, MemoryBudget *memoryBudget = nullptr) const;

private:
  FrameLibrary m_frames;
  QSize m_screen;
  std::unique_ptr<FramePictures> m_framePictures;
};

} // namespace veltrane
