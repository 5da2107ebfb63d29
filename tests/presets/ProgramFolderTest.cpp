#include "presets/ProgramFolder.h"
#include "FaultFolders.h"
#include "TempFolder.h"
#include "presets/SettingsFallback.h"
#include "presets/TemporaryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace veltrane;
using test::TempFolder;

namespace {

QStringList everything(const QString &folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Name);
}

mode_t modeOf(const QString &path) {
  struct stat info {};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}

ProgramFolder::Locations locationsIn(const TempFolder &temp) {
  return {temp.file(QStringLiteral("config")), temp.file(QStringLiteral("data")), {}};
}

// Runs the action as a process that writes at most `room` bytes per file,
// as on a disk that fills up there.
template <typename Action> auto withRoomFor(qint64 room, Action action) {
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  const struct rlimit small = {rlim_t(room), old.rlim_max};
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  const auto restore = qScopeGuard([&] {
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
  });
  return action();
}

// Runs the action in a child process and returns how it ended (waitpid's status).
int inChild(const std::function<void()> &action) {
  const pid_t child = ::fork();
  if (child == 0) {
    action();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

// A settings file of the usual size, well below 16 kB.
const QByteArray kSettings = QByteArray("3|1|0\r\n").repeated(1200);

} // namespace

TEST(ProgramFolder, ResolvesHomeOptionEnvironmentPortableAndInstalled) {
  TempFolder temp;
  const QString exe = temp.file(QStringLiteral("bin"));
  QDir().mkpath(exe);
  EXPECT_FALSE(ProgramFolder::resolve({}, exe).isPortable());
  EXPECT_EQ(ProgramFolder::resolve(temp.path(), exe).home(), temp.path());

  qputenv("VELTRANE_HOME", temp.file(QStringLiteral("env")).toLocal8Bit());
  EXPECT_EQ(ProgramFolder::resolve({}, exe).home(), temp.file(QStringLiteral("env")));
  EXPECT_EQ(ProgramFolder::resolve(temp.path(), exe).home(), temp.path());
  qunsetenv("VELTRANE_HOME");

  QDir().mkpath(exe + QStringLiteral("/frames"));
  const ProgramFolder portable = ProgramFolder::resolve({}, exe);
  EXPECT_EQ(portable.home(), exe);
  EXPECT_EQ(portable.frameFolders(), QStringList{exe + QStringLiteral("/frames")});
  EXPECT_EQ(portable.helpTextPath(), exe + QStringLiteral("/Veltrane.TXT"));

  const ProgramFolder installed =
      ProgramFolder::installed(ProgramFolder::userLocations(temp.file("prefix/bin")));
  EXPECT_TRUE(installed.settingsReadPath().endsWith(QStringLiteral("/.config/veltrane/Veltrane.INI")));
  EXPECT_EQ(installed.frameFolders().value(1), temp.file(QStringLiteral("prefix/share/veltrane/frames")));
}

TEST(ProgramFolder, FallsBackToItsOwnCopyTellsOnceAndComesBack) {
  TempFolder temp;
  const ProgramFolder folder = ProgramFolder::portable(temp.file(QStringLiteral("home")), locationsIn(temp));
  auto result = folder.saveSettings("one\r\n");
  EXPECT_TRUE(result.saved);
  EXPECT_TRUE(result.notice.isEmpty());
  EXPECT_EQ(temp.read(QStringLiteral("home/Veltrane.INI")), QByteArray("one\r\n"));
  EXPECT_EQ(everything(temp.file(QStringLiteral("home"))), QStringList{"Veltrane.INI"});

  // A file where the program folder should be: it can never be written.
  const QString blockedHome = temp.write(QStringLiteral("blocked"), "not a folder");
  const ProgramFolder blocked = ProgramFolder::portable(blockedHome, locationsIn(temp));
  const SettingsFallback copy(temp.file(QStringLiteral("config")), blockedHome);
  result = blocked.saveSettings("two\r\n");
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(result.path, copy.settingsPath());
  EXPECT_TRUE(result.path.startsWith(temp.file(QStringLiteral("config/program-folders/blocked-"))));
  EXPECT_TRUE(result.notice.contains(blockedHome)) << result.notice.toStdString();
  EXPECT_EQ(blocked.settingsReadPath(), result.path);
  EXPECT_EQ(temp.read(QStringLiteral("blocked")), "not a folder");
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
  EXPECT_EQ(result.path, blockedHome + QStringLiteral("/Veltrane.INI"));
  EXPECT_FALSE(QFileInfo::exists(copy.folder()));
  EXPECT_EQ(blocked.settingsReadPath(), result.path);
}

// Each program folder reads and writes only its own settings: not the
// installed copy's, not another folder's fallback copy.
TEST(ProgramFolder, AFallbackCopyBelongsToOneProgramFolder) {
  TempFolder temp;
  const QString config = temp.file(QStringLiteral("config"));
  const ProgramFolder first = ProgramFolder::portable(temp.file(QStringLiteral("first")), locationsIn(temp));
  const ProgramFolder second =
      ProgramFolder::portable(temp.file(QStringLiteral("second")), locationsIn(temp));
  // The installed copy's settings, newer than anything: never read by a portable folder.
  temp.write(QStringLiteral("config/Veltrane.INI"), "installed\r\n");
  EXPECT_EQ(first.settingsReadPath(), temp.file(QStringLiteral("first/Veltrane.INI")));

  bool firstTime = false;
  const SettingsFallback firstCopy(config, first.home());
  ASSERT_TRUE(firstCopy.save("first's\r\n", &firstTime, nullptr));
  EXPECT_EQ(first.settingsReadPath(), firstCopy.settingsPath());
  EXPECT_EQ(second.settingsReadPath(), temp.file(QStringLiteral("second/Veltrane.INI")));
  // The other folder saves in its own place and deletes nothing.
  EXPECT_TRUE(second.saveSettings("second's\r\n").saved);
  EXPECT_EQ(temp.read(QStringLiteral("second/Veltrane.INI")), "second's\r\n");
  EXPECT_TRUE(QFileInfo(firstCopy.settingsPath()).isFile());
  EXPECT_EQ(temp.read(QStringLiteral("config/Veltrane.INI")), "installed\r\n");

  // A copy's folder that records another program folder (names that happen
  // to meet) is neither read nor written nor removed.
  const SettingsFallback secondCopy(config, second.home());
  QDir().mkpath(secondCopy.folder());
  temp.write(secondCopy.folder().mid(temp.path().size() + 1) + QStringLiteral("/program-folder"), "/else\n");
  temp.write(secondCopy.folder().mid(temp.path().size() + 1) + QStringLiteral("/Veltrane.INI"), "else's\r\n");
  EXPECT_EQ(second.settingsReadPath(), temp.file(QStringLiteral("second/Veltrane.INI")));
  QString error;
  EXPECT_FALSE(secondCopy.save("second's\r\n", &firstTime, &error));
  EXPECT_FALSE(error.isEmpty());
  secondCopy.remove();
  EXPECT_TRUE(QFileInfo(secondCopy.settingsPath()).isFile());
}

TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
  TempFolder temp;
  const QString path = temp.write(QStringLiteral("Veltrane.INI"), "old\r\n");
  const QString locked = temp.write(QStringLiteral("locked.INI"), "locked\r\n");
  ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0444), 0);
  QDir().mkpath(temp.file(QStringLiteral("dir")));
  const QStringList before = everything(temp.path());
  const struct {
    const char *name;
    std::function<bool(QString *)> write;
  } cases[] = {
      {"a folder at the path", [&](QString *e) { return writeFileAtomically(temp.file("dir"), "x", e); }},
      {"a missing folder", [&](QString *e) { return writeFileAtomically(temp.file("gone/a.INI"), "x", e); }},
      {"a disk that fills up",
       [&](QString *e) {
         return withRoomFor(4096, [&] { return writeFileAtomically(path, kSettings, e); });
       }},
      // Also root keeps a file that nobody may write.
      {"no write permission", [&](QString *e) { return writeFileAtomically(locked, "new\r\n", e); }},
  };
  for (const auto &c : cases) {
    QString error;
    EXPECT_FALSE(c.write(&error)) << c.name;
    EXPECT_FALSE(error.isEmpty()) << c.name;
    EXPECT_EQ(everything(temp.path()), before) << c.name;
    EXPECT_EQ(temp.read(QStringLiteral("Veltrane.INI")), "old\r\n") << c.name;
  }
  EXPECT_EQ(temp.read(QStringLiteral("locked.INI")), "locked\r\n");
  EXPECT_EQ(modeOf(locked) & 07777, 0444u);
  EXPECT_TRUE(readWholeFile(temp.path()).isEmpty());
}

