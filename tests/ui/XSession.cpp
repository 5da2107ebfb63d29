#include "XSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace veltrane::test {
namespace {

constexpr int kToolTimeoutMs = 10000;

QString tool(const QString &name) { return QStandardPaths::findExecutable(name); }

// The number after `label` in xwininfo's report.
int field(const QString &report, const QString &label) {
  const QRegularExpression pattern(QRegularExpression::escape(label) + QStringLiteral(":\\s*(-?\\d+)"));
  return pattern.match(report).captured(1).toInt();
}

void end(std::unique_ptr<QProcess> &process) {
  if (!process || process->state() == QProcess::NotRunning)
    return;
  process->terminate();
  if (!process->waitForFinished(10000)) {
    process->kill();
    process->waitForFinished();
  }
}

} // namespace

bool pollFor(const std::function<bool()> &done, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs)
      return false;
    QThread::msleep(50);
  }
  return true;
}

QString XSession::missingTools() {
  for (const char *name : {"Xvfb", "openbox", "xdotool", "xwininfo", "xprop"})
    if (tool(QString::fromLatin1(name)).isEmpty())
      return QStringLiteral("%1 is not installed (scripts/bootstrap installs it)").arg(QLatin1String(name));
  return {};
}

XSession::XSession() {
  const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/veltrane");
  if (!QFile::exists(program)) {
    m_failure = QStringLiteral("the veltrane program is not built");
    return;
  }
  // The server picks a free display itself and says which.
  m_server = std::make_unique<QProcess>();
  m_server->setProcessChannelMode(QProcess::SeparateChannels);
  m_server->start(tool(QStringLiteral("Xvfb")),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(kScreen.width()).arg(kScreen.height()),
                   QStringLiteral("-nolisten"), QStringLiteral("tcp")});
  if (!pollFor([&] {
        m_server->waitForReadyRead(50);
        return m_server->canReadLine() || m_server->state() == QProcess::NotRunning;
      }) ||
      !m_server->canReadLine()) {
    m_failure =
        QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(m_server->readAllStandardError());
    return;
  }
  m_display = u':' + QString::fromLatin1(m_server->readLine().trimmed());

  QDir(m_scratch.path()).mkpath(QStringLiteral("home"));
  QDir(m_scratch.path()).mkpath(QStringLiteral("program"));
  QDir(m_scratch.path()).mkpath(QStringLiteral("runtime"));
  QDir(m_scratch.path()).mkpath(QStringLiteral("no-programs"));
  QFile::setPermissions(m_scratch.file(QStringLiteral("runtime")),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  m_windowManager = std::make_unique<QProcess>();
  m_windowManager->setProcessEnvironment(environment());
  m_windowManager->start(tool(QStringLiteral("openbox")), {});
  if (!pollFor([&] {
        return run(tool(QStringLiteral("xprop")),
                   {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
            .contains(QStringLiteral("window id"));
      })) {
    m_failure = QStringLiteral("openbox did not take over the display");
    return;
  }

  m_program = std::make_unique<QProcess>();
  QProcessEnvironment programEnvironment = environment();
  programEnvironment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  // The support page must not reach a real browser.
  programEnvironment.insert(QStringLiteral("PATH"), m_scratch.file(QStringLiteral("no-programs")));
  m_program->setProcessEnvironment(programEnvironment);
  m_program->start(program, {QStringLiteral("--home"), m_scratch.file(QStringLiteral("program"))});
  const std::optional<QString> main = findWindow(QStringLiteral("^Veltrane$"), 20000);
  if (!main) {
    m_failure = QStringLiteral("the main window did not show: ") +
                QString::fromLocal8Bit(m_program->readAllStandardError());
    return;
  }
  m_mainWindow = *main;
  settledArea(m_mainWindow);
}

XSession::~XSession() {
  end(m_program);
  end(m_windowManager);
  end(m_server);
}

QProcessEnvironment XSession::environment() const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "VELTRANE_HOME",
                           "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XAUTHORITY"})
    environment.remove(QString::fromLatin1(name));
  environment.insert(QStringLiteral("DISPLAY"), m_display);
  environment.insert(QStringLiteral("HOME"), m_scratch.file(QStringLiteral("home")));
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_scratch.file(QStringLiteral("runtime")));
  return environment;
}

