#include "cli/ScreenProbe.h"

#include "platform/Screen.h"

#include <QGuiApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QScreen>
#include <cstdio>
#include <sys/resource.h>

namespace veltrane {

int printScreenSize(int &argc, char **argv) {
  QGuiApplication app(argc, argv);
  const QString platform = QGuiApplication::platformName();
  const QScreen *screen = QGuiApplication::primaryScreen();
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") || !screen ||
      screen->size().isEmpty())
    return 1;
  const QSize size = devicePixels(screen->size(), screen->devicePixelRatio());
  std::printf("%dx%d\n", size.width(), size.height());
  return 0;
}

std::optional<QSize> askTheDisplay(const QString &program, const QByteArray &userPlatform) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    return std::nullopt;
  if (userPlatform.startsWith("offscreen") || userPlatform.startsWith("minimal"))
    return std::nullopt;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QString::fromLatin1(kScreenProbeVariable), QStringLiteral("1"));
  if (userPlatform.isEmpty())
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  else
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLocal8Bit(userPlatform));
  QProcess child;
  child.setProcessEnvironment(environment);
  child.setStandardInputFile(QProcess::nullDevice());
  child.setStandardErrorFile(QProcess::nullDevice());
  // An abort on a dead display is expected: no core file for it.
  child.setChildProcessModifier([] {
    const rlimit none{0, 0};
    ::setrlimit(RLIMIT_CORE, &none);
  });
  child.start(program, {});
  constexpr int kPatienceMs = 3000;
  if (!child.waitForFinished(kPatienceMs)) {
    child.kill();
    child.waitForFinished(1000);
    return std::nullopt;
  }
  if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
    return std::nullopt;
  static const QRegularExpression size(QStringLiteral("^(\\d{1,5})x(\\d{1,5})\\s*$"));
  const auto match = size.match(QString::fromLatin1(child.readAllStandardOutput()));
  if (!match.hasMatch() || match.captured(1).toInt() < 1 || match.captured(2).toInt() < 1)
    return std::nullopt;
  return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

} // namespace veltrane
