#include "batch/OutputFolder.h"
#include "BatchTestKit.h"
#include "FaultFolders.h"
#include "storage/TemporaryFile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <tuple>

using namespace veltrane;
using test::TempFolder;

namespace {

struct stat statOf(const QString &path) {
  struct stat info {};
  ::lstat(QFile::encodeName(path).constData(), &info);
  return info;
}

} // namespace

// A new folder is marked once; a batch removes what killed batches left there.
TEST(OutputFolder, MarksANewFolderOnceAndRemovesWhatKilledBatchesLeft) {
  TempFolder temp;
  const QString out = temp.file(QStringLiteral("a/b/out"));
  EXPECT_TRUE(prepareOutputFolder(out));
  EXPECT_EQ(
      temp.read(QStringLiteral("a/b/out/desktop.ini")),
      QByteArray("[.ShellClassInfo]\r\nIconFile=%SystemRoot%\\system32\\SHELL32.dll\r\nIconIndex = 127\r\n"));
  EXPECT_EQ(temp.entries("a/b/out"), QStringList{"desktop.ini"});
  const struct stat first = statOf(out + QStringLiteral("/desktop.ini"));
  // The next batch leaves it as it is.
  EXPECT_TRUE(prepareOutputFolder(out));
  EXPECT_EQ(statOf(out + QStringLiteral("/desktop.ini")).st_ino, first.st_ino);
  EXPECT_EQ(temp.entries("a/b/out"), QStringList{"desktop.ini"});

  // A batch killed between writing a picture and giving it its name.
  ASSERT_TRUE(test::killedAfter([&] {
    TemporaryFile picture(QFile::encodeName(out));
    picture.write("half a picture");
    ::raise(SIGKILL);
  }));
  ASSERT_EQ(temp.entries("a/b/out").size(), 2);
  // One still at work here.
  const TemporaryFile running(QFile::encodeName(out));
  const QString runningName = QFileInfo(QFile::decodeName(running.path())).fileName();
  EXPECT_TRUE(prepareOutputFolder(out));
  EXPECT_EQ(temp.entries("a/b/out"), (QStringList{runningName, "desktop.ini"}));
}

// Whatever already has the marker's name stays as it was, and the batch goes on.
TEST(OutputFolder, NeverWritesThroughALinkOrOverAnotherFile) {
  TempFolder temp;
  const QString victim = temp.write(QStringLiteral("victim.txt"), "someone's file");
  ASSERT_EQ(::chmod(QFile::encodeName(victim).constData(), 0600), 0);
  const QByteArray usersOwn = "[.ShellClassInfo]\r\nIconResource=photos.ico,0\r\n";
  const struct {
    const char *name;
    std::function<void(const QString &marker)> plant;
  } cases[] = {
      {"a link to another file", [&](const QString &m) { QFile::link(victim, m); }},
      {"a dangling link", [&](const QString &m) { QFile::link(temp.file("nothing.txt"), m); }},
      {"a user's read-only file",
       [&](const QString &m) {
         temp.write(m.mid(temp.path().size() + 1), usersOwn);
         ::chmod(QFile::encodeName(m).constData(), 0444);
       }},
      {"a folder", [&](const QString &m) { QDir().mkpath(m + QStringLiteral("/inside")); }},
  };
  int n = 0;
  for (const auto &c : cases) {
    // Shared, as a folder of several users is: sticky and world-writable.
    const QString name = QStringLiteral("out%1").arg(++n), out = temp.file(name);
    QDir().mkpath(out);
    ::chmod(QFile::encodeName(out).constData(), 01777);
    const QString marker = out + QStringLiteral("/desktop.ini");
    c.plant(marker);
    const struct stat before = statOf(marker);
    const QStringList entries = temp.entries(name);

    EXPECT_TRUE(prepareOutputFolder(out)) << c.name;
    const struct stat after = statOf(marker);
    EXPECT_EQ(std::tuple(after.st_ino, after.st_mode, after.st_size),
              std::tuple(before.st_ino, before.st_mode, before.st_size))
        << c.name;
    EXPECT_EQ(temp.entries(name), entries) << c.name;
    EXPECT_EQ(statOf(out).st_mode & 07777, 01777u) << c.name;
  }
  EXPECT_EQ(temp.read(QStringLiteral("victim.txt")), "someone's file");
  EXPECT_EQ(statOf(victim).st_mode & 07777, 0600u);
  EXPECT_FALSE(QFile::exists(temp.file(QStringLiteral("nothing.txt"))));
  EXPECT_TRUE(QFileInfo(temp.file(QStringLiteral("out1/desktop.ini"))).isSymLink());
  EXPECT_EQ(temp.read(QStringLiteral("out3/desktop.ini")), usersOwn);
}

