// veltrane-batch as scripts and servers use it: no display, reproducible
// jobs, lists and trees of files, dry runs, reports, signals, many workers.
#include "ProgramRun.h"
#include "TempFolder.h"
#include "TestPictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>
#include <map>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace veltrane;
using test::ProgramRun;
using test::runProgram;

namespace {

class Scripting : public ::testing::Test {
protected:
  test::TempFolder temp;
  QStringList base(const QString &out = QStringLiteral("out")) const {
    return {"--home", temp.file("home"), "--defaults", "-q", "-o", temp.file(out)};
  }
  QSize sizeOf(const QString &name) const { return QImage(temp.file(name)).size(); }
};

// Relative path -> SHA-256 of every file below a folder.
std::map<QString, QByteArray> fileHashes(const QString &folder) {
  std::map<QString, QByteArray> hashes;
  QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString path = files.next();
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    hashes[QDir(folder).relativeFilePath(path)] =
        QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
  }
  return hashes;
}

QList<QJsonObject> reportLines(const QByteArray &text) {
  QList<QJsonObject> lines;
  for (const QByteArray &line : text.split('\n'))
    if (!line.isEmpty())
      lines.append(QJsonDocument::fromJson(line).object());
  return lines;
}

} // namespace

// A dead display, none at all, or a live one: the command line never aborts,
// and "screen" means the display's size only when one answers.
TEST_F(Scripting, NeverNeedsADisplay) {
  test::writePicture(temp.file("a.jpg"), {2000, 1000});
  const QStringList job{"--width", "screen", "--height", "off", "--quality", "80", "--no-suffix", "a.jpg"};
  const QList<std::pair<QString, QString>> noPlatform{{"QT_QPA_PLATFORM", ""}, {"WAYLAND_DISPLAY", ""}};
  const struct {
    QString display;
    QString out;
    int width;
    bool noted;
  } cases[] = {{":99", "dead", 1920, true}, {"", "none", 1920, true}};
  for (const auto &c : cases) {
    const ProgramRun run = runProgram(base(c.out) + job, temp.path(), {},
                                      noPlatform + QList{std::pair{QStringLiteral("DISPLAY"), c.display}});
    EXPECT_EQ(run.exitCode, 0) << c.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(sizeOf(c.out + "/a.jpg").width(), c.width) << c.out.toStdString();
    EXPECT_EQ(run.err.contains(QStringLiteral("veltrane-batch: no display answered")), c.noted)
        << run.err.toStdString();
  }
  // --screen, or a job that does not use the screen, asks nothing and notes nothing.
  const ProgramRun given = runProgram(base("given") + QStringList{"--screen", "640x480"} + job, temp.path(),
                                      {}, {{"DISPLAY", ":99"}});
  EXPECT_EQ(sizeOf("given/a.jpg").width(), 640);
  EXPECT_TRUE(given.err.isEmpty()) << given.err.toStdString();

  const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
  if (xvfb.isEmpty())
    GTEST_SKIP() << "Xvfb is not installed: no live display to ask";
  QProcess server;
  server.start(xvfb, {":87", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
  ASSERT_TRUE(server.waitForStarted());
  QThread::msleep(800);
  const ProgramRun live =
      runProgram(base("live") + job, temp.path(), {},
                 noPlatform + QList{std::pair{QStringLiteral("DISPLAY"), QStringLiteral(":87")}});
  server.kill();
  server.waitForFinished();
  EXPECT_EQ(live.exitCode, 0) << live.err.toStdString();
  EXPECT_EQ(sizeOf("live/a.jpg").width(), 1024);
}

// The window's saved job changes what a bare command line makes; --defaults
// and --no-settings do not depend on it.
TEST_F(Scripting, DefaultsIgnoreTheWindowsLastJob) {
  temp.write("home/Veltrane.INI", "0|0|255|0|0|0|9|-1|1|0|0|0|0|0|0|0|4|3|0|1|0|0\r\n"
                                  "320||1|90%|_small||0|4|3|0|0|0\r\n" +
                                      temp.file("saved-out").toUtf8() +
                                      "\r\nMine=||1|85%|_mine||0|4|3|0|0|0\r\n");
  test::writePicture(temp.file("a.jpg"), {640, 480});
  const QStringList home{"--home", temp.file("home"), "-q", "-o", temp.file("out")};
  const struct {
    QStringList options;
    int exitCode;
    QString written; // below "out"
  } cases[] = {
      {{}, 0, "a_small.jpg"},
      {{"--defaults", "--no-suffix"}, 0, "a.jpg"},           // the first-run job: 800 x 600 under 100 kB
      {{"--defaults", "--preset", "Mine"}, 0, "a_mine.jpg"}, // the file's presets still count
      {{"--no-settings", "--preset", "Mine"}, 2, ""},        // no file, no user presets
  };
  for (const auto &c : cases) {
    const ProgramRun run = runProgram(home + c.options + QStringList{"a.jpg"}, temp.path());
    EXPECT_EQ(run.exitCode, c.exitCode) << c.options.join(' ').toStdString() << run.err.toStdString();
    if (!c.written.isEmpty()) {
      EXPECT_TRUE(QFile::exists(temp.file("out/" + c.written)))
          << temp.entries("out").join(' ').toStdString();
    }
  }
  EXPECT_EQ(sizeOf("out/a.jpg").height(), 600);
}

// Names from a NUL-separated list and a walked folder, a name that is not
// UTF-8, a file that is not a picture: outputs mirror the trees, and
// the report has a line for every one.
TEST_F(Scripting, ListsAndTreesWithAReport) {
  for (const char *name :
       {"tree/a.jpg", "tree/x/a.jpg", "tree/x/y/b.jpg", "tree/.hidden/c.jpg", "listed/d.jpg"})
    test::writePicture(temp.file(name), {400, 300});
  temp.write("tree/notes.txt", "not a picture");
  const QByteArray badName = QFile::encodeName(temp.file("listed/")) + "caf\xe9.jpg";
  ASSERT_TRUE(QFile::copy(temp.file("listed/d.jpg"), temp.file("listed/tmp.jpg")));
  ASSERT_EQ(::rename(QFile::encodeName(temp.file("listed/tmp.jpg")).constData(), badName.constData()), 0);

  const QStringList options{"-r",
                            "--files-from",
                            "-",
                            "-0",
                            "--width",
                            "200",
                            "--height",
                            "off",
                            "--quality",
                            "70",
                            "--no-suffix",
                            "--report",
                            temp.file("report.json"),
                            "tree",
                            "tree/notes.txt"};
  const ProgramRun run =
      runProgram(base() + options, temp.path(), QByteArray("listed/d.jpg\0listed/caf\xe9.jpg\0", 29));
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString(); // the text file named is skipped
  EXPECT_TRUE(run.err.contains(QStringLiteral("veltrane-batch: skipped tree/notes.txt: not a picture")))
      << run.err.toStdString();
  EXPECT_EQ(temp.entries("out"), (QStringList{"a.jpg", "desktop.ini", "listed", "x"}));
  EXPECT_EQ(temp.entries("out/x"), (QStringList{"a.jpg", "y"}));
  EXPECT_EQ(temp.entries("out/x/y"), QStringList{"b.jpg"});
  EXPECT_EQ(temp.entries("out/listed"), (QStringList{QStringLiteral("caf\uFFFD.jpg"), "d.jpg"}));
  EXPECT_EQ(sizeOf(QStringLiteral("out/listed/caf\uFFFD.jpg")), QSize(200, 150));

  const QList<QJsonObject> lines = reportLines(temp.read("report.json"));
  ASSERT_EQ(lines.size(), 6);
  std::map<QString, QString> statusByOutput;
  for (const QJsonObject &line : lines) {
    if (line["status"] == QStringLiteral("written")) {
      EXPECT_EQ(line["width"].toInt(), 200);
      EXPECT_EQ(line["quality"].toInt(), 70);
      EXPECT_EQ(line["bytes"].toInteger(), QFileInfo(line["output"].toString()).size());
    }
    statusByOutput[QDir(temp.path()).relativeFilePath(line["output"].toString(line["source"].toString()))] =
        line["status"].toString();
  }
  EXPECT_EQ(statusByOutput[QStringLiteral("out/listed/caf\uFFFD.jpg")], QStringLiteral("written"));
  EXPECT_EQ(statusByOutput["tree/notes.txt"], QStringLiteral("skipped"));
  ::unlink(badName.constData()); // Qt cannot name it to remove it
}

// A dry run names every output and its size, numbered as the batch would,
// and writes nothing.
TEST_F(Scripting, DryRunWritesNothing) {
  test::writePicture(temp.file("src/a.jpg"), {1000, 500});
  test::writePicture(temp.file("other/a.jpg"), {500, 1000});
  temp.write("src/broken.jpg", "not a picture");
  const ProgramRun run =
      runProgram(base() + QStringList{"-n", "--max-kb", "50", "--width", "100", "--height", "off",
                                      "--no-suffix", "src/a.jpg", "other/a.jpg", "src/broken.jpg"},
                 temp.path());
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(temp.file("out")));
  const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << run.out.toStdString();
  EXPECT_TRUE(lines[0].contains(temp.file("out/a.jpg") + "  100 x 50")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].contains(temp.file("out/a (2).jpg") + "  100 x 200")) << lines[1].toStdString();
  EXPECT_TRUE(lines[0].contains(QStringLiteral("searched at run time"))) << lines[0].toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("veltrane-batch: cannot read ") + temp.file("src/broken.jpg")));
}

