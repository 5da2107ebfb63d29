#include "batch/BatchEngine.h"

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

QString progressText(double percent) {
  const bool whole = std::fmod(percent, 1.0) == 0;
  return QLocale().toString(percent, 'f', whole ? 0 : 1) + u'%';
}

BatchEngine::BatchEngine(const PicturePreparer &preparer, SharedJob &job, BatchObserver &observer)
    : m_preparer(preparer), m_job(job), m_observer(observer) {}

namespace {

constexpr int kSheetQuality = 85;
const QString kNoOutputFolder = QStringLiteral("the output folder cannot be made or written");

const QString kStoppedBefore = QStringLiteral("the batch was stopped before it");
const QString kStoppedAmongFrames = QStringLiteral("the batch was stopped before all its frames were tried");

// A picture under way, with the source it is made from.
struct Begun {
  Task task;
  SourceEntry entry;
};

// One batch from start to end: what it fixed at its start, the pictures
// under way, and the report it builds.
class BatchRun {
public:
  BatchRun(const PicturePreparer &preparer, SharedJob &job, BatchObserver &observer,
           const std::atomic<bool> &stop, const BatchInput &input)
      : m_preparer(preparer), m_job(job), m_observer(observer), m_stop(stop), m_input(input),
        m_listFeed(input.feed ? QList<SourceEntry>() : input.sources),
        m_feed(input.feed ? *input.feed : m_listFeed), m_start(job.job()),
        m_outputFolder(m_start.outputFolder) {}

  BatchReport run();

private:
  bool chooseFrames();
  bool outputFolderReady();
  Result<> subfolderReady(const QString &subfolder);
  void failed(FailedFiles BatchReport::*list, const QString &path, const QString &reason,
              const QString &source = {});
  QString writeSheet(const QImage &canvas, const QString &wanted);
  bool begin(WorkerPool &pool);
  void finish(const Begun &begun, Outcome outcome);
  OutputName outputNameOf(const SourceEntry &entry, const ResizeJob &job, const QString &qualityText) const;
  void writeOutput(const Begun &begun, const ResizeJob &job, const QString &qualityText,
                   const Outcome &outcome);
  void skipped(const QString &source, const QString &reason);
  void leaveOut(const std::vector<Begun> &dropped);
  void noteWhatTheLimitTook(const QString &path, const ResizeJob &job, const Outcome &outcome);
  void putTheJobBack();
  void syncFoldersWritten();

  const PicturePreparer &m_preparer;
  SharedJob &m_job;
  BatchObserver &m_observer;
  const std::atomic<bool> &m_stop;
  const BatchInput &m_input;
  SourceListFeed m_listFeed;
  SourceFeed &m_feed;
  const JobSettings m_start;
  BatchReport m_report;

  // Frame entries to go through: the selected one, or every installed one.
  int m_first = 1;
  int m_last = 1;
  bool m_tryingFrames = false;
  // Made and checked when the batch starts, or, when "same folder" is turned
  // off during the batch, the first time a picture needs it.
  const QString m_outputFolder;
  std::optional<Result<>> m_outputFolderPrepared;   // once it was first needed
  std::map<QString, Result<>> m_subfoldersPrepared; // of a mirrored tree, once each was first needed
  std::set<QString> m_foldersWritten;               // to sync before the batch says it is done
  QString m_qualityText;                            // as the batch began
  // More jobs for every source, each written from the same decode: fixed
  // when the batch begins, never sheets.
  std::vector<ResizeJob> m_extraJobs;
  std::vector<QString> m_extraQualityTexts;
  std::unique_ptr<IndexSheet> m_sheet;
  std::unique_ptr<PictureEncoder> m_sheetEncoder; // the job's format; JPEG for each source's own

