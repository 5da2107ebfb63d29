#include "batch/WorkerPool.h"

#include "imaging/OutputLimits.h"

#include "batch/SpareMemory.h"
#include "imaging/PhotoMetadata.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PictureEncoder.h"
#include "imaging/PicturePreparer.h"
#include "imaging/SizeLimitedFile.h"
#include "imaging/Transparency.h"

#include <algorithm>
#include <cmath>

#include <new>

namespace veltrane {

WorkerPool::WorkerPool(int threads, const PicturePreparer &preparer, const QStringList &frameEntries,
                       const PhotoOptions &photo, MemorySizing memory)
    : m_preparer(preparer), m_frameEntries(frameEntries), m_photo(photo),
      m_encoderThreads(std::max(1, int(std::thread::hardware_concurrency()) / std::max(1, threads))),
      m_memoryBudget(memory.shared, memory.mostForOne) {
  m_clocks.resize(size_t(std::max(threads, 0)));
  for (Clock &clock : m_clocks)
    m_threads.emplace_back([this, &clock] { run(clock); });
}

WorkerPool::~WorkerPool() {
  {
    const std::lock_guard lock(m_mutex);
    m_closed = true;
  }
  m_taskReady.notify_all();
  for (std::thread &thread : m_threads)
    thread.join();
}

void WorkerPool::submit(Task task) {
  {
    const std::lock_guard lock(m_mutex);
    m_tasks.push_back(std::move(task));
  }
  m_taskReady.notify_one();
}

int WorkerPool::dropWaiting() {
  const std::lock_guard lock(m_mutex);
  const int dropped = int(m_tasks.size());
  m_tasks.clear();
  return dropped;
}

Outcome WorkerPool::take(int seq) {
  std::unique_lock lock(m_mutex);
  m_outcomeReady.wait(lock, [&] { return m_outcomes.count(seq) != 0; });
  Outcome outcome = std::move(m_outcomes[seq]);
  m_outcomes.erase(seq);
  return outcome;
}

std::vector<WorkerTimes> WorkerPool::times() const {
  const auto now = std::chrono::steady_clock::now();
  const std::lock_guard lock(m_mutex);
  std::vector<WorkerTimes> times;
  for (const Clock &clock : m_clocks) {
    times.push_back(clock.times);
    if (clock.idleSince)
      times.back().waitingForWork += now - *clock.idleSince;
  }
  return times;
}

void WorkerPool::run(Clock &clock) {
  PictureDecoder decoder;
  EncoderSet encoders(m_encoderThreads, m_sizeMemories);
  WorkerTimes spent;
  for (;;) {
    Task task;
    {
      std::unique_lock lock(m_mutex);
      clock.times = spent;
      const auto idleSince = std::chrono::steady_clock::now();
      clock.idleSince = idleSince;
      m_taskReady.wait(lock, [&] { return m_closed || !m_tasks.empty(); });
      clock.idleSince.reset();
      spent.waitingForWork += std::chrono::steady_clock::now() - idleSince;
      if (m_tasks.empty())
        return;
      task = std::move(m_tasks.front());
      m_tasks.pop_front();
    }
    Outcome outcome;
    // Qt's containers throw when memory runs out; one picture fails then,
    // not the whole program.
    try {
      outcome = make(task, decoder, encoders, spent);
    } catch (const std::bad_alloc &) {
      outcome = Outcome{};
      outcome.readError = QStringLiteral("out of memory");
    }
    ++spent.pictures;
    {
      const std::lock_guard lock(m_mutex);
      m_outcomes.emplace(task.seq, std::move(outcome));
    }
    m_outcomeReady.notify_all();
    giveBackSpareMemory();
  }
}

// Freed memory kept for the next picture saves faulting it in again, but it
// is the program's memory all the same: it may take what the budget leaves
// unused, no more.
void WorkerPool::giveBackSpareMemory() {
  giveBackSpareMemoryBeyond(std::max<qint64>(m_memoryBudget.capacity() - m_memoryBudget.held(), 0));
}

namespace {

// Stretched by more than 1% out of the source's proportions.
bool outOfProportion(QSize source, QSize written) {
  if (source.isEmpty() || written.isEmpty())
    return false;
  const double ratio =
      double(written.width()) * source.height() / (double(written.height()) * source.width());
  return std::abs(ratio - 1) > 0.01;
}

} // namespace

Outcome WorkerPool::make(const Task &task, PictureDecoder &decoder, EncoderSet &encoders,
                         WorkerTimes &times) {
  QList<ResizeJob> jobs{task.job};
  for (const ResizeJob &extra : task.extraJobs)
    jobs.append(extra);
  const auto start = std::chrono::steady_clock::now();
  // Kept until every picture is encoded: the first holds their memory.
  std::vector<PrepareResult> prepared =
      m_preparer.preparePictures(decoder, task.path, jobs, m_frameEntries, &m_memoryBudget, m_photo);
  const auto preparedAt = std::chrono::steady_clock::now();
  addPreparing(prepared, preparedAt - start, times);
  Outcome outcome = outcomeOf(task, task.job, prepared[0], task.write, task.sheet, encoders);
  for (size_t i = 1; i < prepared.size(); ++i)
    outcome.extraOutcomes.push_back(outcomeOf(task, jobs[qsizetype(i)], prepared[i], true, false, encoders));
  times.encoding += std::chrono::steady_clock::now() - preparedAt;
  return outcome;
}

// The decode's part and the budget's wait, from the picture that holds the
// reservation; the rest of the preparation is the scaling and the colours.
void WorkerPool::addPreparing(const std::vector<PrepareResult> &prepared, std::chrono::nanoseconds spent,
                              WorkerTimes &times) {
  for (const PrepareResult &result : prepared)
    if (result.ok() && result.picture->decoding.count() > 0) {
      const std::chrono::nanoseconds waited = result.picture->memory.waited();
      times.waitingForMemory += waited;
      times.decoding += result.picture->decoding - waited;
      times.preparing += spent - result.picture->decoding;
      return;
    }
  times.decoding += spent; // nothing was prepared: the reading failed
}

Outcome WorkerPool::outcomeOf(const Task &task, const ResizeJob &job, const PrepareResult &prepared,
                              bool write, bool sheet, EncoderSet &encoders) {
  Outcome outcome;
  if (!prepared.ok()) {
    outcome.readError = prepared.failedPath == task.path || prepared.failedPath.isEmpty()
                            ? prepared.error
                            : prepared.error + QStringLiteral(" (") + prepared.failedPath + u')';
    outcome.refusedByJob = prepared.refusedByJob;
    return outcome;
  }
  const OutputFormat format = formatWritten(job.format, prepared.picture->sourceFormat);
  if (const QString refusal =
          outputSizeRefusal(prepared.picture->image.size(), write ? std::optional(format) : std::nullopt);
      !refusal.isEmpty()) {
    outcome.readError = refusal;
    outcome.refusedByJob = true;
    return outcome;
  }
  outcome.size = prepared.picture->image.size();
  outcome.photoNote = prepared.picture->colourNote;
  outcome.firstFrameOnly = prepared.picture->animated;
  outcome.outOfProportion = job.boxMode == BoxMode::Stretch && job.maxWidth && job.maxHeight &&
                            outOfProportion(prepared.picture->sourceSize, outcome.size);
  if (sheet) {
    outcome.image = onWhite(prepared.picture->image); // sheets are opaque
    // A profile the preparer could keep converts: the sheet is sRGB.
    if (!prepared.picture->iccProfile.isEmpty())
      (void)m_preparer.convertToSrgb(outcome.image, prepared.picture->iccProfile);
  }
  outcome.format = format;
  // Only the task's own job is checked before encoding; its extra ones are checked when written.
  if (write && &job == &task.job && task.outputTaken && task.outputTaken(outcome.size, format))
    outcome.alreadyThere = true;
  else if (write)
    encode(task, job, *prepared.picture, encoders, outcome);
  return outcome;
}

// The file carries the profile its pixels are in and, unless the policy or
// the task says otherwise, its source's metadata made true for the size
// written.
void WorkerPool::encode(const Task &task, const ResizeJob &job, const PreparedPicture &prepared,
                        EncoderSet &encoders, Outcome &outcome) {
  const bool withMetadata = task.sourceMetadata && m_photo.metadata != MetadataPolicy::Strip;
  outcome.format = formatWritten(job.format, prepared.sourceFormat);
  PictureEncoder &encoder = encoders.of(outcome.format);
  const auto extrasFor = [&](QSize size) {
    JpegExtras extras;
    extras.iccProfile = prepared.iccProfile;
    if (!withMetadata)
      return extras;
    const Result<OutputMetadata> metadata = readOutputMetadata(task.path, m_photo.metadata, size);
    if (!metadata) {
      outcome.photoNote = metadata.reason();
      return extras;
    }
    extras.markers = metadata->markers;
    outcome.leftOut = encoder.leftOut(extras);
    outcome.locationRemoved = metadata->locationRemoved;
    if (!metadata->note.isEmpty())
      outcome.photoNote = metadata->note;
    return extras;
  };
  const QImage &image = prepared.image;
  if (job.sizeLimitKb) {
    Result<SizeLimitedFile> fitted = encodeWithinLimit(image, *job.sizeLimitKb, extrasFor, encoder);
    if (!fitted) {
      outcome.encodeError = fitted.reason();
      return;
    }
    outcome.quality = fitted->quality;
    outcome.searched = true;
    outcome.encodes = fitted->encodes;
    outcome.bytes = std::move(fitted->bytes);
    outcome.extrasDropped = fitted->extrasDropped;
    if (fitted->extrasDropped)
      outcome.locationRemoved = false;
    if (fitted->shrunk) {
      outcome.shrunkFrom = outcome.size;
      outcome.size = fitted->size;
    }
    return;
  }
  outcome.quality = job.fixedQuality;
  Result<QByteArray> bytes = encoder.encode(image, outcome.quality, extrasFor(image.size()));
  outcome.encodes = 1;
  if (!bytes)
    outcome.encodeError = bytes.reason();
  else
    outcome.bytes = std::move(*bytes);
}

} // namespace veltrane
