#include "storage/TemporaryFile.h"
#include "FaultFolders.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

using namespace veltrane;

TEST(TemporaryFiles, OnlyThoseOfDeadProcessesOnThisMachineAreRemoved) {
  test::TempFolder temp;
  const QByteArray folder = QFile::encodeName(temp.path());
  // A file of a process that was killed while writing.
  ASSERT_TRUE(test::killedAfter([&] {
    TemporaryFile file(folder);
    file.write("half a picture");
    ::raise(SIGKILL);
  }));
  const QStringList abandoned = temp.entries();
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
      hostPrefix + "1-abcdefghij.tmp", // a process that runs
      hostPrefix + deadPid + "-ABC.tmp",
      hostPrefix + deadPid + "-abc.txt",
      hostPrefix + "x" + deadPid + "-abc.tmp",
      "picture.jpg",
  };
  for (const QString &name : kept)
    temp.write(name, "kept");
  const QString deadFolder = hostPrefix + deadPid + "-folder.tmp";
  const QString deadLink = hostPrefix + deadPid + "-link.tmp";
  QDir(temp.path()).mkdir(deadFolder);
  ASSERT_EQ(::symlink("picture.jpg", QFile::encodeName(temp.file(deadLink)).constData()), 0);

  EXPECT_EQ(removeAbandonedTemporaryFiles(temp.path()), 1);
  QStringList expected = kept + QStringList{own, deadFolder, deadLink};
  expected.sort();
  EXPECT_EQ(temp.entries(), expected);
  EXPECT_EQ(removeAbandonedTemporaryFiles(temp.file("missing")), 0);
}
