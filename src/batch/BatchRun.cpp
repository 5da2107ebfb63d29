#include "batch/BatchRun.h"
#include "common/MessageText.h"

#include "batch/OutputFolder.h"
#include "batch/OutputNaming.h"
#include "batch/SharedJob.h"
#include "batch/WorkerPool.h"
#include "imaging/DecoderFileReader.h"
#include "imaging/JpegFileWriter.h"
#include "imaging/PictureEncoder.h"
#include "imaging/PicturePreparer.h"
#include "imaging/SaveOutput.h"
#include "presets/FrameList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace veltrane {

namespace {

const QString kStoppedBefore = QStringLiteral("the batch was stopped before it");
const QString kStoppedAmongFrames = QStringLiteral("the batch was stopped before all its frames were tried");

} // namespace

bool BatchRun::chooseFrames() {
  const QStringList &entries = m_input.frameEntries;
  if (m_start.frame == kTryAllEntry) {
    m_first = kFirstFrameEntry;
    m_last = int(entries.size()) - 1;
    if (m_last < m_first) {
      m_report.startError = MessageText::tr("No frames are installed, so there are no frames to try.");
      return false;
    }
  } else if (m_start.frame > kTryAllEntry) {
    m_first = m_last = m_start.frame;
  }
  m_tryingFrames = m_first != m_last;
  return true;
}

// Begins the next picture; false when the feed has no more.
bool BatchRun::begin(WorkerPool &pool) {
  const int framesPerSource = m_last - m_first + 1;
  const int frame = m_first + m_next % framesPerSource;
  if (frame == m_first) {
    std::optional<SourceEntry> next = m_feed.next();
    if (!next) {
      m_fed = true;
      return false;
    }
    m_source = std::move(*next);
    ++m_sources;
  }
  const int source = m_sources - 1;
  const JobSettings settings =
      m_tryingFrames ? m_job.update([&](JobSettings &j) { j.frame = qint16(frame); }) : m_job.job();
  if (m_tryingFrames)
    m_observer.jobChanged(settings);
  ResizeJob job = resolveJob(settings, m_preparer.screen());

  BatchProgress progress;
  progress.processing =
      m_tryingFrames ? QStringLiteral("%1% of ").arg(frame * 100 / m_last) + m_source.name : m_source.name;
  const double expected = double(std::max<qsizetype>(m_feed.expected(), m_sources));
  progress.percent = std::min(100.0, std::floor((source + double(frame) / m_last) * 1000 / expected) / 10);
  progress.infoText = progressText(progress.percent);
  m_observer.progressed(progress);

  Task task;
  task.seq = m_next++;
  task.source = source;
  task.path = m_source.readPath.isEmpty() ? sourcePath(m_source) : m_source.readPath;
  task.write = job.writesPictures();
  task.sheet = job.makesSheets();
  task.sourceMetadata = !m_tryingFrames; // frame trials are for choosing, not for sending
  if (frame == m_first)
    task.extraJobs = m_extraJobs;
  // A re-run need not encode what it will not write.
  if (m_input.skipExisting && task.write)
    if (OutputName naming = outputNameOf(m_source, job, m_qualityText);
        naming.knownBeforeEncoding(job.sizeLimitKb.has_value()))
      task.outputTaken = [naming = std::move(naming)](QSize size, OutputFormat format) {
        return fileExists(naming.wanted(size, format));
      };
  task.job = std::move(job);
  // Read from disk while the workers decode the pictures before it.
  adviseReadingSoon(task.path);
  m_inFlight.push_back({task, m_source});
  pool.submit(std::move(task));
  return true;
}

void BatchRun::finish(const Begun &begun, Outcome outcome) {
  const Task &task = begun.task;
  const SourceEntry &entry = begun.entry;
  const QString source = sourcePath(entry);
  if (!outcome.readError.isEmpty())
    return failed(outcome.refusedByJob ? &BatchReport::refused : &BatchReport::unreadable, source,
                  outcome.readError, source);
  const QString frameText = m_input.frameEntries.value(task.job.frame);
  if (task.sheet) {
    SheetCaptions captions = task.job.captions;
    captions.namesAreFrames = m_job.captionsNameFrames();
    m_sheet->place({outcome.image, entry.name, QFileInfo(task.path).size(), frameText}, captions);
  }
  if (!task.write && outcome.extraOutcomes.empty())
    return;
  if (task.write && outcome.searched)
    m_observer.jobChanged(
        m_job.update([&](JobSettings &job) { job.fixedQuality = QString::number(outcome.quality); }));
  if (task.write)
    writeOutput(begun, task.job, m_qualityText, outcome);
  // The other jobs' pictures of the same source, made from the same decode.
  for (size_t i = 0; i < outcome.extraOutcomes.size() && i < m_extraJobs.size(); ++i) {
    Outcome &extra = outcome.extraOutcomes[i];
    if (!extra.readError.isEmpty())
      failed(extra.refusedByJob ? &BatchReport::refused : &BatchReport::unreadable, source, extra.readError,
             source);
    else
      writeOutput(begun, m_extraJobs[i], m_extraQualityTexts[i], extra);
  }
}

void BatchRun::skipped(const QString &source, const QString &reason) {
  PictureRecord record;
  record.source = source;
  record.status = PictureRecord::Status::Skipped;
  record.reason = reason;
  m_observer.pictureDone(record);
}