// Ctrl-C finishes the pictures under way, prints the summary and exits 130;
// the report says which pictures the stop left out.
TEST_F(Scripting, AnInterruptEndsWith130) {
  QStringList files;
  for (int i = 0; i < 60; ++i)
    files << test::writeImage(temp.file(QStringLiteral("src/p%1.jpg").arg(i)),
                              test::noisePicture({1500, 1000}, i));
  QProcess process;
  process.setWorkingDirectory(temp.path());
  process.start(QStringLiteral(VELTRANE_BATCH_PROGRAM),
                base() + QStringList{"-j1", "--quality", "90", "--report", temp.file("report.json")} + files);
  ASSERT_TRUE(process.waitForStarted());
  for (int i = 0; i < 500 && temp.read("report.json").isEmpty(); ++i)
    QThread::msleep(20);
  ::kill(pid_t(process.processId()), SIGINT);
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 130) << process.readAllStandardError().toStdString();
  const QList<QJsonObject> lines = reportLines(temp.read("report.json"));
  EXPECT_EQ(lines.size(), files.size());
  EXPECT_EQ(lines.last()["status"], QStringLiteral("skipped"));
}

// Shards of one list run by GNU parallel on two workers make, together,
// exactly the files of one single run: the same names and the same bytes.
TEST_F(Scripting, ShardsByGnuParallelMakeWhatOneRunMakes) {
  const QString parallel = QStandardPaths::findExecutable(QStringLiteral("parallel"));
  if (parallel.isEmpty())
    GTEST_SKIP() << "GNU parallel is not installed (scripts/bootstrap installs it)";
  QByteArray list;
  for (int i = 0; i < 12; ++i) {
    // The same names in different folders: --recursive keeps them apart.
    const QString name = QStringLiteral("photos/%1/IMG_%2.jpg").arg(QChar(u'a' + i % 3)).arg(i / 3);
    test::writeImage(temp.file(name), test::noisePicture({320 + i * 8, 240}, i));
    list += name.toUtf8() + '\n';
  }
  const QStringList job{"--defaults", "--preset", "MAIL ATTACHMENT", "-r", "--files-from", "-", "-q"};
  const ProgramRun single = runProgram(
      QStringList{"--home", temp.file("home"), "-o", temp.file("single")} + job, temp.path(), list);
  ASSERT_EQ(single.exitCode, 0) << single.err.toStdString();

  QProcess shards;
  shards.setWorkingDirectory(temp.path());
  shards.start(parallel, QStringList{"--will-cite", "--quote", "--pipe", "-j2", "-N4", "--halt", "now,fail=1",
                                     QStringLiteral(VELTRANE_BATCH_PROGRAM), "--home", temp.file("home"),
                                     "-o", temp.file("sharded")} +
                             job);
  shards.write(list);
  shards.closeWriteChannel();
  ASSERT_TRUE(shards.waitForFinished(120000));
  EXPECT_EQ(shards.exitCode(), 0) << shards.readAllStandardError().toStdString();
  const auto expected = fileHashes(temp.file("single"));
  EXPECT_EQ(expected.size(), 13u);
  EXPECT_EQ(fileHashes(temp.file("sharded")), expected);
}

