// veltrane: the program's window.
#include "app/MemoryTuning.h"
#include "app/WindowSelfTest.h"
#include "common/Catalogues.h"
#include "platform/PlatformServices.h"
#include "platform/handoff/WindowHandOff.h"
#include "platform/widgets/DesktopPlatform.h"
#include "presets/FrameList.h"
#include "shell/FileManagerMenu.h"
#include "storage/ProgramFolder.h"
#include "ui/FileGrid.h"
#include "ui/FileList.h"
#include "ui/JobControls.h"
#include "ui/MainWindow.h"
#include "ui/PreviewController.h"
#include "ui/PreviewWindow.h"
#include "ui/SettingsWindow.h"
#include "ui/SourceBox.h"
#include "ui/WindowCommandLine.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <functional>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

using namespace veltrane;

namespace {

// The one thing the signal handler touches: the write end of a socket pair
// that the event loop listens to.
int g_signalPipe[2] = {-1, -1};

extern "C" void onTerminate(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

// Runs the event loop until the source box shows the last request.
void waitForSourceBox(MainWindow &window) {
  QElapsedTimer clock;
  clock.start();
  while (window.previewController().sourceBox().busy() && clock.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  QApplication::processEvents();
}

// The preview in manual mode beside the window, then the chooser's framed
// and try-all samples, and the window in a dark palette.
void takePreviewScreenshots(MainWindow &window, const QString &folder,
                            const std::function<void(QWidget &, const QString &)> &save) {
  const MainWindowForm &form = window.form();
  for (int row = 1; row <= window.sourceList().fileCount(); ++row)
    if (window.sourceList().cell(row, 2) == QLatin1String("IMG_4107.JPG"))
      form.fileList->grid()->setCurrentRow(row);
  form.widthOn->setChecked(true);
  form.heightOn->setChecked(true);
  form.maxWidth->setEditText(QStringLiteral("480"));
  form.maxHeight->setEditText(QStringLiteral("360"));
  form.manualSize->setChecked(true);
  form.showPreview->setChecked(true);
  window.previewWindow().move(window.frameGeometry().right() + 12, window.frameGeometry().top());
  waitForSourceBox(window);
  // Both windows as they stand on the screen.
  const QString screen = QDir(folder).filePath(QStringLiteral("preview-beside-window.png"));
  if (!QGuiApplication::primaryScreen()->grabWindow(0).save(screen))
    QTextStream(stderr) << "veltrane: cannot save " << screen << "\n";
  save(window.previewWindow(), QStringLiteral("preview-manual.png"));
  // Filling a wide box: the middle of the picture, cropped.
  form.maxHeight->setEditText(QStringLiteral("200"));
  form.boxMode->setCurrentIndex(int(BoxMode::Fill));
  waitForSourceBox(window);
  save(window.previewWindow(), QStringLiteral("preview-fill.png"));
  form.boxMode->setCurrentIndex(int(BoxMode::Stretch));
  form.maxHeight->setEditText(QStringLiteral("360"));
  if (form.frame->count() > kFirstFrameEntry) {
    form.frame->setCurrentIndex(kFirstFrameEntry);
    waitForSourceBox(window);
    save(window.previewWindow(), QStringLiteral("preview-framed.png"));
    form.frame->setCurrentIndex(kTryAllEntry);
    waitForSourceBox(window);
    save(window.previewWindow(), QStringLiteral("preview-try-all.png"));
    form.frame->setCurrentIndex(kNoFrameEntry);
  }
  form.showPreview->setChecked(false);
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(45, 45, 48));
  dark.setColor(QPalette::WindowText, QColor(220, 220, 220));
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::AlternateBase, QColor(40, 40, 40));
  dark.setColor(QPalette::Text, QColor(220, 220, 220));
  dark.setColor(QPalette::Button, QColor(55, 55, 58));
  dark.setColor(QPalette::ButtonText, QColor(220, 220, 220));
  dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
  dark.setColor(QPalette::Link, QColor(110, 170, 255));
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(QPalette::Disabled, role, QColor(110, 110, 110));
  QApplication::setPalette(dark);
  QApplication::processEvents();
  save(window, QStringLiteral("main-window-dark.png"));
}

// The shaped window over a coloured desktop, and the plain window after a
// double-click, as they stand on the screen.
void takeShapeScreenshots(MainWindow &window, const QString &folder) {
  QWidget desktop(nullptr, Qt::FramelessWindowHint);
  desktop.setStyleSheet(QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:1, "
                                       "stop:0 #2f6f5e, stop:0.5 #c9a227, stop:1 #8e3b46);"));
  desktop.setGeometry(QGuiApplication::primaryScreen()->geometry());
  desktop.show();
  const QPoint place = window.pos();
  window.move(300, 240); // clear of the screen's edges
  window.raise();
  const auto grabAround = [&](const QString &name) {
    QApplication::processEvents();
    QThread::msleep(200);
    QApplication::processEvents();
    const QRect around = window.frameGeometry().adjusted(-24, -24, 24, 24);
    const QString path = QDir(folder).filePath(name);
    if (!QGuiApplication::primaryScreen()
             ->grabWindow(0, around.x(), around.y(), around.width(), around.height())
             .save(path))
      QTextStream(stderr) << "veltrane: cannot save " << path << "\n";
  };
  const bool plain = window.programSettings().plainMode;
  grabAround(plain ? QStringLiteral("plain-window.png") : QStringLiteral("shaped-window.png"));
  window.toggleWindowShape();
  window.raise();
  grabAround(plain ? QStringLiteral("shaped-window.png") : QStringLiteral("plain-window.png"));
  window.toggleWindowShape();
  window.move(place);
  desktop.close();
}

