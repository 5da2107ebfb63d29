#include "FaultFolders.h"
#include "GridEvents.h"
#include "TempFolder.h"
#include "presets/ProgramFolder.h"
#include "presets/SettingsFallback.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <unistd.h>

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

QString windowProgram() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/veltrane");
}

// Starts the window on the program folder, ends it with SIGTERM as the system
// does, and returns what it wrote on the standard error; empty with a test
// failure when it did not end in time or not cleanly.
QString terminate(
    const QString &programFolder, const std::function<bool()> &ready = [] { return true; }) {
  veltrane::test::TempFolder noPrograms;
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  // The support page must not reach a real browser.
  environment.insert(QStringLiteral("PATH"), noPrograms.path());
  environment.remove(QStringLiteral("BROWSER"));
  process.setProcessEnvironment(environment);
  process.start(windowProgram(), {QStringLiteral("--home"), programFolder});
  EXPECT_TRUE(process.waitForStarted());
  EXPECT_TRUE(veltrane::test::waitFor([&] { return catches(process.processId(), SIGTERM) && ready(); }));

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
  veltrane::test::TempFolder home;
  terminate(home.path());
  EXPECT_TRUE(home.read(QStringLiteral("Veltrane.INI")).startsWith("3|1|"));
}

// No message box holds up a shut-down the system asked for: the settings go
// to the config folder and the standard error says so.
TEST(WindowProcessTest, TerminatingWithAProgramFolderThatCannotBeWrittenEndsAtOnce) {
  if (!QFileInfo(windowProgram()).isExecutable())
    GTEST_SKIP() << "the veltrane program is not built";
  const QString configFolder =
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/veltrane");
  const QByteArray old = "old settings\r\n";
  for (const bool full : {false, true}) {
    veltrane::test::TempFolder home;
    std::unique_ptr<veltrane::test::ReadOnlyFolder> readOnly;
    std::unique_ptr<veltrane::test::SmallDisk> small;
    QString skipped;
    if (full) {
      small = std::make_unique<veltrane::test::SmallDisk>(home.path(), 2 * 1024 * 1024);
      skipped = small->skipReason();
      if (skipped.isEmpty()) {
        home.write(QStringLiteral("Veltrane.INI"), old);
        small->fill();
      }
    } else {
      readOnly = std::make_unique<veltrane::test::ReadOnlyFolder>(home.path());
      readOnly->write(QStringLiteral("Veltrane.INI"), old);
      readOnly->seal();
      skipped = readOnly->skipReason();
      if (skipped.isEmpty() && ::access(QFile::encodeName(home.path()).constData(), W_OK) == 0)
        skipped = QStringLiteral("the folder could not be made read-only");
    }
    if (!skipped.isEmpty()) {
      std::cout << "[  SKIPPED ] " << (full ? "full disk: " : "read-only: ") << skipped.toStdString() << "\n";
      continue;
    }
    const QString errors = terminate(home.path());
    EXPECT_TRUE(errors.contains(QStringLiteral("Settings saved elsewhere"))) << errors.toStdString();
    EXPECT_EQ(home.read(QStringLiteral("Veltrane.INI")), old) << full;
    const veltrane::SettingsFallback fallback(configFolder, home.path());
    EXPECT_TRUE(veltrane::readWholeFile(fallback.settingsPath()).startsWith("3|1|")) << full;
    EXPECT_TRUE(errors.contains(fallback.settingsPath())) << errors.toStdString();

    // The next start shows the notice; the system ends it while the box is up.
    const QString notice = fallback.folder() + QStringLiteral("/notice");
    ASSERT_TRUE(QFileInfo::exists(notice));
    terminate(home.path(), [&] { return !QFileInfo::exists(notice); });
  }
}

} // namespace