TEST(OutputFolderFaults, AReadOnlyFolderStopsTheBatchBeforeAnything) {
  TempFolder temp;
  test::ReadOnlyFolder out(temp.file(QStringLiteral("out")));
  out.seal();
  if (!out.skipReason().isEmpty())
    GTEST_SKIP() << out.skipReason().toStdString();
  const QString error = prepareOutputFolder(temp.file(QStringLiteral("out"))).reason();
  EXPECT_TRUE(error.startsWith(QStringLiteral("Nothing can be saved in the folder"))) << error.toStdString();
  EXPECT_TRUE(temp.entries("out").isEmpty());
}

TEST(OutputFolderFaults, AFullDiskLeavesTheMarkerAndWritesNoHalfPicture) {
  test::BatchKit kit;
  test::SmallDisk disk(kit.temp.file(QStringLiteral("out")), 2 * 1024 * 1024);
  if (!disk.skipReason().isEmpty())
    GTEST_SKIP() << disk.skipReason().toStdString();
  kit.addPictures({"a.jpg", "b.jpg"}, {1200, 900});
  kit.job.fixedQuality = QStringLiteral("100");
  kit.temp.write(QStringLiteral("out/desktop.ini"), kFolderMarkerBytes);
  disk.fill();

  const BatchReport report = kit.run();
  EXPECT_TRUE(report.started());
  EXPECT_FALSE(report.allWritten());
  EXPECT_EQ(kit.temp.read(QStringLiteral("out/desktop.ini")), kFolderMarkerBytes);
  EXPECT_EQ(kit.temp.entries("out"), (QStringList{".filler", "desktop.ini"}));

  // Without a marker yet: none, or a whole one.
  QFile::remove(kit.temp.file(QStringLiteral("out/desktop.ini")));
  disk.fill();
  EXPECT_TRUE(prepareOutputFolder(kit.temp.file(QStringLiteral("out"))));
  const QByteArray marker = kit.temp.read(QStringLiteral("out/desktop.ini"));
  EXPECT_TRUE(marker.isEmpty() || marker == kFolderMarkerBytes);
}

// A mirrored tree's folders are made below the output folder and never
// through a link or a file someone put in their place.
TEST(OutputFolder, SubfoldersStayBelowTheOutputFolder) {
  TempFolder temp;
  ASSERT_TRUE(prepareOutputFolder(temp.file("out")));
  temp.write("elsewhere/keep.txt", "x");
  ASSERT_TRUE(QFile::link(temp.file("elsewhere"), temp.file("out/linked")));
  temp.write("out/file", "a file");
  const struct {
    QString subfolder;
    bool made;
  } cases[] = {{"2023/june", true}, {"2023/june", true},  {"linked/x", false},
               {"file/x", false},   {"../escape", false}, {"a//b", false}};
  for (const auto &c : cases) {
    const Result<> made = prepareOutputSubfolder(temp.file("out"), c.subfolder);
    EXPECT_EQ(made.ok(), c.made) << c.subfolder.toStdString() << made.reason().toStdString();
  }
  EXPECT_TRUE(QFileInfo(temp.file("out/2023/june")).isDir());
  EXPECT_EQ(temp.entries("elsewhere"), QStringList{"keep.txt"});
  EXPECT_FALSE(QFileInfo::exists(temp.file("escape")));
}