// --screenshot: pictures of the main window (idle, with the help panel, and
// as it looks during a batch) and of the settings window, then the usual end.
void takeScreenshots(MainWindow &window, const QString &folder) {
  QDir().mkpath(folder);
  takeShapeScreenshots(window, folder);
  const auto save = [&](QWidget &widget, const QString &name) {
    saveWindowPicture(widget, QDir(folder).filePath(name));
  };
  const MainWindowForm &form = window.form();
  save(window, QStringLiteral("main-window.png"));

  window.toggleHelp();
  save(window, QStringLiteral("main-window-help.png"));
  window.toggleHelp();

  // The running face, staged: a real batch of small pictures ends too soon.
  showGoRunning(form.goButton);
  for (QWidget *widget :
       std::initializer_list<QWidget *>{form.addFiles, form.removeFiles, form.clearAll, form.presets})
    widget->setEnabled(false);
  window.jobControls().setBatchRunning(true);
  form.currentFile->setText(QStringLiteral("IMG_4107.JPG"));
  form.progressPercent->setText(QStringLiteral("37.5%"));
  const QRect track = form.progressPercent->geometry();
  form.progressBar->setGeometry(track.x(), track.y(), track.width() * 375 / 1000, track.height());
  for (QWidget *widget : std::initializer_list<QWidget *>{form.currentFile, form.progressTrack,
                                                          form.progressBar, form.progressPercent})
    widget->show();
  save(window, QStringLiteral("main-window-running.png"));
  for (QWidget *widget : std::initializer_list<QWidget *>{form.currentFile, form.progressTrack,
                                                          form.progressBar, form.progressPercent})
    widget->hide();
  showGoIdle(form.goButton);
  for (QWidget *widget : std::initializer_list<QWidget *>{form.addFiles, form.clearAll, form.presets})
    widget->setEnabled(true);
  window.jobControls().setBatchRunning(false);

  window.openSettings();
  QApplication::processEvents();
  save(window.settingsWindow(), QStringLiteral("settings-window.png"));
  window.settingsWindow().close();

  takePreviewScreenshots(window, folder, save);
}

// Every file manager's entries, whichever program folder wrote them.
int removeMenuEntries() {
  const FileManagerMenu menu = FileManagerMenu::forUser(QString());
  int status = 0;
  for (const PictureKinds kinds : {PictureKinds::Jpeg, PictureKinds::BmpAndGif})
    if (const Result<> removed = menu.remove(kinds); !removed) {
      QTextStream(stderr) << "veltrane: " << removed.reason() << "\n";
      status = 1;
    }
  return status;
}

// --help, --version and --remove-menu-entries answer before QApplication,
// which needs a display.
std::optional<int> answerWithoutDisplay(int argc, char **argv) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if (argument == "--")
      break;
    if (argument == "--help") {
      QTextStream(stdout) << kWindowUsage;
      return 0;
    }
    if (argument == "--version") {
      QTextStream(stdout) << "veltrane " << VELTRANE_VERSION << "\n";
      return 0;
    }
    if (argument == "--remove-menu-entries")
      return removeMenuEntries();
  }
  return std::nullopt;
}

// Screenshots and the self-test never open a browser or a file manager, nor
// notify; the self-test's messages wait for no one.
void fillPlatform(PlatformServices &platform, const WindowCommandLine &commandLine,
                  const std::function<QWidget *()> &dialogParent) {
  platform = desktopPlatform(dialogParent);
  if (!commandLine.screenshot.isEmpty() || !commandLine.selfTest.isEmpty()) {
    // The notifier first: the desktop's one opens folders through the launcher.
    platform.notifier = std::make_unique<RecordingNotifier>();
    platform.launcher = std::make_unique<RecordingLauncher>();
  }
  if (!commandLine.selfTest.isEmpty())
    platform.prompts = std::make_unique<ScriptedPrompts>();
}