TEST(AtomicFile, ReplacesKeepingTheModeAndNeverWritesThroughALink) {
  TempFolder temp;
  const QString path = temp.write(QStringLiteral("Veltrane.INI"), "old\r\n");
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
  EXPECT_TRUE(writeFileAtomically(path, kSettings));
  EXPECT_EQ(temp.read(QStringLiteral("Veltrane.INI")), kSettings);
  EXPECT_EQ(modeOf(path) & 07777, 0600u);

  const QString victim = temp.write(QStringLiteral("victim"), "keep me");
  const QString linked = temp.file(QStringLiteral("linked.INI"));
  ASSERT_EQ(::symlink("victim", QFile::encodeName(linked).constData()), 0);
  EXPECT_TRUE(writeFileAtomically(linked, "new\r\n"));
  EXPECT_TRUE(S_ISREG(modeOf(linked)));
  EXPECT_EQ(temp.read(QStringLiteral("linked.INI")), "new\r\n");
  EXPECT_EQ(temp.read(QStringLiteral("victim")), "keep me");
}

TEST(AtomicFile, AKillBeforePublishingKeepsTheOldFileAndTheNextSaveCleansUp) {
  TempFolder temp;
  const ProgramFolder folder = ProgramFolder::portable(temp.file(QStringLiteral("home")), locationsIn(temp));
  ASSERT_TRUE(folder.saveSettings("old\r\n").saved);
  const QString path = temp.file(QStringLiteral("home/Veltrane.INI"));
  const int status =
      inChild([&] { writeFileAtomically(path, kSettings, nullptr, [] { ::raise(SIGKILL); }); });
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  EXPECT_EQ(temp.read(QStringLiteral("home/Veltrane.INI")), "old\r\n");
  const QStringList left = everything(temp.file(QStringLiteral("home")));
  ASSERT_EQ(left.size(), 2);
  EXPECT_TRUE(left[0].startsWith(QStringLiteral(".veltrane-"))) << left[0].toStdString();
  EXPECT_EQ(QFileInfo(temp.file(QStringLiteral("home/") + left[0])).size(), kSettings.size());

  EXPECT_TRUE(folder.saveSettings("new\r\n").saved);
  EXPECT_EQ(everything(temp.file(QStringLiteral("home"))), QStringList{"Veltrane.INI"});
  EXPECT_EQ(temp.read(QStringLiteral("home/Veltrane.INI")), "new\r\n");
}

