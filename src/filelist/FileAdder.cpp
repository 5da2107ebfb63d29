#include "filelist/FileAdder.h"

#include "filelist/SourceFiles.h"
#include "filelist/SourceList.h"

#include <optional>

namespace veltrane {
namespace {

// A slice ends after this long, so the window answers at once.
constexpr qint64 kSliceMs = 15;

} // namespace

FileAdder::FileAdder(SourceList &list, QObject *parent) : QObject(parent), m_list(list) {
  m_timer.setSingleShot(true);
  m_timer.setInterval(0);
  connect(&m_timer, &QTimer::timeout, this, &FileAdder::runSlice);
}

void FileAdder::enqueue(AddSource source, const QStringList &paths, const QString &folder) {
  const bool wasBusy = isBusy();
  Operation operation;
  operation.report.source = source;
  operation.paths = paths;
  operation.folder = folder;
  m_operations.append(std::move(operation));
  if (!wasBusy)
    emit busyChanged(true);
  resume();
}

void FileAdder::cancel() {
  if (!isBusy())
    return;
  m_timer.stop();
  m_operations.clear();
  ++m_generation;
  emit processing(QString());
  emit busyChanged(false);
}

void FileAdder::resume() {
  if (!m_reporting && isBusy() && !m_timer.isActive())
    m_timer.start();
}

void FileAdder::runSlice() {
  if (m_operations.isEmpty())
    return;
  Operation &operation = m_operations.first();
  QElapsedTimer clock;
  clock.start();
  QString last;
  int added = 0;
  while (operation.next < operation.paths.size() && clock.elapsed() < kSliceMs) {
    const QString &path = operation.paths.at(operation.next++);
    if (addThis(m_list, path, operation.folder, operation.report.refused, operation.report.leftOut) ==
        AddResult::Added) {
      ++added;
      last = path;
    }
  }
  operation.report.added += added;
  const QString folder = operation.folder;
  std::optional<AddReport> report;
  if (operation.next >= operation.paths.size())
    report = m_operations.takeFirst().report;

  // Receivers may cancel: what follows then belongs to nothing.
  const quint64 generation = m_generation;
  if (added > 0) {
    emit processing(splitSourcePath(last, folder).name);
    emit rowsAdded();
    if (generation != m_generation)
      return;
  }
  if (!report) {
    resume();
    return;
  }
  if (m_operations.isEmpty()) {
    emit processing(QString());
    emit busyChanged(false);
  }
  m_reporting = true;
  emit finished(*report);
  m_reporting = false;
  resume();
}

} // namespace veltrane