// After a stop: counts the pictures not made and tells of each source left
// out, those whose pictures were dropped unbegun (in list order) and those the
// feed still holds.
void BatchRun::leaveOut(const std::vector<Begun> &dropped) {
  const int framesPerSource = m_last - m_first + 1;
  const int framesLeft = m_next % framesPerSource == 0 ? 0 : framesPerSource - m_next % framesPerSource;
  m_report.skipped = int(dropped.size()) + framesLeft;
  QString last;
  for (auto begun = dropped.rbegin(); begun != dropped.rend(); ++begun)
    if (const QString source = sourcePath(begun->entry); source != last) {
      skipped(source, begun->task.job.frame > m_first ? kStoppedAmongFrames : kStoppedBefore);
      last = source;
    }
  if (framesLeft > 0 && sourcePath(m_source) != last)
    skipped(sourcePath(m_source), kStoppedAmongFrames);
  while (const std::optional<SourceEntry> entry = m_feed.next()) {
    m_report.skipped += framesPerSource;
    skipped(sourcePath(*entry), kStoppedBefore);
  }
}

void BatchRun::putTheJobBack() {
  m_observer.jobChanged(m_job.update([&](JobSettings &job) {
    job.sizeLimitKb = m_start.sizeLimitKb;
    if (m_tryingFrames) {
      job.suffixTemplate = m_start.suffixTemplate;
      job.frame = kTryAllEntry;
    }
  }));
}

// The jobs, quality texts and sheet writer as they stay for the whole batch.
void BatchRun::resolveJobsAtStart() {
  // The quality in the names and the sheets' layout stay as the batch began.
  const ResizeJob start = resolveJob(m_start, m_preparer.screen());
  m_qualityText = start.qualityText;
  for (const JobSettings &extra : m_input.extraJobs) {
    ResizeJob job = resolveJob(extra, m_preparer.screen());
    if (!job.writesPictures())
      continue;
    m_extraQualityTexts.push_back(job.qualityText);
    m_extraJobs.push_back(std::move(job));
  }
  const OutputFormat sheetFormat = start.format.value_or(OutputFormat::Jpeg);
  m_sheetEncoder = makeEncoder(sheetFormat, std::max(1, QThread::idealThreadCount()));
  m_sheet = std::make_unique<IndexSheet>(
      m_preparer.screen(), m_input.sheetStyle, start.grid, start.captions.any(), m_outputFolder,
      formatExtension(sheetFormat),
      [this](const QImage &canvas, const QString &wanted) { return writeSheet(canvas, wanted); });
  if (m_tryingFrames)
    m_observer.jobChanged(
        m_job.update([](JobSettings &job) { job.suffixTemplate = QStringLiteral(" ([F])"); }));
}

// Begins pictures a window ahead and finishes them in order until none is
// left; after a stop, the pictures no worker had begun go to `dropped`.
void BatchRun::finishAll(WorkerPool &pool, int window, std::vector<Begun> &dropped) {
  bool dropping = true;
  while (true) {
    while (int(m_inFlight.size()) < window && !m_fed && !m_stop && begin(pool)) {
    }
    if (m_stop && dropping) {
      // Only the pictures a worker has begun are finished after a stop.
      dropping = false;
      for (int n = pool.dropWaiting(); n > 0; --n) {
        dropped.push_back(std::move(m_inFlight.back()));
        m_inFlight.pop_back();
      }
    }
    if (m_inFlight.empty())
      break;
    Begun begun = std::move(m_inFlight.front());
    m_inFlight.pop_front();
    const auto waitStart = std::chrono::steady_clock::now();
    Outcome outcome = pool.take(begun.task.seq);
    const auto taken = std::chrono::steady_clock::now();
    finish(begun, std::move(outcome));
    m_report.times.waitingForPicture += taken - waitStart;
    m_report.times.writing += std::chrono::steady_clock::now() - taken;
  }
}

BatchReport BatchRun::run() {
  if (!chooseFrames())
    return m_report;
  if (m_start.sameFolder == 0 && !outputFolderReady()) {
    m_report.startError = m_outputFolderPrepared->reason();
    return m_report;
  }
  resolveJobsAtStart();
  const int threads = m_input.threads > 0 ? m_input.threads : std::max(1, QThread::idealThreadCount());
  WorkerPool pool(threads, m_preparer, m_input.frameEntries, m_input.photo,
                  memorySizingFor(m_input.memoryBytes));
  // Pictures are begun a few ahead, so a worker that is done does not wait
  // while a slow picture holds the head of the line. A finished picture waiting
  // its turn holds only its encoded bytes (and its small copy for a sheet).
  const int window = threads * 4;
  const auto started = std::chrono::steady_clock::now();
  std::vector<Begun> dropped;
  finishAll(pool, window, dropped);
  m_report.stopped = m_stop;
  if (m_stop)
    leaveOut(dropped);
  const auto lastSheet = std::chrono::steady_clock::now();
  m_sheet->finish();
  syncFoldersWritten();
  m_report.times.writing += std::chrono::steady_clock::now() - lastSheet;
  m_report.times.workers = pool.times();
  m_report.times.whole = std::chrono::steady_clock::now() - started;
  putTheJobBack();
  return m_report;
}

} // namespace veltrane
