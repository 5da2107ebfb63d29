#include "ui/MainWindow.h"
#include "ui/CaptionFitting.h"

#include "batch/BatchReport.h"
#include "imaging/PicturePreparer.h"
#include "platform/PlatformServices.h"
#include "presets/BuiltInPresets.h"
#include "presets/PresetLine.h"
#include "presets/SettingsFile.h"
#include "ui/AccessibleNames.h"
#include "ui/BatchRunner.h"
#include "ui/FileGrid.h"
#include "ui/FileList.h"
#include "ui/HelpText.h"
#include "ui/JobControls.h"
#include "ui/JobSync.h"
#include "ui/MenuEntryBoxes.h"
#include "ui/PresetControls.h"
#include "ui/PreviewController.h"
#include "ui/PreviewWindow.h"
#include "ui/ProgramIcon.h"
#include "ui/ScreenPlace.h"
#include "ui/SettingsWindow.h"
#include "ui/WebPages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace veltrane {
namespace {

QPoint pixelsFromTwips(float left, float top) {
  return {int(std::lround(left / kTwipsPerPixel)), int(std::lround(top / kTwipsPerPixel))};
}

} // namespace

MainWindow::MainWindow(ProgramFolder folder, PlatformServices &platform, const QStringList &pictures,
                       QWidget *parent)
    : QWidget(parent), m_folder(std::move(folder)), m_platform(platform) {
  setObjectName(QStringLiteral("fMain"));
  setWindowTitle(QStringLiteral("Veltrane"));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  setFont(font);
  setFixedSize(kClientWidth, kClientHeight);

  m_form = buildMainWindowForm(this, m_table, platform);
  fitCaptions(*this);
  nameForAssistiveTechnology(m_form);
  m_menuBoxes = new MenuEntryBoxes(
      FileManagerMenu::forUser(QCoreApplication::applicationFilePath(),
                               m_folder.startArguments(QCoreApplication::applicationDirPath())),
      m_form.jpegMenu, m_form.bmpGifMenu, *platform.prompts, this);
  m_controls = new JobControls(m_form, platform, this);
  m_presets = new PresetControls(
      m_form.presets, m_form.addPreset, m_form.removePreset, *platform.prompts,
      [this] { return toPreset(m_controls->job(), m_controls->frameEntries()); }, this);
  // Windows of their own, not children: disabling the main window must not
  // disable them.
  m_settings = std::make_unique<SettingsWindow>(*platform.dialogs);
  m_preview = std::make_unique<PreviewWindow>(*platform.screen, *this,
                                              [this] { return m_controls->updatingSizes(); });
  connectControls();
  setWindowIcon(programIcon());
  m_fadeTimer.setInterval(100);
  connect(&m_fadeTimer, &QTimer::timeout, this, &MainWindow::fadePreview);
  // Where the windows' places are not known, neither is their overlap.
  if (platform.screen->windowPlacesKnown())
    m_fadeTimer.start();
  startUp(pictures);
}

MainWindow::~MainWindow() {
  if (m_runner)
    m_runner->stopAndWait();
  // The reactions go before the controls they watch, which may still send
  // events (a focus change) while they are taken down.
  delete m_presets;
  delete m_controls;
  // The list refers to the table, which goes before the window's children.
  delete m_form.fileList;
}

bool MainWindow::isBatchRunning() const { return m_runner && m_runner->isRunning(); }

