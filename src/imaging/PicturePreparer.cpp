#include "imaging/PicturePreparer.h"

#include "imaging/DecodeLimits.h"
#include "imaging/FrameWindow.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PreparedSize.h"
#include "imaging/Scaling.h"
#include "presets/FrameList.h"
#include "presets/Numbers.h"

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

} // namespace

PicturePreparer::PicturePreparer(FrameLibrary frames, QSize screen)
    : m_frames(std::move(frames)), m_screen(screen), m_framePictures(std::make_unique<FramePictures>()) {}

PrepareResult PicturePreparer::preparePicture(PictureDecoder &decoder, const QString &path,
                                              const ResizeJob &job, const QStringList &frameEntries,
                                              MemoryBudget *memoryBudget) const {
  const int entry = job.frame;

  // The frame first: its picture and window decide how large the source
  // must be decoded.
  const FrameLibrary::Frame *frame = nullptr;
  std::optional<FrameWindow> window;
  QImage framePicture;
  if (entry > kNoFrameEntry) {
    frame = m_frames.frameForEntry(entry, frameEntries);
    if (!frame)
      return failure(path, QStringLiteral("the frame \"%1\" is not installed")
                               .arg(frameEntries.value(entry == kTryAllEntry ? kFirstFrameEntry : entry)));
    window = frameWindowFromName(frame->fileName);
    if (!window)
      return failure(frame->path, QStringLiteral("the frame file name \"%1\" does not give its window "
                                                 "(name_left-top-right-bottom.ext)")
                                      .arg(frame->fileName));
    QString error;
    framePicture = m_framePictures->picture(frame->path, decoder, &error);
    if (framePicture.isNull())
      return failure(frame->path, QStringLiteral("the frame cannot be read: %1").arg(error));
  }

  const auto sizeFor = [&](QSize full) { return preparedSize(full, job); };
  DecodeRequest request;
  request.memoryBudget = memoryBudget;
  // Besides the decoded picture: the scaled copy, and with a frame the
  // stretched frame and the framed copy. The encoder reads the result as it is.
  request.callerBytes = [&](QSize full) -> qint64 {
    const PreparedSize prepared = sizeFor(full);
    if (prepared.untouched)
      return 0;
    if (!fitsInMemory(prepared.size))
      return 0; // refused before any copy
    return pixelBytes(prepared.size) * (frame ? 3 : 1);
  };
  request.neededSize = [&](QSize full) -> QSize {
    const PreparedSize prepared = sizeFor(full);
    if (prepared.untouched || !fitsInMemory(prepared.size))
      return {};
    if (frame)
      return frameWindowRect(*window, framePicture.size(), prepared.size).size();
    return prepared.size;
  };
  DecodeResult decoded = decoder.decodeFile(path, request);
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
  const PreparedSize prepared = sizeFor(sourceSize);
  if (prepared.untouched)
    return done(std::move(source));
  if (!fitsInMemory(prepared.size))
    return failure(path, sizeError(prepared.size));

  if (!frame)
    return done(scaledPicture(source, prepared.size));

  const QRect inner = frameWindowRect(*window, framePicture.size(), prepared.size);
  if (inner.width() < 1 || inner.height() < 1)
    return failure(frame->path, QStringLiteral("the frame's window is empty at %1 x %2 pixels")
                                    .arg(prepared.size.width())
                                    .arg(prepared.size.height()));
  QString error;
  QImage output = m_framePictures->stretched(frame->path, prepared.size, decoder, &error);
  if (output.isNull())
    return failure(frame->path, QStringLiteral("the frame cannot be read: %1").arg(error));
  output.detach();
  {
    QPainter painter(&output);
    painter.drawImage(inner.topLeft(), scaledPicture(source, inner.size()));
  }
  return done(std::move(output));
}

} // namespace veltrane
