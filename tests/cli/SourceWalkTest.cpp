#include "cli/SourceWalk.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace veltrane;

namespace {

QByteArrayList allNames(NameList &list) {
  QByteArrayList names;
  while (const std::optional<QByteArray> name = list.next())
    names.append(*name);
  return names;
}

// Every source a feed gives, as "subfolder|name", with what reads it.
QStringList allSources(SourceFeed &feed) {
  QStringList sources;
  while (const std::optional<SourceEntry> entry = feed.next())
    sources << entry->outputSubfolder + u'|' + entry->name + (entry->readPath.isEmpty() ? "" : " (linked)");
  return sources;
}

} // namespace

TEST(NameList, SplitsOnLinesOrNul) {
  const struct {
    QByteArray text;
    bool nul;
    QByteArrayList names;
  } cases[] = {
      {"a.jpg\nb c.jpg\n\nlast.jpg", false, {"a.jpg", "b c.jpg", "last.jpg"}},
      {QByteArray("a\nb.jpg\0\xff.jpg\0", 13), true, {"a\nb.jpg", "\xff.jpg"}},
      {"", false, {}},
  };
  for (const auto &c : cases) {
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    ASSERT_EQ(::write(pipe[1], c.text.constData(), size_t(c.text.size())), c.text.size());
    ::close(pipe[1]);
    NameList list(pipe[0], c.nul);
    EXPECT_EQ(allNames(list), c.names) << c.text.toStdString();
    EXPECT_TRUE(list.error().isEmpty());
    ::close(pipe[0]);
  }
}

TEST(SourceWalk, NamedFilesKeepTheirFoldersBelowTheOutput) {
  const std::pair<QByteArray, QString> cases[] = {
      {"a.jpg", ""},
      {"x/y/a.jpg", "x/y"},
      {"./x/a.jpg", "x"},
      {"a/./b/../c.jpg", "a"},
      {"/x/../y/p.jpg", "y"},
      {"../../up/a.jpg", "up"},
      {"caf\xe9/a.jpg", QStringLiteral("caf\uFFFD")},
      {"tab\there/a.jpg", "tab_here"},
  };
  for (const auto &[given, folder] : cases)
    EXPECT_EQ(mirroredFolder(given), folder) << given.toStdString();
}

// A list is read twice, once to count and once for the batch: a pipe is
// kept aside as it is read, a plain file read again, both to the same names.
TEST(NameList, ReadsAPipeOrAFileAgain) {
  test::TempFolder temp;
  QByteArray text;
  for (int i = 0; i < 20000; ++i) // more than one read's worth
    text += "folder/picture " + QByteArray::number(i) + ".jpg\n";
  const QString file = temp.write("list", text);
  int pipe[2];
  ASSERT_EQ(::pipe(pipe), 0);
  const pid_t writer = ::fork();
  if (writer == 0) {
    ::close(pipe[0]);
    [[maybe_unused]] const ssize_t wrote = ::write(pipe[1], text.constData(), size_t(text.size()));
    ::_exit(0);
  }
  ::close(pipe[1]);
  ASSERT_EQ(::dup2(pipe[0], STDIN_FILENO), STDIN_FILENO);
  ::close(pipe[0]);
  for (const QByteArray &path : {QFile::encodeName(file), QByteArray("-")}) {
    auto list = NameList::open(path, false);
    ASSERT_TRUE(list) << list.reason().toStdString();
    const QByteArrayList first = allNames(**list);
    ASSERT_EQ(first.size(), 20000);
    EXPECT_EQ(first.last(), "folder/picture 19999.jpg");
    ASSERT_TRUE((*list)->again());
    EXPECT_EQ(allNames(**list), first) << path.toStdString();
    ASSERT_TRUE((*list)->again());
    EXPECT_EQ(allNames(**list).size(), 20000);
  }
  ::waitpid(writer, nullptr, 0);
  EXPECT_FALSE(NameList::open(QFile::encodeName(temp.file("none")), false));
}

// The sources are counted, and what is refused found, in a first walk; the
// batch's walk gives the same sources in the same order and refuses nothing
// twice. A name that is not UTF-8 is read through the same link both times.
TEST(SourceWalk, CountsThenGivesTheSameSources) {
  test::TempFolder temp;
  for (const char *name : {"tree/b.jpg", "tree/a.jpg", "tree/x/c.png", "tree/.hidden/d.jpg", "tree/w/e.jpg"})
    temp.write(name, "not read by the walk");
  temp.write("tree/notes.txt");
  const QByteArray badName = QFile::encodeName(temp.file("tree/")) + "caf\xe9.jpg";
  ::close(::open(badName.constData(), O_CREAT | O_WRONLY, 0644));
  const QString list = temp.write("list", QFile::encodeName(temp.file("tree/a.jpg")) + "\n" +
                                              QFile::encodeName(temp.file("tree/notes.txt")) + "\n");

  SourceRequest request;
  request.files = {QFile::encodeName(temp.file("tree")), QFile::encodeName(temp.file("tree/w"))};
  request.filesFrom = QFile::encodeName(list);
  request.recursive = true;
  auto sources = CommandLineSources::open(request, false);
  ASSERT_TRUE(sources) << sources.reason().toStdString();
  EXPECT_EQ((*sources)->count(), 7);
  EXPECT_EQ((*sources)->refused().size(), 1);
  const QStringList given = allSources((*sources)->feed());
  EXPECT_EQ(given, (QStringList{"|a.jpg", "|b.jpg", QStringLiteral("|caf\uFFFD.jpg (linked)"), "w|e.jpg",
                                "x|c.png", "|e.jpg", QDir::cleanPath(temp.file("tree")).mid(1) + "|a.jpg"}));
  EXPECT_EQ((*sources)->refused().size(), 1) << "the second walk refuses nothing again";
  EXPECT_TRUE((*sources)->error().isEmpty());
  ::unlink(badName.constData());
}