// --report never empties a file of the user's: not a source however named,
// not the list of names, not anything but an earlier report, not even in a
// dry run. An earlier report is replaced, so re-runs keep working.
TEST_F(Scripting, TheReportNeverEmptiesAUsersFile) {
  test::writePicture(temp.file("t.jpg"), {300, 200});
  const QByteArray photo = temp.read("t.jpg");
  temp.write("empty.jpg");
  temp.write("list.txt", "t.jpg\n");
  temp.write("notes.txt", "my own notes\n");
  ASSERT_EQ(::symlink("t.jpg", temp.file("link.json").toLocal8Bit().constData()), 0);
  const struct {
    QStringList arguments;
    QString file; // must be left as it was
    QString says;
  } refused[] = {
      {{"--report", "t.jpg", "t.jpg"}, "t.jpg", "is not a report"},
      {{"-n", "--report", "t.jpg", "t.jpg"}, "t.jpg", "is not a report"},
      {{"--report", "link.json", "t.jpg"}, "t.jpg", "is not a report"},
      {{"--report", "./empty.jpg", "t.jpg", "empty.jpg"}, "empty.jpg", "is one of the sources"},
      {{"--files-from", "list.txt", "--report", "list.txt"}, "list.txt", "is the list of names"},
      {{"--report", "notes.txt", "t.jpg"}, "notes.txt", "is not a report"},
  };
  for (const auto &c : refused) {
    const QByteArray before = temp.read(c.file);
    const ProgramRun run = runProgram(base() + c.arguments, temp.path());
    const std::string what = c.arguments.join(' ').toStdString();
    EXPECT_EQ(run.exitCode, 2) << what << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.says)) << what << run.err.toStdString();
    EXPECT_EQ(temp.read(c.file), before) << what;
    EXPECT_FALSE(QFileInfo::exists(temp.file("out/t.jpg"))) << what << ": refused before any work";
  }
  EXPECT_EQ(temp.read("t.jpg"), photo);

  // An earlier report, even a dry run's, is replaced by the new one.
  EXPECT_EQ(runProgram(base() + QStringList{"-n", "--report", "log.json", "t.jpg"}, temp.path()).exitCode, 0);
  ASSERT_EQ(reportLines(temp.read("log.json")).size(), 1);
  const ProgramRun again = runProgram(base() + QStringList{"--report", "log.json", "t.jpg"}, temp.path());
  EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
  const QList<QJsonObject> lines = reportLines(temp.read("log.json"));
  ASSERT_EQ(lines.size(), 1);
  EXPECT_EQ(lines[0]["status"], QStringLiteral("written"));
}