void MainWindow::connectControls() {
  const MainWindowForm &f = m_form;
  FileList *list = f.fileList;
  connect(f.addFiles, &QPushButton::clicked, list, &FileList::addFromDialog);
  connect(f.removeFiles, &QPushButton::clicked, list, &FileList::removeChosen);
  connect(f.clearAll, &QPushButton::clicked, list, &FileList::clearAll);
  connect(list, &FileList::goEnabledChanged, this, &MainWindow::updateListButtons);
  connect(list, &FileList::removeEnabledChanged, this, &MainWindow::updateListButtons);
  connect(list, &FileList::clearAllEnabledChanged, this, &MainWindow::updateListButtons);
  // Delete does what the Remove button does, when it may.
  connect(list->grid(), &FileGrid::removeRequested, m_form.removeFiles, &QPushButton::click);
  connect(list, &FileList::processing, this, [this](const QString &name) {
    if (isBatchRunning())
      return;
    m_form.currentFile->setText(name);
    m_form.currentFile->setVisible(!name.isEmpty());
  });

  connect(m_controls, &JobControls::changed, this, &MainWindow::syncJob);
  connect(m_controls, &JobControls::framesFolderWanted, this, &MainWindow::openFramesFolder);
  connect(m_presets, &PresetControls::applyPreset, this, &MainWindow::applyPreset);
  connect(f.presets, &QComboBox::editTextChanged, this,
          [this](const QString &text) { m_shared.setCaptionsNameFrames(choosesFrames(text)); });

  connect(f.goButton, &QPushButton::clicked, this, &MainWindow::goOrStop);
  connect(f.helpButton, &QToolButton::clicked, this, &MainWindow::toggleHelp);
  connect(f.settingsButton, &QToolButton::clicked, this, &MainWindow::openSettings);
  connect(f.showPreview, &QCheckBox::toggled, this, &MainWindow::showPreviewToggled);
  connect(f.exitButton, &QToolButton::clicked, this, &MainWindow::exitProgram);
  connect(f.minimizeButton, &QToolButton::clicked, this, &MainWindow::minimizeWindows);
  f.homePageLink->installEventFilter(this);

  connect(m_settings.get(), &SettingsWindow::closed, this, &MainWindow::settingsClosed);
  connect(m_settings.get(), &SettingsWindow::plainModeChosen, this, [this](bool plain) {
    if (m_program.plainMode != plain)
      toggleWindowShape();
  });
  connect(m_preview.get(), &PreviewWindow::closedByUser, this,
          [this] { m_form.showPreview->setChecked(false); });
}

void MainWindow::startUp(const QStringList &pictures) {
  m_form.helpPanel->setPlainText(helpPanelText(m_folder.helpTextPath()));
  for (const QString &picture : pictures)
    m_form.fileList->addCommandLine(picture);
  placeHelpPanel();
  m_form.sheetColumns->setCurrentIndex(3);
  m_form.sheetRows->setCurrentIndex(2);

  m_skin = loadSkin(m_folder);
  PictureDecoder decoder;
  m_frames = FrameLibrary::scan(m_folder.frameFolders(), decoder);
  m_controls->setFrameEntries(m_frames.entries());
  m_preparer = std::make_unique<PicturePreparer>(m_frames, m_platform.screen->pixelSize());
  m_runner = std::make_unique<BatchRunner>(*m_preparer, m_shared);
  m_previewController = std::make_unique<PreviewController>(m_form, *m_controls, m_table, *m_preparer,
                                                            *m_platform.screen, *m_preview);
  connect(m_runner.get(), &BatchRunner::progressed, this, &MainWindow::showProgress);
  connect(m_runner.get(), &BatchRunner::jobChanged, this, &MainWindow::takeBatchChanges);
  connect(m_runner.get(), &BatchRunner::finished, this, &MainWindow::batchEnded);

  const bool firstStart = !QFileInfo(m_folder.settingsReadPath()).isFile();
  loadSettings();
  m_menuBoxes->mirrorInstalled(firstStart);
  applyWindowShape();
  m_controls->refreshEnabling();
  m_controls->sizeChange();

  m_synced = m_controls->job();
  m_shared.setJob(m_synced);
  m_shared.setCaptionsNameFrames(choosesFrames(m_form.presets->currentText()));
  updateListButtons();
}

void MainWindow::showAtSavedPlace() {
  // Not placed, the window's place read from the file is saved as it was.
  if (m_platform.screen->windowPlacesKnown()) {
    const QPoint saved = pixelsFromTwips(m_program.mainLeft, m_program.mainTop);
    move(onScreen(saved, frameGeometry().size(), m_platform.screen->size()));
    m_placed = true;
  }
  show();
  // From the event loop, once the window is up.
  QTimer::singleShot(0, this, [this] {
    showNotice();
    if (!m_shutDown)
      m_form.fileList->reportCommandLineRefusals();
  });
}

void MainWindow::placeHelpPanel() {
  // At the preset box's corner, over the job controls.
  if (QLayout *layout = m_form.presets->parentWidget()->layout())
    layout->activate();
  const QPoint corner = m_form.presets->mapTo(this, QPoint(0, 0));
  m_form.helpPanel->setGeometry(QRect(corner, kJobAreaSize));
  m_form.helpPanel->raise();
}

void MainWindow::applyPreset(const QString &line) {
  m_controls->applyPreset(line);
  m_controls->sizeChange();
}

