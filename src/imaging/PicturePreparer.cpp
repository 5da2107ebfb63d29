#include "imaging/PicturePreparer.h"

#include "imaging/DecodeLimits.h"
#include "imaging/FrameWindow.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PreparedSize.h"
#include "imaging/Scaling.h"
#include "presets/FrameList.h"
#include "common/Numbers.h"

#include <QPainter>

namespace veltrane {
namespace {

qint64 pixelBytes(QSize size) { return qint64(size.width()) * size.height() * 4; }

bool fitsInMemory(QSize size) {
  return size.width() >= 1 && size.height() >= 1 &&
         qint64(size.width()) * qint64(size.height()) <= kMaxDecodedPixels;
}

QString sizeError(QSize size) {
  if (size.width() < 1 || size.height() < 1)
    return QStringLiteral("the job gives this picture no size (%1 x %2 pixels)")
        .arg(size.width())
        .arg(size.height());
  return QStringLiteral("the job makes this picture too large (%1 x %2 pixels)")
      .arg(size.width())
      .arg(size.height());
}

PrepareResult failure(const QString &path, const QString &error) { return {std::nullopt, error, path}; }

// The frame around the picture, when the job has one.
struct FrameInUse {
  const FrameLibrary::Frame *frame = nullptr;
  FrameWindow window;
  QImage picture;
};

// Asks the decoder for no more than the job needs and reserves, besides the
// decoded picture, the scaled copy and with a frame the stretched frame and
// the framed copy. The encoder reads the result as it is.
DecodeRequest decodeRequestFor(const ResizeJob &job, const std::optional<FrameInUse> &frame,
                               MemoryBudget *memoryBudget) {
  DecodeRequest request;
  request.memoryBudget = memoryBudget;
  request.callerBytes = [job, framed = frame.has_value()](QSize full) -> qint64 {
    const PreparedSize prepared = preparedSize(full, job);
    if (prepared.untouched || !fitsInMemory(prepared.size))
      return 0; // nothing copied, or refused before any copy
    return pixelBytes(prepared.size) * (framed ? 3 : 1);
  };
  request.neededSize = [job, window = frame ? std::optional(frame->window) : std::nullopt,
                        frameSize = frame ? frame->picture.size() : QSize()](QSize full) -> QSize {
    const PreparedSize prepared = preparedSize(full, job);
    if (prepared.untouched || !fitsInMemory(prepared.size))
      return {};
    if (window)
      return frameWindowRect(*window, frameSize, prepared.size).size();
    return prepared.size;
  };
  return request;
}

} // namespace

PicturePreparer::PicturePreparer(FrameLibrary frames, QSize screen)
    : m_frames(std::move(frames)), m_screen(screen), m_framePictures(std::make_unique<FramePictures>()) {}

PrepareResult PicturePreparer::preparePicture(PictureDecoder &decoder, const QString &path,
                                              const ResizeJob &job, const QStringList &frameEntries,
                                              MemoryBudget *memoryBudget) const {
  // The frame first: its picture and window decide how large the source
  // must be decoded.
  std::optional<FrameInUse> frame;
  if (job.frame > kNoFrameEntry) {
    const int entry = job.frame;
    const FrameLibrary::Frame *installed = m_frames.frameForEntry(entry, frameEntries);
    if (!installed)
      return failure(path, QStringLiteral("the frame \"%1\" is not installed")
                               .arg(frameEntries.value(entry == kTryAllEntry ? kFirstFrameEntry : entry)));
    const std::optional<FrameWindow> window = frameWindowFromName(installed->fileName);
    if (!window)
      return failure(installed->path, QStringLiteral("the frame file name \"%1\" does not give its window "
                                                     "(name_left-top-right-bottom.ext)")
                                          .arg(installed->fileName));
    Result<QImage> picture = m_framePictures->picture(installed->path, decoder);
    if (!picture)
      return failure(installed->path, QStringLiteral("the frame cannot be read: %1").arg(picture.reason()));
    frame = FrameInUse{installed, *window, std::move(*picture)};
  }

  DecodeResult decoded = decoder.decodeFile(path, decodeRequestFor(job, frame, memoryBudget));
  if (!decoded.ok())
    return failure(path, decoded.error);

  QImage source = std::move(decoded.picture->image);
  const QSize sourceSize = decoded.picture->fullSize;
  MemoryBudget::Reservation memory = std::move(decoded.picture->memory);
  // Once the source is let go, only the picture remains.
  const auto done = [&](QImage output) -> PrepareResult {
    source = QImage();
    memory.shrinkTo(pixelBytes(output.size()));
    return {PreparedPicture{std::move(output), sourceSize, std::move(memory)}, {}, {}};
  };
  const PreparedSize prepared = preparedSize(sourceSize, job);
  if (prepared.untouched)
    return done(std::move(source));
  if (!fitsInMemory(prepared.size))
    return failure(path, sizeError(prepared.size));
  if (!frame)
    return done(scaledPicture(source, prepared.size));

  const QRect inner = frameWindowRect(frame->window, frame->picture.size(), prepared.size);
  if (inner.width() < 1 || inner.height() < 1)
    return failure(frame->frame->path, QStringLiteral("the frame's window is empty at %1 x %2 pixels")
                                           .arg(prepared.size.width())
                                           .arg(prepared.size.height()));
  Result<QImage> output = m_framePictures->stretched(frame->frame->path, prepared.size, decoder);
  if (!output)
    return failure(frame->frame->path, QStringLiteral("the frame cannot be read: %1").arg(output.reason()));
  output->detach();
  {
    QPainter painter(&*output);
    painter.drawImage(inner.topLeft(), scaledPicture(source, inner.size()));
  }
  return done(std::move(*output));
}

} // namespace veltrane
