#include "batch/BatchEngine.h"

#include "batch/OutputFolder.h"
#include "batch/OutputNaming.h"
#include "batch/SharedJob.h"
#include "imaging/JpegEncoder.h"
#include "imaging/JpegError.h"
#include "imaging/JpegFileWriter.h"
#include "imaging/PictureDecoder.h"
#include "imaging/PicturePreparer.h"
#include "imaging/QualitySearch.h"
#include "imaging/SaveOutput.h"
#include "presets/FrameList.h"
#include "presets/Numbers.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace veltrane {
namespace {

constexpr int kSheetQuality = 85;

// One picture to make: a source, with one frame when trying them all.
struct Task {
  int seq = 0;
  int source = 0;
  ResizeJob job; // as it stood when the picture was begun
  QString path;
  bool write = true;  // resized pictures are wanted
  bool sheet = false; // the picture goes on an index sheet
};

struct Outcome {
  QString readError;   // the source (or its frame) could not be read or prepared
  QString encodeError; // the picture could not be encoded
  QImage image;        // kept only for the index sheet
  QSize size;
  int quality = 0;
  bool searched = false;
  QByteArray bytes;
};

QString errorText(const std::exception &error) { return QString::fromUtf8(error.what()); }

// Prepares and encodes pictures on worker threads; results are collected in
// the order the pictures were begun.
class WorkerPool {
public:
  WorkerPool(int threads, const PicturePreparer &preparer, const QStringList &frameEntries)
      : m_preparer(preparer), m_frameEntries(frameEntries) {
    for (int i = 0; i < threads; ++i)
      m_threads.emplace_back([this] { run(); });
  }
  ~WorkerPool() {
    {
      const std::lock_guard lock(m_mutex);
      m_closed = true;
    }
    m_taskReady.notify_all();
    for (std::thread &thread : m_threads)
      thread.join();
  }

  void submit(Task task) {
    {
      const std::lock_guard lock(m_mutex);
      m_tasks.push_back(std::move(task));
    }
    m_taskReady.notify_one();
  }

  // Forgets the pictures no worker has begun; returns how many.
  int dropWaiting() {
    const std::lock_guard lock(m_mutex);
    const int dropped = int(m_tasks.size());
    m_tasks.clear();
    return dropped;
  }

  Outcome take(int seq) {
    std::unique_lock lock(m_mutex);
    m_outcomeReady.wait(lock, [&] { return m_outcomes.count(seq) != 0; });
    Outcome outcome = std::move(m_outcomes[seq]);
    m_outcomes.erase(seq);
    return outcome;
  }

private:
  void run() {
    PictureDecoder decoder;
    JpegEncoder encoder;
    for (;;) {
      Task task;
      {
        std::unique_lock lock(m_mutex);
        m_taskReady.wait(lock, [&] { return m_closed || !m_tasks.empty(); });
        if (m_tasks.empty())
          return;
        task = std::move(m_tasks.front());
        m_tasks.pop_front();
      }
      Outcome outcome = make(task, decoder, encoder);
      {
        const std::lock_guard lock(m_mutex);
        m_outcomes.emplace(task.seq, std::move(outcome));
      }
      m_outcomeReady.notify_all();
    }
  }

  Outcome make(const Task &task, PictureDecoder &decoder, JpegEncoder &encoder) {
    Outcome outcome;
    try {
      PrepareResult prepared =
          m_preparer.preparePicture(decoder, task.path, task.job, m_frameEntries, &m_memoryBudget);
      if (!prepared.ok()) {
        outcome.readError = prepared.failedPath == task.path || prepared.failedPath.isEmpty()
                                ? prepared.error
                                : prepared.error + QStringLiteral(" (") + prepared.failedPath + u')';
        return outcome;
      }
      const QImage &image = prepared.picture->image;
      outcome.size = image.size();
      if (task.sheet)
        outcome.image = image;
      if (!task.write)
        return outcome;
      if (task.job.sizeLimitKb) {
        QualityChoice choice = getQualityForK(image, *task.job.sizeLimitKb, encoder);
        outcome.quality = choice.quality;
        outcome.searched = true;
        outcome.bytes = std::move(choice.bytes);
      } else {
        outcome.quality = task.job.fixedQuality;
        outcome.bytes = encoder.encode(image, outcome.quality);
      }
    } catch (const JpegError &error) {
      outcome.encodeError = errorText(error);
    } catch (const std::exception &error) {
      outcome.readError = errorText(error);
    }
    return outcome;
  }

