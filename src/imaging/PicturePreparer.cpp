#include "imaging/PicturePreparer.h"

#include "common/Numbers.h"
#include "imaging/ColourProfile.h"
#include "imaging/DecodeLimits.h"
#include "imaging/FrameWindow.h"
#include "imaging/OutputLimits.h"
#include "imaging/PhotoMetadata.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PreparedSize.h"
#include "imaging/Scaling.h"
#include "imaging/Transparency.h"
#include "presets/FrameList.h"

#include <QPainter>

namespace veltrane {

// The frame around the picture, when the job has one.
struct FrameInUse {
  const FrameLibrary::Frame *frame = nullptr;
  FrameWindow window;
  QImage picture;
};

namespace {

qint64 pixelBytes(QSize size) { return qint64(size.width()) * size.height() * 4; }

bool fitsInMemory(QSize size) { return outputSizeRefusal(size, std::nullopt).isEmpty(); }

PrepareResult failure(const QString &path, const QString &error) { return {std::nullopt, error, path}; }

// The source scaled into a place of `target` pixels: covering it and cropped
// from the centre when filling.
QImage scaledInto(const QImage &source, QSize fullSize, QSize target, const PreparedSize &prepared) {
  const QSize covering = coveringSize(fullSize, target, prepared);
  QImage scaled = scaledPicture(source, covering);
  if (covering == target)
    return scaled;
  return scaled.copy(centredCrop(covering, target));
}

// What one job asks of the decode: the least size it scales from, and the
// bytes of its scaled copy and, with a frame, the stretched frame and the
// framed copy.
struct JobNeeds {
  ResizeJob job;
  std::optional<FrameWindow> window;
  QSize frameSize;

