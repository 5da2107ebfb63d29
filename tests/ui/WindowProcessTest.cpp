#include "FaultFolders.h"
#include "GridEvents.h"
#include "TempFolder.h"
#include "storage/ProgramFolder.h"
#include "storage/SettingsFallback.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <unistd.h>

using namespace veltrane;
using namespace veltrane::test;

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

QString windowProgram() { return QCoreApplication::applicationDirPath() + "/../bin/veltrane"; }

// Starts the window on the program folder, ends it with SIGTERM as the system
// does, and returns what it wrote on the standard error; empty with a test
// failure when it did not end in time or not cleanly.
QString terminate(
    const QString &programFolder, const std::function<bool()> &ready = [] { return true; }) {
  TempFolder noPrograms;
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  // The support page must not reach a real browser.
  environment.insert("PATH", noPrograms.path());
  environment.remove("BROWSER");
  process.setProcessEnvironment(environment);
  process.start(windowProgram(), {"--home", programFolder});
  EXPECT_TRUE(process.waitForStarted());
  EXPECT_TRUE(waitFor([&] { return catches(process.processId(), SIGTERM) && ready(); }));

  ::kill(pid_t(process.processId()), SIGTERM);
  const bool ended = process.waitForFinished(20000);
  EXPECT_TRUE(ended) << "the shut-down hangs";
  if (!ended) {
    process.kill();
    process.waitForFinished();
    return {};
  }
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0);
  return QString::fromLocal8Bit(process.readAllStandardError());
}

TEST(WindowProcessTest, TerminatingTheProgramRunsTheShutDown) {
  if (!QFileInfo(windowProgram()).isExecutable())
    GTEST_SKIP() << "the veltrane program is not built";
  TempFolder home;
  terminate(home.path());
  EXPECT_TRUE(home.read("Veltrane.INI").startsWith("3|1|"));
}

// No message box holds up a shut-down the system asked for: the settings go
// to the config folder and the standard error says so.
TEST(WindowProcessTest, TerminatingWithAProgramFolderThatCannotBeWrittenEndsAtOnce) {
  if (!QFileInfo(windowProgram()).isExecutable())
    GTEST_SKIP() << "the veltrane program is not built";
  const QString configFolder =
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/veltrane";
  const QByteArray old = "old settings\r\n";
  for (const auto kind : {Unwritable::ReadOnly, Unwritable::FullDisk}) {
    SCOPED_TRACE(kind == Unwritable::FullDisk ? "full disk" : "read-only");
    TempFolder home;
    const UnwritableFolder unwritable(home.path(), kind, "Veltrane.INI", old);
    if (!unwritable.skipReason().isEmpty()) {
      std::cout << "[  SKIPPED ] " << unwritable.skipReason().toStdString() << "\n";
      continue;
    }
    const QString errors = terminate(home.path());
    EXPECT_TRUE(errors.contains("Settings saved elsewhere")) << errors.toStdString();
    EXPECT_EQ(home.read("Veltrane.INI"), old);
    const SettingsFallback fallback(configFolder, home.path());
    EXPECT_TRUE(readWholeFile(fallback.settingsPath()).startsWith("3|1|"));
    EXPECT_TRUE(errors.contains(fallback.settingsPath())) << errors.toStdString();

    // The next start shows the notice; the system ends it while the box is up.
    const QString notice = fallback.folder() + "/notice";
    ASSERT_TRUE(QFileInfo::exists(notice));
    terminate(home.path(), [&] { return !QFileInfo::exists(notice); });
  }
}

} // namespace
