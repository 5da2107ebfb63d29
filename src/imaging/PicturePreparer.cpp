#include "imaging/PicturePreparer.h"

#include "common/Numbers.h"
#include "imaging/ColourProfile.h"
#include "imaging/DecodeLimits.h"
#include "imaging/FrameWindow.h"
#include "imaging/PhotoMetadata.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PreparedSize.h"
#include "imaging/Scaling.h"
#include "presets/FrameList.h"

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
                               MemoryBudget *memoryBudget, qint64 besides) {
  DecodeRequest request;
  request.memoryBudget = memoryBudget;
  request.callerBytes = [job, framed = frame.has_value(), besides](QSize full) -> qint64 {
    const PreparedSize prepared = preparedSize(full, job);
    if (prepared.untouched || !fitsInMemory(prepared.size))
      return besides; // nothing copied, or refused before any copy
    return pixelBytes(prepared.size) * (framed ? 3 : 1) + besides;
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

struct SettledColours {
  QByteArray iccProfile; // the profile the pixels stay in
  QString note;          // why the profile was not used
};

// Converts the picture to sRGB from the source's profile, or leaves it in
// that profile when it is to be kept. A profile that cannot be used leaves
// the colours as stored: an odd profile is no reason to lose the photo.
SettledColours settleColours(ColourProfiles &profiles, QImage &picture, const QByteArray &iccProfile,
                             bool keepProfile) {
  if (iccProfile.isEmpty())
    return {};
  const Result<ColourProfiles::Conversion> conversion = profiles.conversionToSrgb(iccProfile);
  if (!conversion)
    return {{}, QStringLiteral("colours left as stored: %1").arg(conversion.reason())};
  // Only an RGB profile goes into an RGB file as it is; a grey one is converted.
  if (keepProfile && (*conversion)->fitsRgbJpeg())
    return {iccProfile, {}};
  (*conversion)->convertPicture(picture);
  return {};
}

} // namespace

PicturePreparer::PicturePreparer(FrameLibrary frames, QSize screen)
    : m_frames(std::move(frames)), m_screen(screen), m_framePictures(std::make_unique<FramePictures>()),
      m_colourProfiles(std::make_unique<ColourProfiles>()) {}

PicturePreparer::~PicturePreparer() = default;

Result<void> PicturePreparer::convertToSrgb(QImage &picture, const QByteArray &iccProfile) const {
  return m_colourProfiles->convertToSrgb(picture, iccProfile);
}

PrepareResult PicturePreparer::preparePicture(PictureDecoder &decoder, const QString &path,
                                              const ResizeJob &job, const QStringList &frameEntries,
                                              MemoryBudget *memoryBudget, const PhotoOptions &photo) const {
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

  // Reading the source's metadata for the written file comes later, within
  // the same reservation: nothing waits for memory while holding some.
  const qint64 besides = photo.metadata == MetadataPolicy::Strip ? 0 : kPhotoMetadataMemory;
  DecodeResult decoded = decoder.decodeFile(path, decodeRequestFor(job, frame, memoryBudget, besides));
  if (!decoded.ok())
    return failure(path, decoded.error);

  QImage source = std::move(decoded.picture->image);
  const QSize sourceSize = decoded.picture->fullSize;
  MemoryBudget::Reservation memory = std::move(decoded.picture->memory);
  // Colours are converted on the scaled picture, which costs a fraction of
  // converting the source. A frame is sRGB art that the source's profile
  // would misdescribe: a framed picture is converted even when the profile
  // is to be kept.
  const QByteArray profile = std::move(decoded.picture->iccProfile);
  const auto settle = [&, keepProfile = photo.keepColourProfile && !frame](QImage &picture) {
    return settleColours(*m_colourProfiles, picture, profile, keepProfile);
  };
  // Once the source is let go, only the picture remains.
  const auto done = [&](QImage output, SettledColours colours) -> PrepareResult {
    source = QImage();
    memory.shrinkTo(pixelBytes(output.size()) + besides);
    return {PreparedPicture{std::move(output), sourceSize, std::move(memory), std::move(colours.iccProfile),
                            std::move(colours.note)},
            {},
            {}};
  };
  const PreparedSize prepared = preparedSize(sourceSize, job);
  if (prepared.untouched) {
    SettledColours colours = settle(source);
    return done(std::move(source), std::move(colours));
  }
  if (!fitsInMemory(prepared.size))
    return failure(path, sizeError(prepared.size));
  if (!frame) {
    QImage scaled = scaledPicture(source, prepared.size);
    SettledColours colours = settle(scaled);
    return done(std::move(scaled), std::move(colours));
  }

  const QRect inner = frameWindowRect(frame->window, frame->picture.size(), prepared.size);
  if (inner.width() < 1 || inner.height() < 1)
    return failure(frame->frame->path, QStringLiteral("the frame's window is empty at %1 x %2 pixels")
                                           .arg(prepared.size.width())
                                           .arg(prepared.size.height()));
  Result<QImage> output = m_framePictures->stretched(frame->frame->path, prepared.size, decoder);
  if (!output)
    return failure(frame->frame->path, QStringLiteral("the frame cannot be read: %1").arg(output.reason()));
  output->detach();
  QImage picture = scaledPicture(source, inner.size());
  SettledColours colours = settle(picture);
  {
    QPainter painter(&*output);
    painter.drawImage(inner.topLeft(), picture);
  }
  return done(std::move(*output), std::move(colours));
}

} // namespace veltrane
