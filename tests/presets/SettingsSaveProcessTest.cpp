// Copies of the program that save one settings file at the same time.
#include "TempFolder.h"
#include "presets/SettingsFile.h"
#include "storage/ProgramFolder.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace veltrane;
using test::TempFolder;

namespace {

struct Saver {
  std::unique_ptr<QProcess> process = std::make_unique<QProcess>();

  Saver(const QString &home, const QString &preset, int width) {
    process->start(SETTINGS_SAVER, {home, preset, QString::number(width)});
    EXPECT_TRUE(process->waitForStarted());
  }
  void waitUntilRead() {
    while (!process->canReadLine())
      ASSERT_TRUE(process->waitForReadyRead(20000)) << "the saver never read the settings";
    EXPECT_EQ(process->readLine(), "ready\n");
  }
  void save() {
    process->write("\n");
    EXPECT_TRUE(process->waitForBytesWritten(20000));
  }
  void waitUntilSaved() {
    ASSERT_TRUE(process->waitForFinished(20000));
    EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
  }
};

QStringList presetNames(const QString &home) {
  const ProgramFolder folder = ProgramFolder::resolve(home, {});
  return readSettings(readWholeFile(folder.settingsReadPath()), firstRunSettings({}, {}), {}).presets.names();
}

} // namespace

// Copies that read the file at once: one saves its new preset alone, and the
// others, which read the file before, keep it beside their own; saves at the
// same moment wait for each other.
TEST(SettingsSaveProcess, CopiesSavingOneFileLoseNothing) {
  TempFolder temp;
  std::vector<Saver> savers;
  constexpr int kCopies = 4;
  for (int i = 0; i < kCopies; ++i)
    savers.emplace_back(temp.path(), QStringLiteral("Copy %1").arg(i), 200 + i);
  for (Saver &saver : savers)
    saver.waitUntilRead();
  savers[0].save();
  savers[0].waitUntilSaved();
  ASSERT_TRUE(presetNames(temp.path()).contains("Copy 0"));
  for (int i = 1; i < kCopies; ++i)
    savers[i].save();
  for (int i = 1; i < kCopies; ++i)
    savers[i].waitUntilSaved();
  const QStringList names = presetNames(temp.path());
  EXPECT_EQ(names.count(), 33 + kCopies);
  for (int i = 0; i < kCopies; ++i)
    EXPECT_TRUE(names.contains(QStringLiteral("Copy %1").arg(i))) << i;
}