  const PicturePreparer &m_preparer;
  const QStringList m_frameEntries;
  // Shared by every worker, whatever their number: two large progressive
  // decodes do not run at once, and a picture that decodes to more than this
  // (a tiny file can claim a 250-megapixel canvas) runs alone.
  MemoryBudget m_memoryBudget{120 * 1024 * 1024};
  std::mutex m_mutex;
  std::condition_variable m_taskReady;
  std::condition_variable m_outcomeReady;
  std::deque<Task> m_tasks;
  std::map<int, Outcome> m_outcomes;
  bool m_closed = false;
  std::vector<std::thread> m_threads;
};

} // namespace

QString progressText(double percent) {
  const bool whole = std::fmod(percent, 1.0) == 0;
  return QLocale().toString(percent, 'f', whole ? 0 : 1) + u'%';
}

BatchEngine::BatchEngine(const PicturePreparer &preparer, SharedJob &job, BatchObserver &observer)
    : m_preparer(preparer), m_job(job), m_observer(observer) {}

BatchReport BatchEngine::run(const BatchInput &input) {
  BatchReport report;
  const JobSettings start = m_job.job();
  const QStringList &entries = input.frameEntries;
  const int fileCount = int(input.sources.size());

  // Frames to go through: the selected one, or every installed one.
  int first = 1, last = 1;
  if (start.frame == kTryAllEntry) {
    first = kFirstFrameEntry;
    last = int(entries.size()) - 1;
    if (last < first) {
      report.startError = QStringLiteral("No frames are installed, so there are no frames to try.");
      return report;
    }
  } else if (start.frame > kTryAllEntry) {
    first = last = start.frame;
  }
  const bool tryingFrames = first != last;

  // The output folder is made and checked when the batch starts, or, when
  // "same folder" is turned off during the batch, the first time a picture
  // needs it.
  const QString outputFolder = start.outputFolder;
  std::optional<QString> outputFolderError;
  const auto outputFolderReady = [&] {
    if (!outputFolderError) {
      outputFolderError = prepareOutputFolder(outputFolder);
      if (outputFolderError->isEmpty())
        report.outputFolder = outputFolder;
    }
    return outputFolderError->isEmpty();
  };
  const auto noOutputFolder = [&](const QString &wanted) {
    const QString reason = QStringLiteral("the output folder cannot be made or written");
    report.unwritten.add(wanted, reason);
    m_observer.pictureFailed(wanted, reason);
  };
  if (start.sameFolder == 0 && !outputFolderReady()) {
    report.startError = *outputFolderError;
    return report;
  }
  // The quality in the names and the sheets' layout stay as the batch began.
  const ResizeJob resolvedStart = resolveJob(start, m_preparer.screen());
  const QString qualityText = resolvedStart.qualityText;

  JpegEncoder sheetEncoder;
  IndexSheet sheet(m_preparer.screen(), input.sheetStyle, resolvedStart.grid, resolvedStart.captions.any(),
                   outputFolder, [&](const QImage &canvas, const QString &wanted) -> QString {
                     if (!outputFolderReady()) {
                       noOutputFolder(wanted);
                       return {};
                     }
                     try {
                       QImage sheetPicture = canvas;
                       const QString path =
                           saveOutput(sheetPicture, wanted, kSheetQuality, true, sheetEncoder, nextFreeName);
                       report.sheets.append(path);
                       m_observer.pictureWritten(path);
                       return path;
                     } catch (const std::exception &error) {
                       report.unwritten.add(wanted, errorText(error));
                       m_observer.pictureFailed(wanted, errorText(error));
                       return {};
                     }
                   });

  if (tryingFrames)
    m_observer.jobChanged(
        m_job.update([](JobSettings &job) { job.suffixTemplate = QStringLiteral(" ([F])"); }));

  const int threads = input.threads > 0 ? input.threads : std::max(1, QThread::idealThreadCount());
  const int framesPerSource = last - first + 1;
  const int total = fileCount * framesPerSource;
  WorkerPool pool(threads, m_preparer, entries);
  std::deque<Task> inFlight;
  int next = 0; // the next picture to begin, counting sources times frames

  const auto begin = [&] {
    const int source = next / framesPerSource;
    const int frame = first + next % framesPerSource;
    const SourceEntry &entry = input.sources[source];
    const JobSettings settings =
        tryingFrames ? m_job.update([&](JobSettings &j) { j.frame = qint16(frame); }) : m_job.job();
    if (tryingFrames)
      m_observer.jobChanged(settings);
    ResizeJob job = resolveJob(settings, m_preparer.screen());

    BatchProgress progress;
    progress.processing =
        tryingFrames ? QStringLiteral("%1% of ").arg(frame * 100 / last) + entry.name : entry.name;
    progress.percent = std::floor((source + double(frame) / last) * 1000 / fileCount) / 10;
    progress.infoText = progressText(progress.percent);
    m_observer.progressed(progress);

    Task task;
    task.seq = next++;
    task.source = source;
    task.path = QDir::cleanPath(entry.folder + u'/' + entry.name); // where a source path enters
    task.write = job.writesPictures();
    task.sheet = job.makesSheets();
    task.job = std::move(job);
    inFlight.push_back(task);
    pool.submit(std::move(task));
  };

  const auto finish = [&](const Task &task, Outcome outcome) {
    const SourceEntry &entry = input.sources[task.source];
    const QString &sourcePath = task.path;
    if (!outcome.readError.isEmpty()) {
      report.unreadable.add(sourcePath, outcome.readError);
      m_observer.pictureFailed(sourcePath, outcome.readError);
      return;
    }
    const QString frameText = entries.value(task.job.frame);
    if (task.sheet) {
      SheetPicture picture{outcome.image, entry.name, QFileInfo(sourcePath).size(), frameText,
                           m_job.presetText()};
      sheet.place(picture, task.job.captions);
    }
    if (!task.write)
      return;
    if (outcome.searched)
      m_observer.jobChanged(
          m_job.update([&](JobSettings &job) { job.fixedQuality = QString::number(outcome.quality); }));

    const QString folder = task.job.sameFolder ? entry.folder : outputFolder;
    const QString suffix =
        task.job.suffixTemplate
            ? substituteSuffix(*task.job.suffixTemplate,
                               {qualityText, outcome.size.width(), outcome.size.height(), frameText})
            : QString();
    const QString wanted = QDir::cleanPath(folder + u'/' + outputFileName(stem(entry.name), suffix));
    if (!task.job.sameFolder && !outputFolderReady()) {
      noOutputFolder(wanted);
      return;
    }
    if (!outcome.encodeError.isEmpty()) {
      report.unwritten.add(wanted, outcome.encodeError);
      m_observer.pictureFailed(wanted, outcome.encodeError);
      return;
    }
    try {
      const QString path = writeNewJpegFile(wanted, outcome.bytes, nextFreeName);
      report.written.append(path);
      m_observer.pictureWritten(path);
    } catch (const std::exception &error) {
      report.unwritten.add(wanted, errorText(error));
      m_observer.pictureFailed(wanted, errorText(error));
    }
  };

  // Pictures are begun a few ahead, so a worker that is done does not wait
  // while a slow picture holds the head of the line. A finished picture waiting
  // its turn holds only its encoded bytes (and its small copy for a sheet).
  const int window = threads * 4;
  int dropped = 0;
  while (true) {
    while (int(inFlight.size()) < window && next < total && !m_stop)
      begin();
    if (m_stop && dropped == 0) {
      // Only the pictures a worker has begun are finished after a stop.
      dropped = pool.dropWaiting();
      inFlight.resize(inFlight.size() - dropped);
    }
    if (inFlight.empty())
      break;
    Task task = std::move(inFlight.front());
    inFlight.pop_front();
    finish(task, pool.take(task.seq));
  }
  report.stopped = m_stop;
  report.skipped = total - next + dropped;

  sheet.finish();
  m_observer.jobChanged(m_job.update([&](JobSettings &job) {
    job.sizeLimitKb = start.sizeLimitKb;
    if (tryingFrames) {
      job.suffixTemplate = start.suffixTemplate;
      job.frame = kTryAllEntry;
    }
  }));
  return report;
}

} // namespace veltrane