// SIGTERM, SIGINT and SIGHUP shut the window down as a session's end does;
// the handler only writes a byte, the event loop does the rest.
std::unique_ptr<QSocketNotifier> watchTerminationSignals(MainWindow &mainWindow) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
    return nullptr;
  auto terminate = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
  QObject::connect(terminate.get(), &QSocketNotifier::activated, &mainWindow, [&mainWindow] {
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(g_signalPipe[0], &byte, 1);
    // A message box of a shut-down already under way must not hold the
    // system up either: ending the application ends its event loop.
    if (mainWindow.hasShutDown())
      QCoreApplication::exit(0);
    else
      mainWindow.systemShutDown();
  });
  struct sigaction action = {};
  action.sa_handler = onTerminate;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP})
    sigaction(signal, &action, nullptr);
  // A file-size limit fails the one picture's write ("File too large"), as a
  // full disk does, instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  return terminate;
}

void setUpApplication(QApplication &app) {
  QApplication::setApplicationName(QStringLiteral("veltrane"));
  QApplication::setApplicationVersion(QStringLiteral(VELTRANE_VERSION));
  // The window is laid out for a fixed client area: one style for every desktop.
  QApplication::setStyle(QStringLiteral("Fusion"));
  installCatalogues(app, catalogueFolders(QCoreApplication::applicationDirPath()));
  // The window ends the program itself, after saving the settings.
  QApplication::setQuitOnLastWindowClosed(false);
}

// A portable program folder has a window of its own; the others share the user's.
QString handOffSocketFor(const ProgramFolder &folder) {
  return WindowHandOff::socketFor(
      folder.isPortable() ? folder.home()
                          : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

} // namespace

int main(int argc, char **argv) {
  keepFreedMemoryForReuse();
  if (const std::optional<int> answered = answerWithoutDisplay(argc, argv))
    return *answered;

  QApplication app(argc, argv);
  setUpApplication(app);

  const WindowCommandLine commandLine = parseWindowCommandLine(app.arguments().mid(1), QDir::currentPath());
  if (!commandLine.error.isEmpty()) {
    QTextStream(stderr) << "veltrane: " << commandLine.error << "\n\n" << kWindowUsage;
    return 2;
  }

  MainWindow *window = nullptr;
  const auto dialogParent = [&window]() -> QWidget * {
    if (!window)
      return nullptr;
    if (window->settingsWindow().isVisible())
      return &window->settingsWindow();
    return window->isVisible() && window->isEnabled() ? window : nullptr;
  };
  PlatformServices platform;
  const bool screenshots = !commandLine.screenshot.isEmpty();
  const bool selfTest = !commandLine.selfTest.isEmpty();
  fillPlatform(platform, commandLine, dialogParent);

  const ProgramFolder folder =
      ProgramFolder::resolve(commandLine.home, QCoreApplication::applicationDirPath());
  // One window per program folder: a second start hands its files over and ends.
  const QString socket = handOffSocketFor(folder);
  const bool alone = screenshots || selfTest;
  if (!alone && WindowHandOff::handOver(socket, commandLine.files))
    return 0;
  MainWindow mainWindow(folder, platform, commandLine.files);
  std::unique_ptr<WindowHandOff> handOff;
  if (!alone)
    handOff = std::make_unique<WindowHandOff>(socket, [&mainWindow](const QStringList &files) {
      return mainWindow.addFilesFromAnotherStart(files);
    });
  window = &mainWindow;
  QObject::connect(&mainWindow, &MainWindow::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  // A session that ends quits the application: the shut-down still runs,
  // without waiting for anyone.
  QObject::connect(&app, &QCoreApplication::aboutToQuit, &mainWindow, &MainWindow::systemShutDown);
  const std::unique_ptr<QSocketNotifier> terminate = watchTerminationSignals(mainWindow);

  mainWindow.showAtSavedPlace();
  if (screenshots)
    QTimer::singleShot(400, &mainWindow, [&] {
      takeScreenshots(mainWindow, commandLine.screenshot);
      mainWindow.exitProgram();
    });
  bool selfTestPassed = true;
  if (selfTest)
    QTimer::singleShot(0, &mainWindow, [&] {
      selfTestPassed = runSelfTest(mainWindow, commandLine.selfTest,
                                   static_cast<const ScriptedPrompts &>(*platform.prompts));
    });
  const int status = app.exec();
  return selfTestPassed ? status : 1;
}
