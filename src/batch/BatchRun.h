#pragma once

#include "batch/BatchEngine.h"
#include "batch/IndexSheet.h"
#include "batch/OutputNaming.h"
#include "batch/SharedJob.h"
#include "batch/WorkerPool.h"
#include "imaging/PictureEncoder.h"
#include "presets/JobSettings.h"

#include <QString>
#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

// The batch engine's own: one run of a batch, split over BatchRun.cpp (the
// flow: beginning and finishing pictures) and BatchRunOutput.cpp (writing).
namespace veltrane {

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
  void resolveJobsAtStart();
  void finishAll(WorkerPool &pool, int window, std::vector<Begun> &dropped);
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

} // namespace veltrane
