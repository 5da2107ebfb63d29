#include "batch/BatchEngine.h"

#include "batch/BatchRun.h"

#include <QLocale>
#include <cmath>

namespace veltrane {

QString progressText(double percent) {
  const bool whole = std::fmod(percent, 1.0) == 0;
  return QLocale().toString(percent, 'f', whole ? 0 : 1) + u'%';
}

BatchEngine::BatchEngine(const PicturePreparer &preparer, SharedJob &job, BatchObserver &observer)
    : m_preparer(preparer), m_job(job), m_observer(observer) {}

BatchReport BatchEngine::run(const BatchInput &input) {
  return BatchRun(m_preparer, m_job, m_observer, m_stop, input).run();
}

} // namespace veltrane
