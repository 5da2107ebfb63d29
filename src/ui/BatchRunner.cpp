#include "ui/BatchRunner.h"

#include "batch/SharedJob.h"

#include <QThread>
#include <atomic>

namespace veltrane {

// One batch: the engine, the thread it runs on, and the observer that queues
// the engine's news (told on the batch's thread) for the runner's thread.
class BatchRunner::Run : public BatchObserver {
public:
  Run(BatchRunner &runner, quint64 generation)
      : m_runner(runner), m_generation(generation), m_engine(runner.m_preparer, runner.m_job, *this) {}

  void progressed(const BatchProgress &progress) override {
    post([progress](BatchRunner &runner) { emit runner.progressed(progress); });
  }
  void jobChanged(const JobSettings &job) override {
    post([job](BatchRunner &runner) { emit runner.jobChanged(job); });
  }

  void start(BatchInput input) {
    m_thread.reset(QThread::create([this, input = std::move(input)] {
      const BatchReport report = m_engine.run(input);
      post([report](BatchRunner &runner) { runner.ended(report); });
    }));
    m_thread->start();
  }
  void wait() { m_thread->wait(); }
  void requestStop() {
    m_stopWanted = true;
    m_engine.requestStop();
  }
  bool stopRequested() const { return m_stopWanted; }

private:
  template <typename Message> void post(Message message) {
    BatchRunner *runner = &m_runner;
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
        runner,
        [runner, generation, message] {
          if (runner->m_generation == generation)
            message(*runner);
        },
        Qt::QueuedConnection);
  }

  BatchRunner &m_runner;
  const quint64 m_generation;
  BatchEngine m_engine;
  std::unique_ptr<QThread> m_thread;
  std::atomic<bool> m_stopWanted{false};
};

BatchRunner::BatchRunner(const PicturePreparer &preparer, SharedJob &job, QObject *parent)
    : QObject(parent), m_preparer(preparer), m_job(job) {}

BatchRunner::~BatchRunner() { stopAndWait(); }

bool BatchRunner::stopRequested() const { return m_run && m_run->stopRequested(); }

void BatchRunner::start(BatchInput input) {
  if (m_run)
    return;
  m_run = std::make_unique<Run>(*this, ++m_generation);
  m_run->start(std::move(input));
}

void BatchRunner::requestStop() {
  if (m_run)
    m_run->requestStop();
}

void BatchRunner::ended(const BatchReport &report) {
  m_run->wait();
  m_run.reset();
  emit finished(report);
}

void BatchRunner::stopAndWait() {
  if (!m_run)
    return;
  ++m_generation;
  m_run->requestStop();
  m_run->wait();
  m_run.reset();
}

} // namespace veltrane
