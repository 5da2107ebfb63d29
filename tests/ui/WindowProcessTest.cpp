#include "GridEvents.h"
#include "TempFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// Whether a process has a handler of its own for a signal.
bool catches(qint64 pid, int signal) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly))
    return false;
  for (const QByteArray &line : status.readAll().split('\n'))
    if (line.startsWith("SigCgt:"))
      return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
  return false;
}

TEST(WindowProcessTest, TerminatingTheProgramRunsTheShutDown) {
  const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/veltrane");
  if (!QFileInfo(program).isExecutable())
    GTEST_SKIP() << "the veltrane program is not built";
  veltrane::test::TempFolder home;
  veltrane::test::TempFolder noPrograms;
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  // The support page must not reach a real browser.
  environment.insert(QStringLiteral("PATH"), noPrograms.path());
  environment.remove(QStringLiteral("BROWSER"));
  process.setProcessEnvironment(environment);
  process.start(program, {QStringLiteral("--home"), home.path()});
  ASSERT_TRUE(process.waitForStarted());
  ASSERT_TRUE(veltrane::test::waitFor([&] { return catches(process.processId(), SIGTERM); }));

  ::kill(pid_t(process.processId()), SIGTERM);
  ASSERT_TRUE(process.waitForFinished(20000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(home.read(QStringLiteral("Veltrane.INI")).startsWith("3|1|"));
}

} // namespace
