#pragma once

#include "WindowTestKit.h"

#include <QElapsedTimer>
#include <QThread>
#include <optional>

// Readable points in failure messages.
inline void PrintTo(const QPoint &point, std::ostream *os) { *os << point.x() << ',' << point.y(); }

namespace veltrane::test {

// Polls `done` every 50 ms until it holds or `timeoutMs` has passed.
inline bool pollFor(const std::function<bool()> &done, int timeoutMs = 10000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs)
      return false;
    QThread::msleep(50);
  }
  return true;
}

// A virtual X server of its own (on a free display) with a real window
// manager (openbox), and the window program started on it in a temporary
// program folder and home; xdotool drives it, xwininfo and xprop look at its
// windows. Everything it started ends with it.
class XSession {
public:
  static constexpr QSize kScreen{1280, 1024};

  // Why the session cannot be had here (a missing tool), or empty.
  static QString missingTools() {
    for (const char *name : {"Xvfb", "openbox", "xdotool", "xwininfo", "xprop"})
      if (QStandardPaths::findExecutable(name).isEmpty())
        return QString("%1 is not installed (scripts/bootstrap installs it)").arg(name);
    return {};
  }

  XSession() { m_failure = startAll(QCoreApplication::applicationDirPath() + "/../bin/veltrane"); }
  ~XSession() {
    for (QProcess *process : {m_program.get(), m_windowManager.get(), m_server.get()})
      if (process && !end(*process, 10000))
        end(*process, -1, true);
  }
  XSession(const XSession &) = delete;
  XSession &operator=(const XSession &) = delete;

  // Empty when the server, the window manager and the program are up and
  // the main window is shown; otherwise what failed.
  const QString &failure() const { return m_failure; }
  QString mainWindow() const { return m_mainWindow; }

  // The program's visible top-level window whose title matches, once there.
  std::optional<QString> findWindow(const QString &titlePattern, int timeoutMs = 10000) const {
    const QString pid = QString::number(m_program->processId());
    QString found;
    const auto shown = [&] {
      found = output("xdotool", {"search", "--all", "--onlyvisible", "--pid", pid, "--name", titlePattern});
      return !found.isEmpty() || m_program->state() == QProcess::NotRunning;
    };
    pollFor(shown, timeoutMs);
    found = found.section(u'\n', 0, 0).trimmed();
    return found.isEmpty() ? std::nullopt : std::optional(found);
  }

