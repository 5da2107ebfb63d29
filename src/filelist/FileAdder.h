#pragma once

#include "common/FailedFiles.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace veltrane {

class SourceList;

// Where the files of an adding operation came from; each reports its own way.
enum class AddSource { Dialog, Drop };

struct AddReport {
  AddSource source = AddSource::Dialog;
  int added = 0;
  FailedFiles refused; // by their extension
  QStringList leftOut; // by a full list
};

// Adds the files of one operation after another in short slices between
// window events, so a long list keeps the window live and shows which file is
// going in. Operations queue up in the order they were asked for.
class FileAdder : public QObject {
  Q_OBJECT
public:
  explicit FileAdder(SourceList &list, QObject *parent = nullptr);

  // Queues paths; a path without "/" is a name in `folder`.
  void enqueue(AddSource source, const QStringList &paths, const QString &folder = {});
  // Forgets the files not yet added, and their operations' reports.
  void cancel();
  bool isBusy() const { return !m_operations.isEmpty(); }

signals:
  // The name of the file going in; an empty text when adding has ended.
  void processing(const QString &name);
  // Rows were added in the last slice.
  void rowsAdded();
  // One operation is done. Adding pauses while its receivers run, so a
  // report shown in a message box comes before the next operation's files.
  void finished(const veltrane::AddReport &report);
  void busyChanged(bool busy);

private:
  struct Operation {
    AddReport report;
    QStringList paths;
    QString folder;
    qsizetype next = 0;
  };

  void runSlice();
  void resume();

  SourceList &m_list;
  QList<Operation> m_operations;
  QTimer m_timer;
  bool m_reporting = false;
  quint64 m_generation = 0;
};

} // namespace veltrane
