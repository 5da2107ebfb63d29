#pragma once

#include "presets/JobSettings.h"

#include <QMutex>
#include <functional>

namespace veltrane {

// The job as the window's controls hold it, shared with a running batch:
// the batch reads it again for every picture it starts, and the changes it
// makes itself (the quality found, the frame tried) land here too.
class SharedJob {
public:
  explicit SharedJob(JobSettings job = {}, bool captionsNameFrames = false)
      : m_job(std::move(job)), m_captionsNameFrames(captionsNameFrames) {}

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
  // Whether sheet captions name the frame tried instead of the file: the
  // window sets it from the preset box, which may change during a batch.
  bool captionsNameFrames() const {
    const QMutexLocker lock(&m_mutex);
    return m_captionsNameFrames;
  }
  void setCaptionsNameFrames(bool yes) {
    const QMutexLocker lock(&m_mutex);
    m_captionsNameFrames = yes;
  }

private:
  mutable QMutex m_mutex;
  JobSettings m_job;
  bool m_captionsNameFrames = false;
};

} // namespace veltrane
