#pragma once

#include "batch/BatchEngine.h"

#include <QObject>
#include <memory>

namespace veltrane {

class PicturePreparer;
class SharedJob;

// Runs the batch engine on a thread of its own, so the window stays live,
// and hands its news to the window's thread as signals.
class BatchRunner : public QObject {
  Q_OBJECT
public:
  BatchRunner(const PicturePreparer &preparer, SharedJob &job, QObject *parent = nullptr);
  ~BatchRunner() override;

  bool isRunning() const { return m_run != nullptr; }
  bool stopRequested() const;

  void start(BatchInput input);
  // The pictures under way are finished and written; nothing new is begun.
  void requestStop();
  // Stops, waits for the end and drops whatever the batch still had to say:
  // for the program's end.
  void stopAndWait();

signals:
  void progressed(const veltrane::BatchProgress &progress);
  void jobChanged(const veltrane::JobSettings &job);
  void finished(const veltrane::BatchReport &report);

private:
  class Run;
  void ended(const BatchReport &report);

  const PicturePreparer &m_preparer;
  SharedJob &m_job;
  std::unique_ptr<Run> m_run;
  // Messages of a run that was stopped and dropped are not delivered.
  quint64 m_generation = 0;
};

} // namespace veltrane
