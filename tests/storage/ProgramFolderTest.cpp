#include "storage/ProgramFolder.h"
#include "FaultFolders.h"
#include "TempFolder.h"
#include "storage/AtomicFile.h"
#include "storage/SettingsFallback.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>

using namespace veltrane;
using test::TempFolder;

namespace {

ProgramFolder portableIn(const TempFolder &temp, const QString &home) {
  return ProgramFolder::portable(temp.file(home), {temp.file("config"), temp.file("data"), {}, {}, {}, {}});
}

// A settings file of the usual size, well below 16 kB.
const QByteArray kSettings = QByteArray("3|1|0\r\n").repeated(1200);

} // namespace

TEST(ProgramFolder, ResolvesHomeOptionEnvironmentPortableAndInstalled) {
  TempFolder temp;
  const QString exe = temp.file("bin");
  QDir().mkpath(exe);
  EXPECT_FALSE(ProgramFolder::resolve({}, exe).isPortable());
  EXPECT_EQ(ProgramFolder::resolve(temp.path(), exe).home(), temp.path());
  // Started again from a file manager's entry, each finds its own folder.
  EXPECT_EQ(ProgramFolder::resolve(temp.path(), exe).startArguments(exe),
            (QStringList{"--home", temp.path()}));
  EXPECT_TRUE(ProgramFolder::resolve({}, exe).startArguments(exe).isEmpty());

  qputenv("VELTRANE_HOME", temp.file("env").toLocal8Bit());
  EXPECT_EQ(ProgramFolder::resolve({}, exe).home(), temp.file("env"));
  EXPECT_EQ(ProgramFolder::resolve(temp.path(), exe).home(), temp.path());
  qunsetenv("VELTRANE_HOME");

  QDir().mkpath(exe + "/frames");
  const ProgramFolder portable = ProgramFolder::resolve({}, exe);
  EXPECT_EQ(portable.home(), exe);
  EXPECT_TRUE(portable.startArguments(exe + "/").isEmpty()) << "it finds itself";
  EXPECT_EQ(portable.frameFolders(), QStringList{exe + "/frames"});
  EXPECT_EQ(portable.helpTextPath(), exe + "/Veltrane.TXT");

  const ProgramFolder installed =
      ProgramFolder::installed(ProgramFolder::userLocations(temp.file("prefix/bin")));
  EXPECT_TRUE(installed.settingsReadPath().endsWith("/.config/veltrane/Veltrane.INI"));
  EXPECT_EQ(installed.frameFolders().value(1), temp.file("prefix/share/veltrane/frames"));
  EXPECT_TRUE(readWholeFile(temp.path()).isEmpty()) << "a folder reads as nothing";
}

TEST(ProgramFolder, FallsBackToItsOwnCopyTellsOnceAndComesBack) {
  TempFolder temp;
  auto result = portableIn(temp, "home").saveSettings("one\r\n");
  EXPECT_TRUE(result.saved);
  EXPECT_TRUE(result.notice.isEmpty());
  EXPECT_EQ(temp.read("home/Veltrane.INI"), QByteArray("one\r\n"));
  EXPECT_EQ(temp.entries("home"), QStringList{"Veltrane.INI"});

  // A file where the program folder should be: it can never be written.
  const QString blockedHome = temp.write("blocked", "not a folder");
  const ProgramFolder blocked = portableIn(temp, "blocked");
  const SettingsFallback copy(temp.file("config"), blockedHome);
  result = blocked.saveSettings("two\r\n");
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(result.path, copy.settingsPath());
  EXPECT_TRUE(result.path.startsWith(temp.file("config/program-folders/blocked-")));
  EXPECT_TRUE(result.notice.contains(blockedHome)) << result.notice.toStdString();
  EXPECT_EQ(blocked.settingsReadPath(), result.path);
  EXPECT_EQ(temp.read("blocked"), "not a folder");
  // The notice waits for the next start, once.
  EXPECT_EQ(blocked.takeNotice(), result.notice);
  EXPECT_TRUE(blocked.takeNotice().isEmpty());
  result = blocked.saveSettings("three\r\n");
  EXPECT_TRUE(result.notice.isEmpty());
  EXPECT_TRUE(blocked.takeNotice().isEmpty());
  EXPECT_EQ(readWholeFile(copy.settingsPath()), QByteArray("three\r\n"));

  // Once the folder can be written again, the copy goes.
  QFile::remove(blockedHome);
  result = blocked.saveSettings("four\r\n");
  EXPECT_EQ(result.path, blockedHome + "/Veltrane.INI");
  EXPECT_FALSE(QFileInfo::exists(copy.folder()));
  EXPECT_EQ(blocked.settingsReadPath(), result.path);
}

