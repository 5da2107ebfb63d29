// The window's side of the settings file: reading it at start, writing it
// at shut-down, and telling the user what became of it.
#include "ui/MainWindow.h"
#include "ui/WindowText.h"

#include "platform/PlatformServices.h"
#include "presets/SettingsFile.h"
#include "ui/JobControls.h"
#include "ui/PresetControls.h"
#include "ui/PreviewWindow.h"
#include "ui/SettingsWindow.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace veltrane {

void MainWindow::loadSettings() {
  const QStringList &entries = m_controls->frameEntries();
  const QString path = m_folder.settingsReadPath();
  FirstRunContext context;
  context.desktopFolder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  context.screen = m_platform.screen->size();
  context.mainWindow = QSize(kClientWidth, kClientHeight);
  const SettingsState firstRun = firstRunSettings(context, entries);
  const SettingsState state =
      QFileInfo(path).isFile() ? readSettings(readWholeFile(path), firstRun, entries) : firstRun;

  m_program = state.program;
  m_settings->setSheetOptions(m_program);
  m_settings->setPhotoOptions(m_program.photo);
  m_settings->setGuideAtExit(m_program.guideAtExit);
  m_form.manualSize->setChecked(m_program.manualSize != 0);
  m_form.showPreview->setChecked(m_program.showPreview != 0);
  m_controls->setJob(state.job);
  m_presets->setStore(state.presets);
  m_presetsAtLoad = state.presets;
  m_presets->select(m_program.presetIndex);
}

void MainWindow::saveSettings(bool userIsThere) {
  SettingsState state;
  state.program = m_program;
  ProgramSettings &program = state.program;
  m_settings->writeSheetOptions(program);
  program.photo = m_settings->photoOptions();
  program.guideAtExit = m_settings->guideAtExit();
  program.presetIndex = qint16(m_presets->selected());
  program.manualSize = m_form.manualSize->isChecked() ? 1 : 0;
  program.showPreview = m_form.showPreview->isChecked() ? 1 : 0;
  if (m_placed) {
    program.mainLeft = float(pos().x() * kTwipsPerPixel);
    program.mainTop = float(pos().y() * kTwipsPerPixel);
  }
  if (m_previewPlaced) {
    program.previewLeft = float(m_preview->pos().x() * kTwipsPerPixel);
    program.previewTop = float(m_preview->pos().y() * kTwipsPerPixel);
  }
  state.job = m_controls->job();
  state.presets = m_presets->store();

  // Another copy of the program may have saved presets since this one read
  // the file: they stay.
  const ProgramFolder::SaveResult result = m_folder.saveSettings([&](const QByteArray &saved) {
    return writeSettingsOver(saved, state, m_presetsAtLoad, m_controls->frameEntries());
  });
  if (!result.notice.isEmpty()) {
    // Seen now: not again at the next start.
    if (userIsThere)
      m_folder.takeNotice();
    tell({MainWindowText::tr("Settings saved elsewhere"), result.notice, PromptIcon::Information,
          PromptButtons::Ok, PromptAnswer::Ok},
         userIsThere);
  }
  if (!result.saved)
    tell({MainWindowText::tr("Settings not saved"),
          MainWindowText::tr("The settings could not be saved:\r\n\r\n") + result.error, PromptIcon::Critical,
          PromptButtons::Ok, PromptAnswer::Ok},
         userIsThere);
}

void MainWindow::tell(const Prompt &prompt, bool userIsThere) {
  if (userIsThere) {
    m_platform.prompts->ask(prompt);
    return;
  }
  QString text = prompt.text;
  text.replace(QStringLiteral("\r\n\r\n"), QStringLiteral("\n"))
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QTextStream(stderr) << "veltrane: " << prompt.title << ": " << text << "\n";
}

void MainWindow::showNotice() {
  if (m_shutDown)
    return;
  const QString notice = m_folder.takeNotice();
  if (!notice.isEmpty())
    m_platform.prompts->ask({MainWindowText::tr("Settings saved elsewhere"), notice, PromptIcon::Information,
                             PromptButtons::Ok, PromptAnswer::Ok});
}

} // namespace veltrane