TEST(TemporaryFiles, OnlyThoseOfDeadProcessesOnThisMachineAreRemoved) {
  TempFolder temp;
  const QByteArray folder = QFile::encodeName(temp.path());
  // A file of a process that was killed while writing.
  ASSERT_EQ(inChild([&] {
              TemporaryFile file(folder);
              file.write("half a picture");
              ::raise(SIGKILL);
            }) & 0x7f,
            SIGKILL);
  const QStringList abandoned = everything(temp.path());
  ASSERT_EQ(abandoned.size(), 1);
  const QString dead = abandoned[0];

  // This process's own, still being written.
  const TemporaryFile mine(folder);
  ASSERT_EQ(mine.error(), 0);
  const QString own = QFileInfo(QFile::decodeName(mine.path())).fileName();
  // ".veltrane-HOST-" as this machine writes it.
  const QString hostPrefix = own.left(own.lastIndexOf(u'-', own.lastIndexOf(u'-') - 1) + 1);
  const QString deadPid = dead.mid(hostPrefix.size()).section(u'-', 0, 0);
  const QStringList kept = {
      // Another machine's process with the same number.
      QStringLiteral(".veltrane-elsewhere-%1-abcdefghij.tmp").arg(deadPid),
      hostPrefix + QStringLiteral("1-abcdefghij.tmp"), // a process that runs
      hostPrefix + deadPid + QStringLiteral("-ABC.tmp"),
      hostPrefix + deadPid + QStringLiteral("-abc.txt"),
      hostPrefix + QStringLiteral("x") + deadPid + QStringLiteral("-abc.tmp"),
      QStringLiteral("picture.jpg"),
  };
  for (const QString &name : kept)
    temp.write(name, "kept");
  const QString deadFolder = hostPrefix + deadPid + QStringLiteral("-folder.tmp");
  const QString deadLink = hostPrefix + deadPid + QStringLiteral("-link.tmp");
  QDir(temp.path()).mkdir(deadFolder);
  ASSERT_EQ(::symlink("picture.jpg", QFile::encodeName(temp.file(deadLink)).constData()), 0);

  EXPECT_EQ(removeAbandonedTemporaryFiles(temp.path()), 1);
  QStringList expected = kept + QStringList{own, deadFolder, deadLink};
  expected.sort();
  EXPECT_EQ(everything(temp.path()), expected);
  EXPECT_EQ(removeAbandonedTemporaryFiles(temp.file(QStringLiteral("missing"))), 0);
}