// A file-size limit (SIGXFSZ) and a reader that closes the report (SIGPIPE)
// fail writes, which are told and counted; the batch finishes every picture
// and prints its summary, and leaves no temporary file.
TEST_F(Scripting, SignalsFromLimitsAndClosedPipesNeverCutTheBatchShort) {
  QStringList sources;
  for (int i = 0; i < 3; ++i)
    sources << test::writeImage(temp.file(QStringLiteral("src/p%1.jpg").arg(i)),
                                i == 1 ? test::noisePicture({1200, 900})
                                       : QImage(QSize(300, 200), QImage::Format_RGB32));
  const QStringList job{"--quality", "95", "--width", "off", "--height", "off", "--no-suffix"};

  const ProgramRun limited =
      runProgram(base("limited") + job + QStringList{"--report", temp.file("limited.json")} + sources,
                 temp.path(), {}, {}, [] {
                   const rlimit limit{100'000, 100'000};
                   ::setrlimit(RLIMIT_FSIZE, &limit);
                 });
  EXPECT_EQ(limited.exitCode, 1) << limited.err.toStdString();
  EXPECT_TRUE(limited.err.contains("cannot write " + temp.file("limited/p1.jpg")) &&
              limited.err.contains(QStringLiteral("File too large")))
      << limited.err.toStdString();
  EXPECT_EQ(reportLines(temp.read("limited.json")).size(), 3);
  EXPECT_EQ(temp.entries("limited"), (QStringList{"desktop.ini", "p0.jpg", "p2.jpg"}));

  int pipe[2];
  ASSERT_EQ(::pipe(pipe), 0);
  ::close(pipe[0]); // nobody reads: every write to it fails
  QStringList loud = base("closed");
  loud.removeAll(QStringLiteral("-q"));
  const ProgramRun closed = runProgram(loud + job + QStringList{"--report", "-"} + sources, temp.path(), {},
                                       {}, [&] { ::dup2(pipe[1], STDOUT_FILENO); });
  ::close(pipe[1]);
  EXPECT_EQ(closed.exitCode, 1) << closed.err.toStdString();
  EXPECT_TRUE(closed.err.contains(QStringLiteral("the report could not be written")))
      << closed.err.toStdString();
  EXPECT_EQ(closed.err.count(QStringLiteral("the report could not be written")), 1);
  EXPECT_TRUE(closed.err.contains(QStringLiteral("3 pictures written"))) << closed.err.toStdString();
}

