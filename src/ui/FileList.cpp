#include "ui/FileList.h"
#include "ui/WindowText.h"

#include "common/FailedFiles.h"
#include "filelist/SourceFiles.h"
#include "filelist/SourceList.h"
#include "platform/PlatformServices.h"
#include "ui/FileGrid.h"

#include <QFileInfo>
#include <QVBoxLayout>

namespace veltrane {

FileList::FileList(SourceList &table, PlatformServices &platform, QWidget *parent)
    : QWidget(parent), m_table(table), m_platform(platform),
      m_grid(new FileGrid(table, *platform.launcher, this)), m_adder(table) {
  setObjectName(QStringLiteral("FileList"));
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_grid);

  connect(m_grid, &FileGrid::rowClicked, this, [this] { setRemoveEnabled(true); });
  connect(m_grid, &FileGrid::selectionChanged, this, &FileList::selectionChanged);
  connect(m_grid, &FileGrid::currentRowChanged, this, &FileList::currentRowChanged);
  connect(m_grid, &FileGrid::filesDropped, this, &FileList::addPaths);

  connect(&m_adder, &FileAdder::processing, this, &FileList::processing);
  connect(&m_adder, &FileAdder::rowsAdded, this, &FileList::refreshGrid);
  connect(&m_adder, &FileAdder::busyChanged, this, &FileList::updateButtons);
  connect(&m_adder, &FileAdder::finished, this, &FileList::addingFinished);
}

int FileList::currentRow() const { return m_grid->currentRow(); }

void FileList::addFromDialog() {
  const QStringList paths = m_platform.dialogs->openFiles(QString(), m_lastFolder, addDialogFilter());
  if (paths.isEmpty())
    return;
  // The dialog opens next time where the user left it.
  m_lastFolder = QFileInfo(paths.first()).absolutePath();
  m_adder.enqueue(AddSource::Dialog, paths);
}

void FileList::addPaths(const QStringList &paths) {
  if (!paths.isEmpty())
    m_adder.enqueue(AddSource::Drop, paths);
}

void FileList::addCommandLine(const QString &commandLine) {
  const QString path = commandLineFile(commandLine);
  if (QFileInfo(path).isDir()) {
    m_commandLineRefused.add(QFileInfo(path).fileName() + MainWindowText::tr(" (a folder)"));
    return;
  }
  QStringList leftOut;
  if (addThis(m_table, path, QString(), m_commandLineRefused, leftOut) == AddResult::Added)
    refreshGrid();
}

void FileList::reportCommandLineRefusals() {
  if (m_commandLineRefused.isEmpty())
    return;
  const Prompt report = dropReport(m_commandLineRefused);
  m_commandLineRefused.clear();
  m_platform.prompts->ask(report);
}

void FileList::addingFinished(const AddReport &report) {
  refreshGrid();
  if (!report.refused.isEmpty())
    m_platform.prompts->ask(report.source == AddSource::Dialog ? dialogReport(report.refused)
                                                               : dropReport(report.refused));
  if (!report.leftOut.isEmpty())
    m_platform.prompts->ask(listFullReport(report.leftOut));
}

void FileList::removeChosen() {
  if (removeMarkedOrSelected(m_table, m_grid->currentRow()) == Removal::None)
    return;
  clearSelection();
  refreshGrid();
  setRemoveEnabled(false);
}

void FileList::clearAll() {
  m_adder.cancel();
  m_table.clear();
  clearSelection();
  refreshGrid();
  setRemoveEnabled(false);
}

void FileList::refreshGrid() {
  m_grid->refreshLayout();
  updateButtons();
}

void FileList::clearSelection() { m_grid->setCurrentRow(0); }

void FileList::updateButtons() {
  // A batch must not start on a list that is still filling up.
  const bool go = m_table.fileCount() > 0 && !m_adder.isBusy();
  const bool clearAll = m_table.fileCount() > 0 || m_adder.isBusy();
  if (go != m_goEnabled) {
    m_goEnabled = go;
    emit goEnabledChanged(go);
  }
  if (clearAll != m_clearAllEnabled) {
    m_clearAllEnabled = clearAll;
    emit clearAllEnabledChanged(clearAll);
  }
}

void FileList::setRemoveEnabled(bool enabled) {
  if (enabled == m_removeEnabled)
    return;
  m_removeEnabled = enabled;
  emit removeEnabledChanged(enabled);
}

} // namespace veltrane