TEST(ProgramFolderFaults, AReadOnlyProgramFolderSavesToItsCopy) {
  TempFolder temp;
  test::ReadOnlyFolder home(temp.file(QStringLiteral("home")));
  home.write(QStringLiteral("Veltrane.INI"), "old\r\n");
  home.seal();
  if (!home.skipReason().isEmpty())
    GTEST_SKIP() << home.skipReason().toStdString();
  if (::access(QFile::encodeName(temp.file(QStringLiteral("home"))).constData(), W_OK) == 0)
    GTEST_SKIP() << "the folder could not be made read-only";
  const ProgramFolder folder = ProgramFolder::portable(temp.file(QStringLiteral("home")), locationsIn(temp));
  const auto result = folder.saveSettings(kSettings);
  EXPECT_TRUE(result.saved);
  EXPECT_FALSE(result.notice.isEmpty());
  EXPECT_EQ(folder.settingsReadPath(), result.path);
  EXPECT_EQ(readWholeFile(result.path), kSettings);
  EXPECT_EQ(temp.read(QStringLiteral("home/Veltrane.INI")), "old\r\n");
}

TEST(ProgramFolderFaults, AFullDiskKeepsTheOldFileAndSavesToTheCopy) {
  TempFolder temp;
  test::SmallDisk disk(temp.file(QStringLiteral("home")), 2 * 1024 * 1024);
  if (!disk.skipReason().isEmpty())
    GTEST_SKIP() << disk.skipReason().toStdString();
  const ProgramFolder folder = ProgramFolder::portable(temp.file(QStringLiteral("home")), locationsIn(temp));
  ASSERT_TRUE(folder.saveSettings("old\r\n").saved);
  disk.fill();
  const auto result = folder.saveSettings(kSettings);
  EXPECT_TRUE(result.saved);
  EXPECT_TRUE(result.notice.contains(QStringLiteral("No space left on device")))
      << result.notice.toStdString();
  EXPECT_EQ(readWholeFile(folder.settingsReadPath()), kSettings);
  EXPECT_EQ(temp.read(QStringLiteral("home/Veltrane.INI")), "old\r\n");
  EXPECT_EQ(everything(temp.file(QStringLiteral("home"))), (QStringList{".filler", "Veltrane.INI"}));
}