QString XSession::run(const QString &program, const QStringList &arguments) const {
  QProcess process;
  process.setProcessEnvironment(environment());
  process.start(program, arguments);
  if (!process.waitForFinished(kToolTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    return {};
  }
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool XSession::xdotool(const QStringList &arguments) const {
  QProcess process;
  process.setProcessEnvironment(environment());
  process.start(tool(QStringLiteral("xdotool")), arguments);
  if (!process.waitForFinished(kToolTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    return false;
  }
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

std::optional<QString> XSession::findWindow(const QString &titlePattern, int timeoutMs) const {
  QString found;
  pollFor(
      [&] {
        if (m_program->state() == QProcess::NotRunning)
          return true;
        const QString ids =
            run(tool(QStringLiteral("xdotool")),
                {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--pid"), QString::number(m_program->processId()), QStringLiteral("--name"),
                 titlePattern});
        found = ids.split(u'\n', Qt::SkipEmptyParts).value(0).trimmed();
        return !found.isEmpty();
      },
      timeoutMs);
  if (found.isEmpty())
    return std::nullopt;
  return found;
}

QRect XSession::clientArea(const QString &window) const {
  const QString report = run(tool(QStringLiteral("xwininfo")), {QStringLiteral("-id"), window});
  return {field(report, QStringLiteral("Absolute upper-left X")),
          field(report, QStringLiteral("Absolute upper-left Y")), field(report, QStringLiteral("Width")),
          field(report, QStringLiteral("Height"))};
}

QRect XSession::frame(const QString &window) const {
  const QString extents = run(tool(QStringLiteral("xprop")),
                              {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")});
  const QRegularExpressionMatch numbers =
      QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
  const QRect area = clientArea(window);
  if (!numbers.hasMatch())
    return area;
  return area.adjusted(-numbers.captured(1).toInt(), -numbers.captured(3).toInt(),
                       numbers.captured(2).toInt(), numbers.captured(4).toInt());
}

QString XSession::title(const QString &window) const {
  return run(tool(QStringLiteral("xdotool")), {QStringLiteral("getwindowname"), window}).chopped(1);
}

int XSession::alpha(const QString &window) const {
  const QString property = run(tool(QStringLiteral("xprop")),
                               {QStringLiteral("-id"), window, QStringLiteral("_NET_WM_WINDOW_OPACITY")});
  const QRegularExpressionMatch value = QRegularExpression(QStringLiteral("= (\\d+)")).match(property);
  if (!value.hasMatch())
    return 255; // no property: opaque
  return int(qRound64(value.captured(1).toDouble() * 255 / 0xffffffffU));
}

QRect XSession::settledArea(const QString &window) const {
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

bool XSession::dragWindow(const QString &window, QPoint from, QPoint to, int button) const {
  const QPoint start = clientArea(window).topLeft();
  const auto moveTo = [&](QPoint place) {
    return xdotool({QStringLiteral("mousemove"), QString::number(place.x()), QString::number(place.y())});
  };
  if (!moveTo(from) || !xdotool({QStringLiteral("mousedown"), QString::number(button)}))
    return false;
  // Past the drag distance, a pixel at a time until the window follows: the
  // program may be slow to take the press on a loaded machine.
  int step = 10;
  const bool follows = pollFor([&] {
    moveTo(from + QPoint(++step, 0));
    return clientArea(window).topLeft() != start;
  });
  if (follows) {
    moveTo(from + (to - from) / 2);
    moveTo(to);
    settledArea(window);
  }
  xdotool({QStringLiteral("mouseup"), QString::number(button)});
  return follows;
}

} // namespace veltrane::test