  QSize neededSize(QSize full) const {
    const PreparedSize prepared = preparedSize(full, job);
    if (prepared.untouched || !fitsInMemory(prepared.size))
      return {};
    const QSize place = window ? frameWindowRect(*window, frameSize, prepared.size).size() : prepared.size;
    return coveringSize(full, place, prepared);
  }
  qint64 copyBytes(QSize full) const {
    const PreparedSize prepared = preparedSize(full, job);
    if (prepared.untouched || !fitsInMemory(prepared.size))
      return 0; // nothing copied, or refused before any copy
    // Filling scales to a covering copy first and crops it.
    const qint64 covering = prepared.fill ? pixelBytes(coveringSize(full, prepared.size, prepared)) : 0;
    return pixelBytes(prepared.size) * (window ? 3 : 1) + covering;
  }
};

// Asks the decoder for no more than the largest job needs (the full size
// when one keeps it) and reserves every job's copies besides the decoded
// picture. The encoder reads the results as they are.
DecodeRequest decodeRequestFor(const QList<JobNeeds> &needs, MemoryBudget *memoryBudget, qint64 besides) {
  DecodeRequest request;
  request.memoryBudget = memoryBudget;
  // Transparency is kept when a job may write it: no frame, and a format
  // that carries it (or the source's own, known only once decoded).
  for (const JobNeeds &need : needs)
    if (!need.window && (!need.job.format || keepsTransparency(*need.job.format)))
      request.keepTransparency = true;
  request.callerBytes = [needs, besides](QSize full) -> qint64 {
    qint64 bytes = besides;
    for (const JobNeeds &need : needs)
      bytes += need.copyBytes(full);
    return bytes;
  };
  request.neededSize = [needs](QSize full) -> QSize {
    QSize largest(0, 0);
    for (const JobNeeds &need : needs) {
      const QSize size = need.neededSize(full);
      if (!size.isValid())
        return {};
      largest = largest.expandedTo(size);
    }
    return largest;
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

std::optional<PrepareResult> PicturePreparer::loadFrame(PictureDecoder &decoder, const QString &path,
                                                        const ResizeJob &job, const QStringList &frameEntries,
                                                        std::optional<FrameInUse> &frame) const {
  if (job.frame <= kNoFrameEntry)
    return std::nullopt;
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
  return std::nullopt;
}

PrepareResult PicturePreparer::preparePicture(PictureDecoder &decoder, const QString &path,
                                              const ResizeJob &job, const QStringList &frameEntries,
                                              MemoryBudget *memoryBudget, const PhotoOptions &photo) const {
  return std::move(preparePictures(decoder, path, {job}, frameEntries, memoryBudget, photo).front());
}

std::vector<PrepareResult> PicturePreparer::preparePictures(PictureDecoder &decoder, const QString &path,
                                                            const QList<ResizeJob> &jobs,
                                                            const QStringList &frameEntries,
                                                            MemoryBudget *memoryBudget,
                                                            const PhotoOptions &photo) const {
  // The frames first: their pictures and windows decide how large the
  // source must be decoded.
  std::vector<PrepareResult> results(size_t(jobs.size()));
  std::vector<std::optional<FrameInUse>> frames(size_t(jobs.size()));
  QList<JobNeeds> needs;
  for (qsizetype i = 0; i < jobs.size(); ++i) {
    if (std::optional<PrepareResult> failed =
            loadFrame(decoder, path, jobs[i], frameEntries, frames[size_t(i)])) {
      results[size_t(i)] = std::move(*failed);
      continue;
    }
    const std::optional<FrameInUse> &frame = frames[size_t(i)];
    needs.append({jobs[i], frame ? std::optional(frame->window) : std::nullopt,
                  frame ? frame->picture.size() : QSize()});
  }
  if (needs.isEmpty())
    return results;

  // Reading the source's metadata for the written file comes later, within
  // the same reservation: nothing waits for memory while holding some.
  const qint64 besides = metadataReadingMemory(path, photo.metadata);
  const auto decodeStart = std::chrono::steady_clock::now();
  DecodeResult decoded = decoder.decodeFile(path, decodeRequestFor(needs, memoryBudget, besides));
  const std::chrono::nanoseconds decoding = std::chrono::steady_clock::now() - decodeStart;
  if (!decoded.ok()) {
    for (qsizetype i = 0; i < jobs.size(); ++i)
      if (!results[size_t(i)].ok() && results[size_t(i)].error.isEmpty())
        results[size_t(i)] = failure(path, decoded.error);
    return results;
  }

  DecodedPicture &source = *decoded.picture;
  qint64 kept = besides;
  qsizetype first = -1;
  qsizetype last = jobs.size() - 1;
  while (!results[size_t(last)].error.isEmpty())
    --last;
  for (qsizetype i = 0; i <= last; ++i) {
    if (!results[size_t(i)].error.isEmpty())
      continue;
    // The last job may take the decoded picture itself: no copy of a full-size picture.
    results[size_t(i)] = finishPicture(decoder, path, source, i == last, jobs[i], frames[size_t(i)], photo);
    if (results[size_t(i)].ok()) {
      kept += pixelBytes(results[size_t(i)].picture->image.size());
      if (first < 0)
        first = i;
    }
  }
  // Once the source is let go, only the pictures remain: the first holds
  // the reservation for them all.
  source.image = QImage();
  source.memory.shrinkTo(kept);
  if (first >= 0) {
    results[size_t(first)].picture->memory = std::move(source.memory);
    results[size_t(first)].picture->decoding = decoding;
  }
  return results;
}

PrepareResult PicturePreparer::finishPicture(PictureDecoder &decoder, const QString &path,
                                             DecodedPicture &source, bool lastUse, const ResizeJob &job,
                                             const std::optional<FrameInUse> &frame,
                                             const PhotoOptions &photo) const {
  // Colours are converted on the scaled picture, which costs a fraction of
  // converting the source. A frame is sRGB art that the source's profile
  // would misdescribe: a framed picture is converted even when the profile
  // is to be kept.
  const auto settle = [&, keepProfile = photo.keepColourProfile && !frame](QImage &picture) {
    return settleColours(*m_colourProfiles, picture, source.iccProfile, keepProfile);
  };
  const auto done = [&](QImage output, SettledColours colours) -> PrepareResult {
    return {PreparedPicture{std::move(output),
                            source.fullSize,
                            {},
                            std::move(colours.iccProfile),
                            std::move(colours.note),
                            source.format,
                            source.animated},
            {},
            {}};
  };
  // Frames and JPEG files are opaque: transparent pixels lie on white.
  const bool opaque = frame || !keepsTransparency(formatWritten(job.format, source.format));
  const auto flattened = [opaque](QImage picture) { return opaque ? onWhite(std::move(picture)) : picture; };
  const PreparedSize prepared = preparedSize(source.fullSize, job);
  if (prepared.untouched) {
    QImage untouched = flattened(lastUse ? std::move(source.image) : source.image);
    SettledColours colours = settle(untouched);
    return done(std::move(untouched), std::move(colours));
  }
  if (const QString refusal = outputSizeRefusal(prepared.size, std::nullopt); !refusal.isEmpty()) {
    PrepareResult refused = failure(path, refusal);
    refused.refusedByJob = true;
    return refused;
  }
  if (!frame) {
    QImage scaled = flattened(scaledInto(source.image, source.fullSize, prepared.size, prepared));
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
  QImage picture = flattened(scaledInto(source.image, source.fullSize, inner.size(), prepared));
  SettledColours colours = settle(picture);
  {
    QPainter painter(&*output);
    painter.drawImage(inner.topLeft(), picture);
  }
  return done(std::move(*output), std::move(colours));
}

} // namespace veltrane