  std::deque<Begun> m_inFlight;
  int m_next = 0;       // the next picture to begin, counting sources times frames
  SourceEntry m_source; // the source of the pictures begun last
  int m_sources = 0;    // sources taken from the feed
  bool m_fed = false;   // the feed has no more
};

bool BatchRun::chooseFrames() {
  const QStringList &entries = m_input.frameEntries;
  if (m_start.frame == kTryAllEntry) {
    m_first = kFirstFrameEntry;
    m_last = int(entries.size()) - 1;
    if (m_last < m_first) {
      m_report.startError = QStringLiteral("No frames are installed, so there are no frames to try.");
      return false;
    }
  } else if (m_start.frame > kTryAllEntry) {
    m_first = m_last = m_start.frame;
  }
  m_tryingFrames = m_first != m_last;
  return true;
}

bool BatchRun::outputFolderReady() {
  if (!m_outputFolderPrepared) {
    m_outputFolderPrepared = prepareOutputFolder(m_outputFolder);
    if (m_outputFolderPrepared->ok())
      m_report.outputFolder = m_outputFolder;
  }
  return m_outputFolderPrepared->ok();
}

Result<> BatchRun::subfolderReady(const QString &subfolder) {
  auto prepared = m_subfoldersPrepared.find(subfolder);
  if (prepared == m_subfoldersPrepared.end())
    prepared =
        m_subfoldersPrepared.emplace(subfolder, prepareOutputSubfolder(m_outputFolder, subfolder)).first;
  return prepared->second;
}

void BatchRun::failed(FailedFiles BatchReport::*list, const QString &path, const QString &reason,
                      const QString &source) {
  (m_report.*list).add(path, reason);
  m_observer.pictureFailed(path, reason);
  PictureRecord record;
  record.source = source;
  if (list != &BatchReport::unreadable && list != &BatchReport::refused)
    record.output = path;
  record.status = PictureRecord::Status::Failed;
  record.reason = reason;
  m_observer.pictureDone(record);
}

QString BatchRun::writeSheet(const QImage &canvas, const QString &wanted) {
  if (!outputFolderReady()) {
    failed(&BatchReport::unwritten, wanted, kNoOutputFolder);
    return {};
  }
  QImage sheetPicture = canvas;
  const Result<QString> path =
      saveOutput(sheetPicture, wanted, kSheetQuality, true, *m_sheetEncoder, nextFreeName);
  if (!path) {
    failed(&BatchReport::unwritten, wanted, path.reason());
    return {};
  }
  m_report.sheets.append(*path);
  m_foldersWritten.insert(m_outputFolder);
  m_observer.pictureWritten(*path);
  m_observer.pictureDone({{},
                          *path,
                          canvas.size(),
                          QFileInfo(*path).size(),
                          kSheetQuality,
                          PictureRecord::Status::Written,
                          {},
                          formatWord(m_sheetEncoder->format()),
                          1});
  return *path;
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

OutputName BatchRun::outputNameOf(const SourceEntry &entry, const ResizeJob &job,
                                  const QString &qualityText) const {
  const bool mirrored = !job.sameFolder && !entry.outputSubfolder.isEmpty();
  const QString folder = job.sameFolder ? entry.folder
                         : mirrored     ? m_outputFolder + u'/' + entry.outputSubfolder
                                        : m_outputFolder;
  return {folder, entry.name, job.suffixTemplate, {qualityText, 0, 0, m_input.frameEntries.value(job.frame)}};
}

void BatchRun::writeOutput(const Begun &begun, const ResizeJob &job, const QString &qualityText,
                           const Outcome &outcome) {
  const SourceEntry &entry = begun.entry;
  const QString source = sourcePath(entry);
  const bool mirrored = !job.sameFolder && !entry.outputSubfolder.isEmpty();
  const OutputName naming = outputNameOf(entry, job, qualityText);
  const QString &folder = naming.folder;
  const QString wanted = naming.wanted(outcome.size, outcome.format);
  if (!job.sameFolder && !outputFolderReady())
    return failed(&BatchReport::unwritten, wanted, kNoOutputFolder, source);
  if (mirrored)
    if (const Result<> ready = subfolderReady(entry.outputSubfolder); !ready)
      return failed(&BatchReport::unwritten, wanted, ready.reason(), source);
  if (!outcome.encodeError.isEmpty())
    return failed(&BatchReport::unwritten, wanted, outcome.encodeError, source);
  if (outcome.alreadyThere || (m_input.skipExisting && fileExists(wanted))) {
    ++m_report.alreadyThere;
    return skipped(source, QStringLiteral("output exists"));
  }
  const Result<QString> path = writeNewJpegFile(wanted, outcome.bytes, nextFreeName);
  if (!path)
    return failed(&BatchReport::unwritten, wanted, path.reason(), source);
  ++m_report.written;
  m_foldersWritten.insert(folder);
  m_observer.pictureWritten(*path);
  m_observer.pictureDone({source,
                          *path,
                          outcome.size,
                          qint64(outcome.bytes.size()),
                          outcome.quality,
                          PictureRecord::Status::Written,
                          {},
                          formatWord(outcome.format),
                          outcome.encodes});
  noteWhatTheLimitTook(*path, job, outcome);
  m_report.locationsRemoved += outcome.locationRemoved ? 1 : 0;
  m_report.iptcLeftOut += outcome.leftOut.isEmpty() ? 0 : 1;
  m_report.firstFramesOnly += outcome.firstFrameOnly ? 1 : 0;
  m_report.outOfProportion += outcome.outOfProportion ? 1 : 0;
  if (!outcome.photoNote.isEmpty())
    m_report.photoNotes.add(*path, outcome.photoNote);
}

void BatchRun::noteWhatTheLimitTook(const QString &path, const ResizeJob &job, const Outcome &outcome) {
  QStringList changes;
  if (outcome.shrunkFrom.isValid())
    changes.append(QStringLiteral("made %1 x %2 pixels instead of %3 x %4")
                       .arg(outcome.size.width())
                       .arg(outcome.size.height())
                       .arg(outcome.shrunkFrom.width())
                       .arg(outcome.shrunkFrom.height()));
  if (outcome.extrasDropped)
    changes.append(QStringLiteral("written without its colour profile and metadata"));
  if (!changes.isEmpty())
    m_report.madeToFit.add(path,
                           changes.join(QStringLiteral(", ")) +
                               QStringLiteral(" to fit %1 kB").arg(QLocale().toString(*job.sizeLimitKb)));
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

// The names of the files written, and of the folders a mirrored tree made
// for them, durable before the summary counts them.
void BatchRun::syncFoldersWritten() {
  std::set<QString> synced;
  for (QString folder : m_foldersWritten) {
    while (synced.insert(folder).second) {
      syncFolder(QFile::encodeName(folder));
      if (folder.size() <= m_outputFolder.size() || !folder.startsWith(m_outputFolder))
        break;
      folder = QFileInfo(folder).path();
    }
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

BatchReport BatchRun::run() {
  if (!chooseFrames())
    return m_report;
  if (m_start.sameFolder == 0 && !outputFolderReady()) {
    m_report.startError = m_outputFolderPrepared->reason();
    return m_report;
  }
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

  const int threads = m_input.threads > 0 ? m_input.threads : std::max(1, QThread::idealThreadCount());
  WorkerPool pool(threads, m_preparer, m_input.frameEntries, m_input.photo,
                  memorySizingFor(m_input.memoryBytes));
  // Pictures are begun a few ahead, so a worker that is done does not wait
  // while a slow picture holds the head of the line. A finished picture waiting
  // its turn holds only its encoded bytes (and its small copy for a sheet).
  const int window = threads * 4;
  const auto started = std::chrono::steady_clock::now();
  std::vector<Begun> dropped;
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

} // namespace

BatchReport BatchEngine::run(const BatchInput &input) {
  return BatchRun(m_preparer, m_job, m_observer, m_stop, input).run();
}

} // namespace veltrane
