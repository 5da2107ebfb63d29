#pragma once

#include "batch/BatchTimes.h"
#include "batch/MemorySizing.h"
#include "imaging/MemoryBudget.h"
#include "imaging/PictureEncoder.h"
#include "presets/PhotoOptions.h"
#include "presets/ResizeJob.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace veltrane {

class PictureDecoder;
class PicturePreparer;
struct PreparedPicture;
struct PrepareResult;

// One picture to make: a source, with one frame when trying them all.
struct Task {
  int seq = 0;
  int source = 0;
  ResizeJob job; // as it stood when the picture was begun
  QString path;
  bool write = true;                // resized pictures are wanted
  bool sheet = false;               // the picture goes on an index sheet
  bool sourceMetadata = true;       // the written picture carries its source's metadata (not frame trials)
  std::vector<ResizeJob> extraJobs; // more pictures to write from the same decode
  // Whether the job's output of this size and format is already there, for
  // a run that skips those; null when not asked (or only known once encoded).
  std::function<bool(QSize size, OutputFormat format)> outputTaken;
};

struct Outcome {
  QString readError; // the source (or its frame) could not be read or prepared
  bool refusedByJob =
      false;           // readError is the job's: the source was read, but no picture of that size can be made
  QString encodeError; // the picture could not be encoded
  QImage image;        // kept only for the index sheet
  QSize size;
  int quality = 0;
  bool searched = false;
  QByteArray bytes;
  QSize shrunkFrom;           // the prepared size, when the size limit made the picture smaller
  bool extrasDropped = false; // the profile and metadata did not fit the size limit
  bool locationRemoved = false;
  OutputFormat format = OutputFormat::Jpeg; // the format written
  QString leftOut;                          // what of the metadata the format could not carry
  int encodes = 0;                          // the encodings a size limit took
  bool firstFrameOnly = false;              // the source was an animation
  bool outOfProportion = false;             // stretched to both limits by more than 1%
  bool alreadyThere = false;                // not encoded: Task::outputTaken said so
  QString photoNote;                  // what of the source's colours or metadata could not be used, and why
  std::vector<Outcome> extraOutcomes; // one per Task::extraJobs
};

// Prepares and encodes pictures on worker threads; results are collected in
// the order the pictures were begun.
class WorkerPool {
public:
  WorkerPool(int threads, const PicturePreparer &preparer, const QStringList &frameEntries,
             const PhotoOptions &photo = {}, MemorySizing memory = memorySizingFor(0, std::nullopt));
  ~WorkerPool();
  WorkerPool(const WorkerPool &) = delete;
  WorkerPool &operator=(const WorkerPool &) = delete;

  void submit(Task task);
  // Forgets the pictures no worker has begun; returns how many.
  int dropWaiting();
  // Waits for the outcome of the picture begun as `seq`.
  Outcome take(int seq);
  // Where each worker's time went so far.
  std::vector<WorkerTimes> times() const;

private:
  // A worker's times, and since when it has waited for a picture.
  struct Clock {
    WorkerTimes times;
    std::optional<std::chrono::steady_clock::time_point> idleSince;
  };

  void run(Clock &clock);
  void giveBackSpareMemory();
  Outcome make(const Task &task, PictureDecoder &decoder, EncoderSet &encoders, WorkerTimes &times);
  Outcome outcomeOf(const Task &task, const ResizeJob &job, const PrepareResult &prepared, bool write,
                    bool sheet, EncoderSet &encoders);
  void encode(const Task &task, const ResizeJob &job, const PreparedPicture &prepared, EncoderSet &encoders,
              Outcome &outcome);
  static void addPreparing(const std::vector<PrepareResult> &prepared, std::chrono::nanoseconds spent,
                           WorkerTimes &times);

  const PicturePreparer &m_preparer;
  const QStringList m_frameEntries;
  const PhotoOptions m_photo;
  const int m_encoderThreads; // what one encode may use of the cores the workers leave
  SizeMemories m_sizeMemories;
  // Shared by every worker, whatever their number: two large progressive
  // decodes do not run at once when they do not fit together, and a picture
  // that decodes to more than it (a tiny file can claim a 250-megapixel
  // canvas) runs alone, or not at all past what the machine can give.
  MemoryBudget m_memoryBudget;
  mutable std::mutex m_mutex;
  std::condition_variable m_taskReady;
  std::condition_variable m_outcomeReady;
  std::deque<Task> m_tasks;
  std::map<int, Outcome> m_outcomes;
  bool m_closed = false;
  std::deque<Clock> m_clocks; // one per worker, guarded by m_mutex
  std::vector<std::thread> m_threads;
};

} // namespace veltrane
