#include "batch/BatchTimes.h"

namespace veltrane {

namespace {

QString milliseconds(std::chrono::nanoseconds time) {
  return QString::number(std::chrono::duration_cast<std::chrono::milliseconds>(time).count());
}

} // namespace

QStringList timeTableLines(const BatchTimes &times) {
  QStringList lines{QStringLiteral("milliseconds: pictures decoding preparing encoding waiting-for-memory "
                                   "waiting-for-work")};
  for (size_t i = 0; i < times.workers.size(); ++i) {
    const WorkerTimes &worker = times.workers[i];
    lines << QStringLiteral("worker %1: %2 %3 %4 %5 %6 %7")
                 .arg(i + 1)
                 .arg(worker.pictures)
                 .arg(milliseconds(worker.decoding), milliseconds(worker.preparing),
                      milliseconds(worker.encoding), milliseconds(worker.waitingForMemory),
                      milliseconds(worker.waitingForWork));
  }
  lines << QStringLiteral("writing: %1, waiting for the next picture: %2, whole batch: %3")
               .arg(milliseconds(times.writing), milliseconds(times.waitingForPicture),
                    milliseconds(times.whole));
  return lines;
}

} // namespace veltrane
