#pragma once

#include "batch/SharedJob.h"
#include "filelist/SourceList.h"
#include "imaging/FrameLibrary.h"
#include "imaging/PictureDecoder.h"
#include "presets/PresetStore.h"
#include "storage/ProgramFolder.h"
#include "presets/ProgramSettings.h"
#include "ui/MainWindowForm.h"
#include "ui/Skin.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

namespace veltrane {

class BatchRunner;
class JobControls;
class PicturePreparer;
class MenuEntryBoxes;
class PresetControls;
class PreviewController;
class PreviewWindow;
class SettingsWindow;
struct BatchProgress;
struct BatchReport;
struct PlatformServices;
struct Prompt;

// The program's window. Construction is the start-up: the help text, the
// pictures named on the command line, the frames, then the settings file
// (or the first-run values and the built-in presets). Every way of closing
// it runs the shut-down, which saves the settings file and then emits
// ended(): the program ends there.
class MainWindow : public QWidget {
  Q_OBJECT
public:
  MainWindow(ProgramFolder folder, PlatformServices &platform, const QStringList &pictures,
             QWidget *parent = nullptr);
  ~MainWindow() override;

  // Shows the window where it was last closed, kept on the screen; then
  // tells what an earlier shut-down could not (settings saved elsewhere).
  void showAtSavedPlace();

  const MainWindowForm &form() const { return m_form; }
  JobControls &jobControls() const { return *m_controls; }
  PresetControls &presetControls() const { return *m_presets; }
  SettingsWindow &settingsWindow() const { return *m_settings; }
  PreviewWindow &previewWindow() const { return *m_preview; }
  PreviewController &previewController() const { return *m_previewController; }
  SourceList &sourceList() { return m_table; }
  const ProgramSettings &programSettings() const { return m_program; }
  bool isBatchRunning() const;
  bool hasShutDown() const { return m_shutDown; }

public slots:
  // The exit button: the shut-down.
  void exitProgram();
  // Files another start of the program handed over: added as the command
  // line's are, and the window comes to the front.
  // False, taking nothing, while the window is ending.
  bool addFilesFromAnotherStart(const QStringList &files);
  // The shut-down the system asked for (a signal, the session's end): no
  // message box waits for an answer there; what the user must know goes to
  // the standard error and is shown again at the next start.
  void systemShutDown();
  void minimizeWindows();
  void goOrStop();
  void toggleHelp();
  void openSettings();
  void showPreviewToggled();
  void openHomePage();
  // Switches between the shaped and the plain window.
  void toggleWindowShape();

signals:
  // A batch has ended and its end-of-batch actions are done.
  void batchFinished();
  // The shut-down is done: the program ends.
  void ended();

protected:
  void closeEvent(QCloseEvent *event) override;
  void changeEvent(QEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // Shaped (frameless, the skin's outline) or plain, as m_program.plainMode says.
  void applyWindowShape();
  // Once the window manager has framed the plain window, its frame goes
  // wholly on the screen.
  void keepFrameOnScreen();
  // The fade timer: the preview turns translucent while this window lies over it.
  void fadePreview();
  void connectControls();
  // Opens a section of the guide page in the browser, when the page is there.
  void openGuide(const QString &section);
  void openFramesFolder();
  void startUp(const QStringList &pictures);
  void loadSettings();
  void shutDown(bool userIsThere);
  void saveSettings(bool userIsThere);
  void tell(const Prompt &prompt, bool userIsThere);
  void showNotice();
  void placeHelpPanel();
  void applyPreset(const QString &line);
  void syncJob();
  void takeBatchChanges(const JobSettings &fromBatch);
  void updateListButtons();
  void showProgress(const BatchProgress &progress);
  void setProgressVisible(bool visible);
  void batchEnded(const BatchReport &report);
  void settingsClosed(qint32 folderWindowMode, qint32 exitWhenDone);

  ProgramFolder m_folder;
  PlatformServices &m_platform;
  SourceList m_table;
  MainWindowForm m_form;
  JobControls *m_controls = nullptr;
  PresetControls *m_presets = nullptr;
  MenuEntryBoxes *m_menuBoxes = nullptr;
  std::unique_ptr<SettingsWindow> m_settings;
  std::unique_ptr<PreviewWindow> m_preview;

  ProgramSettings m_program;
  PresetStore m_presetsAtLoad; // what another copy's save is told apart from
  FrameLibrary m_frames;
  std::unique_ptr<PicturePreparer> m_preparer;
  SharedJob m_shared;
  JobSettings m_synced; // the job as last handed to m_shared
  bool m_takingBatchChanges = false;
  std::unique_ptr<BatchRunner> m_runner;                  // after what it uses, so it ends first
  std::unique_ptr<PreviewController> m_previewController; // likewise: its loader uses the preparer

  Skin m_skin;
  QTimer m_fadeTimer;
  std::optional<QPoint> m_lastPlace;
  std::optional<QPoint> m_pressedAt; // where a drag of the shaped window may begin
  Qt::MouseButton m_pressedButton = Qt::NoButton;
  bool m_dragging = false; // the window follows the pointer until that button is let go
  bool m_framing = false;  // the plain window waits for its frame
  bool m_placed = false;
  bool m_previewPlaced = false;
  bool m_shutDown = false;
};

} // namespace veltrane