// A dry run refuses what the run refuses, and both say it is the job's size,
// not the file, that is refused.
TEST_F(Scripting, DryRunsRefuseWhatTheRunRefuses) {
  test::writePicture(temp.file("a.jpg"), {400, 300});
  test::writePicture(temp.file("wide.png"), {66000, 2});
  const struct {
    QStringList job;
    QString source;
    QString reason;
  } cases[] = {
      {{"--width", "65000", "--height", "off"},
       "a.jpg",
       "too large (65000 x 48750 pixels; at most 250 megapixels)"},
      {{"--width", "off", "--height", "off"},
       "wide.png",
       "too large for JPEG (66000 x 2 pixels; at most 65500 a side)"},
  };
  for (const auto &c : cases)
    for (const QStringList &mode : {QStringList{"-n"}, QStringList{}}) {
      const ProgramRun run = runProgram(base() + mode + c.job + QStringList{c.source}, temp.path());
      const std::string what = (mode + c.job).join(' ').toStdString();
      EXPECT_EQ(run.exitCode, 1) << what << run.err.toStdString();
      EXPECT_TRUE(run.err.contains("veltrane-batch: cannot resize " + temp.file(c.source) +
                                   ": the job makes this picture " + c.reason))
          << what << run.err.toStdString();
      EXPECT_TRUE(run.out.isEmpty()) << what << run.out.toStdString();
    }
  // Outputs beside their sources make no sheets: said once.
  const ProgramRun beside =
      runProgram(base() + QStringList{"-n", "--same-folder", "--index", "also", "a.jpg"}, temp.path());
  EXPECT_EQ(beside.err.count(QStringLiteral("make no index sheets")), 1) << beside.err.toStdString();
}