// Each program folder reads and writes only its own settings: not the
// installed copy's, not another folder's fallback copy.
TEST(ProgramFolder, AFallbackCopyBelongsToOneProgramFolder) {
  TempFolder temp;
  const QString config = temp.file("config");
  const ProgramFolder first = portableIn(temp, "first");
  const ProgramFolder second = portableIn(temp, "second");
  // The installed copy's settings, newer than anything: never read by a portable folder.
  temp.write("config/Veltrane.INI", "installed\r\n");
  EXPECT_EQ(first.settingsReadPath(), temp.file("first/Veltrane.INI"));

  const SettingsFallback firstCopy(config, first.home());
  ASSERT_TRUE(firstCopy.save("first's\r\n").value());
  EXPECT_EQ(first.settingsReadPath(), firstCopy.settingsPath());
  EXPECT_EQ(second.settingsReadPath(), temp.file("second/Veltrane.INI"));
  // The other folder saves in its own place and deletes nothing.
  EXPECT_TRUE(second.saveSettings("second's\r\n").saved);
  EXPECT_EQ(temp.read("second/Veltrane.INI"), "second's\r\n");
  EXPECT_TRUE(QFileInfo(firstCopy.settingsPath()).isFile());
  EXPECT_EQ(temp.read("config/Veltrane.INI"), "installed\r\n");

  // A copy's folder that records another program folder (names that happen
  // to meet) is neither read nor written nor removed.
  const SettingsFallback secondCopy(config, second.home());
  QDir().mkpath(secondCopy.folder());
  temp.write(secondCopy.folder().mid(temp.path().size() + 1) + "/program-folder", "/else\n");
  temp.write(secondCopy.folder().mid(temp.path().size() + 1) + "/Veltrane.INI", "else's\r\n");
  EXPECT_EQ(second.settingsReadPath(), temp.file("second/Veltrane.INI"));
  const Result<bool> refused = secondCopy.save("second's\r\n");
  EXPECT_FALSE(refused);
  EXPECT_TRUE(refused.reason().endsWith("kept for another program folder"));
  secondCopy.remove();
  EXPECT_TRUE(QFileInfo(secondCopy.settingsPath()).isFile());
}

TEST(ProgramFolder, AKillBeforePublishingKeepsTheOldFileAndTheNextSaveCleansUp) {
  TempFolder temp;
  const ProgramFolder folder = portableIn(temp, "home");
  ASSERT_TRUE(folder.saveSettings("old\r\n").saved);
  const QString path = temp.file("home/Veltrane.INI");
  ASSERT_TRUE(
      test::killedAfter([&] { (void)writeFileAtomically(path, kSettings, [] { ::raise(SIGKILL); }); }));
  EXPECT_EQ(temp.read("home/Veltrane.INI"), "old\r\n");
  const QStringList left = temp.entries("home");
  ASSERT_EQ(left.size(), 2);
  EXPECT_TRUE(left[0].startsWith(".veltrane-")) << left[0].toStdString();
  EXPECT_EQ(QFileInfo(temp.file("home/" + left[0])).size(), kSettings.size());

  EXPECT_TRUE(folder.saveSettings("new\r\n").saved);
  EXPECT_EQ(temp.entries("home"), QStringList{"Veltrane.INI"});
  EXPECT_EQ(temp.read("home/Veltrane.INI"), "new\r\n");
}

class ProgramFolderFaults : public ::testing::TestWithParam<test::Unwritable> {};

TEST_P(ProgramFolderFaults, AnUnwritableProgramFolderKeepsItsFileAndSavesToItsCopy) {
  TempFolder temp;
  const bool full = GetParam() == test::Unwritable::FullDisk;
  const test::UnwritableFolder home(temp.file("home"), GetParam(), "Veltrane.INI", "old\r\n");
  if (!home.skipReason().isEmpty())
    GTEST_SKIP() << home.skipReason().toStdString();
  const ProgramFolder folder = portableIn(temp, "home");
  const auto result = folder.saveSettings(kSettings);
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(folder.settingsReadPath(), result.path);
  EXPECT_EQ(readWholeFile(result.path), kSettings);
  EXPECT_TRUE(result.notice.contains(full ? "No space left on device" : QString()))
      << result.notice.toStdString();
  EXPECT_FALSE(result.notice.isEmpty());
  EXPECT_EQ(temp.read("home/Veltrane.INI"), "old\r\n");
  EXPECT_EQ(temp.entries("home"),
            full ? QStringList({".filler", "Veltrane.INI"}) : QStringList("Veltrane.INI"));
}

INSTANTIATE_TEST_SUITE_P(Faults, ProgramFolderFaults,
                         ::testing::Values(test::Unwritable::ReadOnly, test::Unwritable::FullDisk),
                         [](const auto &info) {
                           return info.param == test::Unwritable::ReadOnly ? "ReadOnly" : "FullDisk";
                         });
