#include "storage/AtomicFile.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace veltrane;
using test::TempFolder;

namespace {

mode_t modeOf(const QString &path) {
  struct stat info {};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
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

// A settings file of the usual size, well below 16 kB.
const QByteArray kSettings = QByteArray("3|1|0\r\n").repeated(1200);

} // namespace

TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
  TempFolder temp;
  const QString path = temp.write("Veltrane.INI", "old\r\n");
  const QString locked = temp.write("locked.INI", "locked\r\n");
  ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0444), 0);
  QDir().mkpath(temp.file("dir"));
  const QStringList before = temp.entries();
  const struct {
    const char *name;
    std::function<Result<>()> write;
  } cases[] = {
      {"a folder at the path", [&] { return writeFileAtomically(temp.file("dir"), "x"); }},
      {"a missing folder", [&] { return writeFileAtomically(temp.file("gone/a.INI"), "x"); }},
      {"a disk that fills up",
       [&] { return withRoomFor(4096, [&] { return writeFileAtomically(path, kSettings); }); }},
      // Also root keeps a file that nobody may write.
      {"no write permission", [&] { return writeFileAtomically(locked, "new\r\n"); }},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const Result<> written = c.write();
    EXPECT_FALSE(written);
    EXPECT_FALSE(written.reason().isEmpty());
    EXPECT_EQ(temp.entries(), before);
    EXPECT_EQ(temp.read("Veltrane.INI"), "old\r\n");
  }
  EXPECT_EQ(temp.read("locked.INI"), "locked\r\n");
  EXPECT_EQ(modeOf(locked) & 07777, 0444u);
}

TEST(AtomicFile, ReplacesKeepingTheModeAndNeverWritesThroughALink) {
  TempFolder temp;
  const QString path = temp.write("Veltrane.INI", "old\r\n");
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
  EXPECT_TRUE(writeFileAtomically(path, kSettings));
  EXPECT_EQ(temp.read("Veltrane.INI"), kSettings);
  EXPECT_EQ(modeOf(path) & 07777, 0600u);

  const QString victim = temp.write("victim", "keep me");
  const QString linked = temp.file("linked.INI");
  ASSERT_EQ(::symlink("victim", QFile::encodeName(linked).constData()), 0);
  EXPECT_TRUE(writeFileAtomically(linked, "new\r\n"));
  EXPECT_TRUE(S_ISREG(modeOf(linked)));
  EXPECT_EQ(temp.read("linked.INI"), "new\r\n");
  EXPECT_EQ(temp.read("victim"), "keep me");
}
