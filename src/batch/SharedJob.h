#pragma once

#include "presets/JobSettings.h"

#include <QMutex>
#include <QString>
#include <functional>

namespace veltrane {

// The job as the window's controls hold it, shared with a running batch:
// the batch reads it again for every picture it starts, and the changes it
// makes itself (the quality found, the frame tried) land here too.
class SharedJob {
public:
  explicit SharedJob(JobSettings job = {}, QString presetText = {})
      : m_job(std::move(job)), m_presetText(std::move(presetText)) {}

  JobSettings job() const {
    const QMutexLocker lock(&m_mutex);
    return m_job;
  }
  void setJob(const JobSettings &job) {
    const QMutexLocker lock(&m_mutex);
    m_job = job;
  }
  // Changes the job in place and returns the result.
  JobSettings update(const std::function<void(JobSettings &)> &change) {
    const QMutexLocker lock(&m_mutex);
    change(m_job);
    return m_job;
  }
  // The preset box's text: "SELECT THE BEST FRAME" changes sheet captions.
  QString presetText() const {
    const QMutexLocker lock(&m_mutex);
    return m_presetText;
  }
  void setPresetText(const QString &text) {
    const QMutexLocker lock(&m_mutex);
    m_presetText = text;
  }

private:
  mutable QMutex m_mutex;
  JobSettings m_job;
  QString m_presetText;
};

} // namespace veltrane
