// The window's side of a batch: starting and stopping it, its progress, the
// job it shares with the window while it runs, and what its end does.
#include "ui/MainWindow.h"

#include "batch/BatchReport.h"
#include "batch/TryAllConfirmation.h"
#include "platform/PlatformServices.h"
#include "presets/BuiltInPresets.h"
#include "ui/BatchNotice.h"
#include "ui/BatchRunner.h"
#include "ui/FileList.h"
#include "ui/JobControls.h"
#include "ui/JobSync.h"
#include "ui/SettingsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace veltrane {
namespace {

WindowMode folderWindowMode(qint32 mode) { return mode == 3 ? WindowMode::Maximised : WindowMode::Normal; }

} // namespace

void MainWindow::syncJob() {
  const JobSettings now = m_controls->job();
  if (!m_takingBatchChanges)
    m_shared.update([&](JobSettings &job) { mergeChangedFields(job, m_synced, now); });
  m_synced = now;
}

void MainWindow::takeBatchChanges(const JobSettings &fromBatch) {
  // The batch's job has these values already: nothing to hand back.
  m_takingBatchChanges = true;
  m_controls->takeBatchChanges(fromBatch);
  m_takingBatchChanges = false;
  m_synced = m_controls->job();
}

void MainWindow::updateListButtons() {
  const MainWindowForm &f = m_form;
  const bool running = isBatchRunning();
  f.addFiles->setEnabled(!running);
  f.removeFiles->setEnabled(!running && f.fileList->removeEnabled());
  f.clearAll->setEnabled(!running && f.fileList->clearAllEnabled());
  f.presets->setEnabled(!running);
  m_controls->setBatchRunning(running);
  f.goButton->setEnabled(running ? !m_runner->stopRequested() : f.fileList->goEnabled());
}

void MainWindow::goOrStop() {
  if (isBatchRunning()) {
    m_runner->requestStop();
    updateListButtons();
    return;
  }
  if (m_table.fileCount() == 0)
    return;
  const JobSettings job = m_controls->job();
  if (const std::optional<Prompt> question =
          tryAllConfirmation(job, m_controls->frameCount(), m_table.fileCount()))
    if (m_platform.prompts->ask(*question) != PromptAnswer::Ok)
      return;

  showGoRunning(m_form.goButton);
  BatchInput input;
  for (int row = 1; row <= m_table.fileCount(); ++row)
    input.sources.append({m_table.cell(row, 3), m_table.cell(row, 2)});
  input.frameEntries = m_controls->frameEntries();
  input.sheetStyle = m_settings->sheetStyle();
  input.photo = m_settings->photoOptions();
  m_shared.setJob(job);
  m_shared.setCaptionsNameFrames(choosesFrames(m_form.presets->currentText()));
  m_synced = job;
  showProgress({});
  setProgressVisible(true);
  m_runner->start(std::move(input));
  updateListButtons();
}

void MainWindow::showProgress(const BatchProgress &progress) {
  m_form.currentFile->setText(progress.processing);
  m_form.progressPercent->setText(progress.infoText);
  const QRect track = m_form.progressPercent->geometry();
  m_form.progressBar->setGeometry(track.x(), track.y(), int(track.width() * progress.percent / 100),
                                  track.height());
  m_platform.notifier->showProgress(progress.percent / 100, true);
}

void MainWindow::setProgressVisible(bool visible) {
  for (QWidget *widget : std::initializer_list<QWidget *>{m_form.currentFile, m_form.progressTrack,
                                                          m_form.progressBar, m_form.progressPercent})
    widget->setVisible(visible);
}

void MainWindow::batchEnded(const BatchReport &report) {
  setProgressVisible(false);
  m_platform.notifier->showProgress(1, false);
  const bool opensFolder =
      m_program.folderWindowMode >= 1 && !m_form.sameFolder->isChecked() && !report.outputFolder.isEmpty();
  // Before the report's message boxes, which wait for the user.
  if (const std::optional<Notice> notice =
          batchNotice(report, {isActiveWindow(), opensFolder, m_program.exitWhenDone != 0}))
    m_platform.notifier->notify(*notice);
  for (const Prompt &prompt : batchReportPrompts(report))
    m_platform.prompts->ask(prompt);
  updateListButtons();
  showGoIdle(m_form.goButton);

  // Nothing more when the batch could not begin: its message says why.
  if (report.started()) {
    if (m_program.exitWhenDone == 0)
      show();
    else
      hide();
    if (opensFolder)
      m_platform.launcher->openFolder(report.outputFolder, folderWindowMode(m_program.folderWindowMode));
    if (m_program.exitWhenDone != 0)
      exitProgram();
  }
  emit batchFinished();
}

} // namespace veltrane