  // The client area in screen coordinates, and the frame the window manager
  // put around it.
  QRect clientArea(const QString &window) const {
    const QString report = output("xwininfo", {"-id", window});
    const auto field = [&](const char *label) {
      return QRegularExpression(QString(label) + ":\\s*(-?\\d+)").match(report).captured(1).toInt();
    };
    return {field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height")};
  }
  QRect frame(const QString &window) const {
    const QRegularExpressionMatch sides =
        property(window, "_NET_FRAME_EXTENTS", "= (\\d+), (\\d+), (\\d+), (\\d+)");
    const auto side = [&](int index) { return sides.captured(index).toInt(); };
    return clientArea(window).adjusted(-side(1), -side(3), side(2), side(4)); // none: all 0
  }
  QString title(const QString &window) const {
    return output("xdotool", {"getwindowname", window}).chopped(1);
  }
  // The opacity the window asks the compositor for, out of 255.
  int alpha(const QString &window) const {
    const QRegularExpressionMatch value = property(window, "_NET_WM_WINDOW_OPACITY", "= (\\d+)");
    if (!value.hasMatch())
      return 255; // no property: opaque
    return int(qRound64(value.captured(1).toDouble() * 255 / 0xffffffffU));
  }

  // Runs xdotool with these arguments; false when it failed.
  bool xdotool(const QStringList &arguments) const { return run("xdotool", arguments).first; }
  bool movePointer(QPoint place) const {
    return xdotool({"mousemove", QString::number(place.x()), QString::number(place.y())});
  }

  // Presses `button` at `from` on the screen, moves the pointer until the
  // window follows it, then on to `to`, and waits there until it has
  // caught up. Returns false when the window never followed.
  bool dragWindow(const QString &window, QPoint from, QPoint to, int button) const {
    const QPoint start = clientArea(window).topLeft();
    if (!movePointer(from) || !xdotool({"mousedown", QString::number(button)}))
      return false;
    // Past the drag distance, a pixel at a time until the window follows: the
    // program may be slow to take the press on a loaded machine.
    int step = 10;
    const bool follows = pollFor([&] {
      movePointer(from + QPoint(++step, 0));
      return clientArea(window).topLeft() != start;
    });
    if (follows) {
      movePointer(from + (to - from) / 2);
      movePointer(to);
      settledArea(window);
    }
    xdotool({"mouseup", QString::number(button)});
    return follows;
  }

  // Waits until the window's client area stays put; returns it.
  QRect settledArea(const QString &window) const {
    QRect last = clientArea(window);
    int same = 0;
    pollFor([&] {
      const QRect now = clientArea(window);
      same = now == last ? same + 1 : 0;
      last = now;
      return same >= 3;
    });
    return last;
  }

private:
  // Starts the server, the window manager and the program; what failed, or empty.
  QString startAll(const QString &program) {
    if (!QFile::exists(program))
      return "the veltrane program is not built";
    for (const char *folder : {"home", "program", "runtime", "no-programs"})
      QDir(m_scratch.path()).mkpath(folder);
    QFile::setPermissions(m_scratch.file("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The server picks a free display itself and says which.
    const QString screen = QString("%1x%2x24").arg(kScreen.width()).arg(kScreen.height());
    m_server = launch(QStandardPaths::findExecutable("Xvfb"),
                      {"-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp"}, environment());
    const auto spoke = [&] {
      m_server->waitForReadyRead(50);
      return m_server->canReadLine() || m_server->state() == QProcess::NotRunning;
    };
    if (!pollFor(spoke) || !m_server->canReadLine())
      return "Xvfb did not start: " + QString::fromLocal8Bit(m_server->readAllStandardError());
    m_display = u':' + QString::fromLatin1(m_server->readLine().trimmed());

    if (const QString failed = startWindowManager(); !failed.isEmpty())
      return failed;

    QProcessEnvironment programEnvironment = environment();
    programEnvironment.insert("QT_QPA_PLATFORM", "xcb");
    // The support page must not reach a real browser.
    programEnvironment.insert("PATH", m_scratch.file("no-programs"));
    m_program = launch(program, {"--home", m_scratch.file("program")}, programEnvironment);
    const std::optional<QString> main = findWindow("^Veltrane$", 20000);
    if (!main)
      return "the main window did not show: " + QString::fromLocal8Bit(m_program->readAllStandardError());
    m_mainWindow = *main;
    settledArea(m_mainWindow);
    return {};
  }

  // Starts openbox; on a loaded machine it can lose the race for the fresh
  // server and quit, so it gets a few tries before the session gives up.
  QString startWindowManager() {
    QString said;
    for (int attempt = 0; attempt < 3; ++attempt) {
      m_windowManager = launch(QStandardPaths::findExecutable("openbox"), {}, environment());
      const auto managing = [&] {
        return m_windowManager->state() == QProcess::NotRunning ||
               output("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
      };
      if (pollFor(managing, 30000) && m_windowManager->state() != QProcess::NotRunning)
        return {};
      end(*m_windowManager, 2000, true);
      said = QString::fromLocal8Bit(m_windowManager->readAllStandardError()).trimmed();
    }
    return "openbox did not take over the display: " + said;
  }

  static std::unique_ptr<QProcess> launch(const QString &program, const QStringList &arguments,
                                          const QProcessEnvironment &environment) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->start(program, arguments);
    return process;
  }
  // Ends a process, asking first (or killing); whether it ended in time.
  static bool end(QProcess &process, int timeoutMs, bool kill = false) {
    if (process.state() == QProcess::NotRunning)
      return true;
    kill ? process.kill() : process.terminate();
    return process.waitForFinished(timeoutMs);
  }

  QProcessEnvironment environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "VELTRANE_HOME",
                             "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XAUTHORITY"})
      environment.remove(name);
    environment.insert("DISPLAY", m_display);
    environment.insert("HOME", m_scratch.file("home"));
    environment.insert("XDG_RUNTIME_DIR", m_scratch.file("runtime"));
    return environment;
  }

  // Runs a tool on the display: whether it ran and succeeded, and what it printed.
  std::pair<bool, QString> run(const char *tool, const QStringList &arguments) const {
    const std::unique_ptr<QProcess> process =
        launch(QStandardPaths::findExecutable(tool), arguments, environment());
    if (!process->waitForFinished(10000)) {
      end(*process, -1, true);
      return {};
    }
    return {process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0,
            QString::fromLocal8Bit(process->readAllStandardOutput())};
  }
  QString output(const char *tool, const QStringList &arguments) const { return run(tool, arguments).second; }
  QRegularExpressionMatch property(const QString &window, const char *name, const char *pattern) const {
    return QRegularExpression(pattern).match(output("xprop", {"-id", window, name}));
  }

  TempFolder m_scratch;
  QString m_display;
  std::unique_ptr<QProcess> m_server, m_windowManager, m_program;
  QString m_mainWindow;
  QString m_failure;
};

} // namespace veltrane::test
