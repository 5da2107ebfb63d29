// Copies of the program that save one settings file at the same time.
#include "TempFolder.h"
#include "storage/ProgramFolder.h"
#include "presets/SettingsFile.h"

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

// One copy saves its new preset; the other, which read the file before, ends
// later and keeps it beside its own.
TEST(SettingsSaveProcess, APresetSavedByOneCopyOutlivesAnothersLaterExit) {
  TempFolder temp;
  Saver first(temp.path(), "First", 101);
  Saver second(temp.path(), "Second", 102);
  first.waitUntilRead();
  second.waitUntilRead();
  first.save();
  first.waitUntilSaved();
  ASSERT_TRUE(presetNames(temp.path()).contains("First"));
  second.save();
  second.waitUntilSaved();
  const QStringList names = presetNames(temp.path());
  EXPECT_EQ(names.count(), 35);
  EXPECT_TRUE(names.contains("First"));
  EXPECT_TRUE(names.contains("Second"));
}

// Saves at the same moment wait for each other.
TEST(SettingsSaveProcess, CopiesSavingAtOnceLoseNothing) {
  TempFolder temp;
  std::vector<Saver> savers;
  constexpr int kCopies = 4;
  for (int i = 0; i < kCopies; ++i)
    savers.emplace_back(temp.path(), QStringLiteral("Copy %1").arg(i), 200 + i);
  for (Saver &saver : savers)
    saver.waitUntilRead();
  for (Saver &saver : savers)
    saver.save();
  for (Saver &saver : savers)
    saver.waitUntilSaved();
  const QStringList names = presetNames(temp.path());
  EXPECT_EQ(names.count(), 33 + kCopies);
  for (int i = 0; i < kCopies; ++i)
    EXPECT_TRUE(names.contains(QStringLiteral("Copy %1").arg(i))) << i;
}