void MainWindow::toggleHelp() {
  const MainWindowForm &f = m_form;
  const bool helpShown = f.helpPanel->isVisibleTo(this);
  if (!helpShown)
    placeHelpPanel();
  f.helpPanel->setVisible(!helpShown);
  f.helpLabel->setVisible(!helpShown);
  for (QWidget *widget :
       std::initializer_list<QWidget *>{f.saveToLabel, f.outputFolder, f.browse, f.sameFolder})
    widget->setVisible(helpShown);
}

void MainWindow::openSettings() {
  if (m_settings->isHidden()) {
    m_settings->fillSwitches(m_program.folderWindowMode, m_program.exitWhenDone, m_program.plainMode);
    const QPoint centre = frameGeometry().center();
    m_settings->move(centre - QPoint(m_settings->width() / 2, m_settings->height() / 2));
    m_settings->show();
    m_settings->activateWindow();
  } else {
    m_settings->hide();
  }
  setEnabled(m_settings->isHidden());
}

void MainWindow::settingsClosed(qint32 folderWindowMode, qint32 exitWhenDone) {
  setEnabled(true);
  if (isVisible())
    activateWindow();
  m_program.folderWindowMode = folderWindowMode;
  m_program.exitWhenDone = exitWhenDone;
}

void MainWindow::showPreviewToggled() {
  m_controls->setUpdatingSizes(true);
  if (m_form.showPreview->isChecked()) {
    const QPoint saved = pixelsFromTwips(m_program.previewLeft, m_program.previewTop);
    if (!m_previewPlaced && m_platform.screen->windowPlacesKnown()) {
      m_preview->move(onScreen(saved, m_preview->frameGeometry().size(), m_platform.screen->size()));
      m_previewPlaced = true;
    }
    m_preview->show();
  } else {
    m_preview->hide();
  }
  m_controls->setUpdatingSizes(false);
  if (m_preview->isVisible()) {
    m_previewController->reload();
    m_previewController->repaint();
  }
}

void MainWindow::openHomePage() { openGuide(kHomeSection); }

void MainWindow::openGuide(const QString &section) {
  const QString page = m_folder.guidePagePath();
  if (page.isEmpty())
    return; // nothing to show, and nothing to say about it
  QUrl address = QUrl::fromLocalFile(page);
  address.setFragment(section);
  m_platform.launcher->openWebAddress(address.toString());
}

void MainWindow::openFramesFolder() {
  // The user's own frames folder, made when it is not there yet.
  const QString folder = m_folder.frameFolders().value(0);
  if (!folder.isEmpty() && QDir().mkpath(folder))
    m_platform.launcher->openFolder(folder, WindowMode::Normal);
}

void MainWindow::minimizeWindows() {
  showMinimized();
  m_preview->hide();
}

void MainWindow::exitProgram() { shutDown(true); }

bool MainWindow::addFilesFromAnotherStart(const QStringList &files) {
  if (m_shutDown)
    return false;
  for (const QString &file : files)
    m_form.fileList->addCommandLine(file);
  if (isMinimized())
    showNormal();
  raise();
  activateWindow();
  m_form.fileList->reportCommandLineRefusals();
  return true;
}

void MainWindow::systemShutDown() { shutDown(false); }

void MainWindow::shutDown(bool userIsThere) {
  if (m_shutDown)
    return;
  m_shutDown = true;
  setEnabled(true);
  hide();
  m_preview->hide();
  if (m_runner && m_runner->isRunning()) {
    // The batch ends first; the job saved is the one it leaves behind.
    m_runner->stopAndWait();
    takeBatchChanges(m_shared.job());
    showGoIdle(m_form.goButton);
    setProgressVisible(false);
  }
  // Not when the system ends the program: a browser would be lost with the
  // session, or hold up the logout.
  if (userIsThere && m_settings->guideAtExit())
    openGuide(kSupportSection);
  saveSettings(userIsThere);
  m_settings->hide();
  m_preview->hide();
  emit ended();
}

void MainWindow::closeEvent(QCloseEvent *event) {
  event->accept();
  exitProgram();
}

void MainWindow::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange)
    return;
  // The preview goes and comes back with the main window.
  if (isMinimized())
    m_preview->hide();
  else if (m_form.showPreview->isChecked() && m_preview->isHidden())
    m_preview->show();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
  if (watched == static_cast<QObject *>(windowHandle()) &&
      (event->type() == QEvent::Expose || event->type() == QEvent::Move))
    keepFrameOnScreen();
  if (watched == m_form.homePageLink && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
    openHomePage();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

} // namespace veltrane
