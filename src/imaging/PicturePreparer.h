#pragma once

#include "imaging/FrameLibrary.h"
#include "imaging/FramePictures.h"
#include "imaging/FrameWindow.h"
#include "imaging/MemoryBudget.h"
#include "imaging/SourceFormat.h"
#include "presets/PhotoOptions.h"
#include "presets/ResizeJob.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace veltrane {

class ColourProfiles;
class PictureDecoder;
struct DecodedPicture;
struct FrameInUse;

struct PreparedPicture {
  // The picture to write, exactly the prepared size: Format_RGB32, or
  // premultiplied ARGB32 when the format written keeps its transparency.
  QImage image;
  QSize sourceSize; // the source's full size
  // The budget reserved for the decode and the copies made here, shrunk to
  // `image` itself: keep it until the picture is encoded.
  MemoryBudget::Reservation memory;
  // The colour profile the written file must embed, which `image`'s pixels
  // are in; empty when they are sRGB.
  QByteArray iccProfile;
  // Why the source's colour profile was not used and its colours were left
  // as stored; empty when nothing went wrong. Not a failure of the picture.
  QString colourNote;
  SourceFormat sourceFormat = SourceFormat::Unknown;
  bool animated = false; // only the first frame of an animation was read
  // How long the source took to decode, waiting for `memory` included; on
  // the first of the pictures prepared from one decode, zero on the others.
  std::chrono::nanoseconds decoding{};
};

struct PrepareResult {
  std::optional<PreparedPicture> picture;
  QString error;             // why there is no picture
  QString failedPath;        // the file that failed: the source, or the frame
  bool refusedByJob = false; // the source was read, but the job asks a size no picture can have
  bool ok() const { return picture.has_value(); }
};

// Turns one source file into the picture a job writes: loads it, scales it
// into the job's box, converts its colours to sRGB and puts the chosen frame
// around it. Shared by the worker threads; each brings its own decoder.
class PicturePreparer {
public:
  PicturePreparer(FrameLibrary frames, QSize screen);
  ~PicturePreparer();

  const FrameLibrary &frames() const { return m_frames; }
  QSize screen() const { return m_screen; }

  // `job.frame` picks the frame among `frameEntries`; the try-all entry
  // uses the first frame.
  // Pictures prepared at the same time share `memoryBudget` when given: each
  // reserves, before any pixel memory, what its decode and every full-size
  // copy made of it take.
  // The source's colour profile is converted to sRGB on the scaled picture,
  // or with `photo.keepColourProfile` handed on in `iccProfile` instead.
  PrepareResult preparePicture(PictureDecoder &decoder, const QString &path, const ResizeJob &job,
                               const QStringList &frameEntries, MemoryBudget *memoryBudget = nullptr,
                               const PhotoOptions &photo = {}) const;
  // One source for several jobs at once: decoded once, at the size the
  // largest of them needs, then prepared for each (results in job order).
  // The first picture prepared holds the memory reserved for them all.
  std::vector<PrepareResult> preparePictures(PictureDecoder &decoder, const QString &path,
                                             const QList<ResizeJob> &jobs, const QStringList &frameEntries,
                                             MemoryBudget *memoryBudget = nullptr,
                                             const PhotoOptions &photo = {}) const;

  // For a copy of a prepared picture that kept its profile (for an index
  // sheet, which is sRGB).
  Result<void> convertToSrgb(QImage &picture, const QByteArray &iccProfile) const;

private:
  // The job's frame into `frame`; the failure when it cannot be had.
  std::optional<PrepareResult> loadFrame(PictureDecoder &decoder, const QString &path, const ResizeJob &job,
                                         const QStringList &frameEntries,
                                         std::optional<FrameInUse> &frame) const;
  PrepareResult finishPicture(PictureDecoder &decoder, const QString &path, DecodedPicture &source,
                              bool lastUse, const ResizeJob &job, const std::optional<FrameInUse> &frame,
                              const PhotoOptions &photo) const;

  FrameLibrary m_frames;
  QSize m_screen;
  std::unique_ptr<FramePictures> m_framePictures;
  std::unique_ptr<ColourProfiles> m_colourProfiles;
};

} // namespace veltrane
