#pragma once

#include "batch/BatchReport.h"
#include "batch/IndexSheet.h"
#include "batch/SourceFeed.h"
#include "presets/JobSettings.h"
#include "presets/PhotoOptions.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <atomic>

namespace veltrane {

class PicturePreparer;
class SharedJob;
struct JobSettings;

// What became of one picture or index sheet, for a report of every file.
struct PictureRecord {
  enum class Status { Written, Failed, Skipped };
  QString source;   // as the user named it; empty for an index sheet
  QString output;   // the file written, or the name it was meant to have; empty when skipped
  QSize size;       // in pixels, when written
  qint64 bytes = 0; // when written
  int quality = 0;  // the JPEG quality used, when written
  Status status = Status::Written;
  QString reason;  // why it failed or was skipped
  QString format;  // the word of the format written ("jpeg", "webp", ...); empty when nothing was
  int encodes = 0; // the encodings it took, when written
};

// Where the batch stands, for the progress display.
struct BatchProgress {
  QString processing; // the file being worked on, "40% of name" while trying frames
  double percent = 0; // with one decimal
  QString infoText;   // "45%" or "45.5%"
};

// How a running batch talks back. Called on the batch's own thread.
class BatchObserver {
public:
  virtual ~BatchObserver() = default;
  virtual void progressed(const BatchProgress &) {}
  // The batch changed the job (the quality found, the frame tried, and
  // everything put back at the end): the window shows it.
  virtual void jobChanged(const JobSettings &) {}
  virtual void pictureWritten(const QString & /*path*/) {}
  virtual void pictureFailed(const QString & /*path*/, const QString & /*reason*/) {}
  // Every picture and sheet the batch finished, written or not, besides the
  // calls above; after a stop, every source it left out, once.
  virtual void pictureDone(const PictureRecord &) {}
};

struct BatchInput {
  QList<SourceEntry> sources; // fixed when the batch starts
  QStringList frameEntries;
  SheetStyle sheetStyle;
  int threads = 0;    // 0: one per core
  PhotoOptions photo; // what written pictures keep of their sources' colours and metadata
  // More jobs, each writing its own picture of every source from the same
  // decode (mail size, web size and thumbnail in one pass); they make no
  // index sheets and share the output folder.
  QList<JobSettings> extraJobs;
  // Read instead of `sources` when set: a list too long to hold, one at a time.
  SourceFeed *feed = nullptr;
  // A picture whose output name is already taken is left out ("output
  // exists") instead of written under the next free name: a re-run adds nothing.
  bool skipExisting = false;
  // What the pictures may hold at once, in bytes; 0 sizes it to the memory
  // the machine (or the control group the program runs in) has free.
  qint64 memoryBytes = 0;
};

// Runs a batch: every source, with every frame when trying them all, is
// prepared and encoded on worker threads, while naming, index sheets and
// writing happen in list order, so the files are the same whatever the
// number of threads. One engine runs one batch: a stop asked for before the
// batch begins is honoured.
class BatchEngine {
public:
  BatchEngine(const PicturePreparer &preparer, SharedJob &job, BatchObserver &observer);

  // Runs the whole batch and returns when it is done.
  BatchReport run(const BatchInput &input);

  // From any thread: pictures already under way are finished and written,
  // the partly filled sheet too; nothing new is begun.
  void requestStop() { m_stop = true; }
  bool stopRequested() const { return m_stop; }

private:
  const PicturePreparer &m_preparer;
  SharedJob &m_job;
  BatchObserver &m_observer;
  std::atomic<bool> m_stop{false};
};

// "45%", "45.5%": one decimal only when it is not zero.
QString progressText(double percent);

} // namespace veltrane
