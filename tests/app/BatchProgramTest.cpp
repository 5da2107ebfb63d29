// veltrane-batch run as users, scripts and servers run it: options, messages
// and exit codes, no display, lists and trees of files, dry runs, reports,
// signals, many workers. What a batch writes is the engine's test.
#include "BatchProgramKit.h"
#include "TempFolder.h"
#include "TestPictures.h"
#include "imaging/PictureDecoder.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <map>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace veltrane;
using namespace veltrane::test;

namespace {

// Relative path -> SHA-256 of every file below a folder.
std::map<QString, QByteArray> fileHashes(const QString &folder) {
  std::map<QString, QByteArray> hashes;
  QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    QFile file(files.next());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    hashes[QDir(folder).relativeFilePath(file.fileName())] =
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

// A settings file whose last job adds "_small" and writes into "saved-out".
QByteArray savedSettings(const QString &savedOut) {
  return "0|0|255|0|0|0|9|-1|1|0|0|0|0|0|0|0|4|3|0|1|0|0\r\n320||1|90%|_small||"
         "0|4|3|0|0|0\r\n" +
         savedOut.toUtf8() + "\r\nMine=||1|85%|_mine||0|4|3|0|0|0\r\n";
}

} // namespace

TEST_F(BatchProgram, RunsABatchAndReportsWhatItDid) {
  test::writePicture(temp.file("src/Family.jpg"), {1600, 1200});
  test::writePicture(temp.file("src/-rf.jpg"), {1600, 1200});
  temp.write("src/notes.txt", "text");
  temp.write("src/broken.jpg", "not a picture");
  const ProgramRun all =
      run(shown() + QStringList{"--preset", "mail attachment", "--suffix", "_[W]x[H]@[Q]"} +
          words("src/Family.jpg src/notes.txt src/broken.jpg -- -rf.jpg"));
  // "-rf.jpg" is read from the working folder, where it is not.
  EXPECT_EQ(all.exitCode, 1) << all.err.toStdString();
  EXPECT_EQ(outputs(), (QStringList{"Family_800x600@100k.jpg", "desktop.ini"}));
  EXPECT_TRUE(all.out.startsWith(QStringLiteral("1 picture written, 2 failed, 1 skipped")))
      << all.out.toStdString();
  for (const QString &said :
       QStringList{"skipped src/notes.txt", "cannot read " + temp.file("src/broken.jpg"), "-rf.jpg"})
    EXPECT_TRUE(all.err.contains(said)) << said.toStdString();

  const ProgramRun quiet = run(shown() + words("--quiet -- src/-rf.jpg src/Family.jpg"));
  EXPECT_EQ(quiet.exitCode, 0) << quiet.err.toStdString();
  EXPECT_TRUE(quiet.out.isEmpty());
}

TEST_F(BatchProgram, UsageErrorsAndBatchesThatCannotStartExitWithTwo) {
  test::writePicture(temp.file("src/a.jpg"), {100, 100});
  temp.write("blocked", "a file where the folder should be");
  const struct {
    QStringList arguments;
    int exitCode;
    QStringList said; // on the error output, or with 0 on the standard output
  } cases[] = {
      {words("--width wide src/a.jpg"), 2, {"veltrane-batch: --width", "Try 'veltrane-batch --help'"}},
      {{}, 2, {"veltrane-batch: no files given"}},
      {shown() + QStringList{"--preset", "No such preset", "src/a.jpg"}, 2, {"No such preset"}},
      {{"--home", temp.file("home"), "--output", temp.file("blocked/out"), "src/a.jpg"},
       2,
       {"cannot be created"}},
      {{"--screen", "12\nx", "src/a.jpg"}, 2, {"not \"12\\nx\""}}, // still one line
      {shown() + QStringList{"-q", "src/a.jpg", "src/line\nend.jpg"},
       1,
       {"src/line\\nend.jpg: file not found"}},
      {{"--help"}, 0, {"--same-folder"}},
      // More jobs in one pass that would try frames or make only sheets.
      {shown() + QStringList{"--also-preset", "SELECT THE BEST FRAME", "src/a.jpg"},
       2,
       {"veltrane-batch: \"SELECT THE BEST FRAME\""}},
      {shown() + QStringList{"--also-preset", "INDEX PICTURES (make test-prints)", "src/a.jpg"},
       2,
       {"veltrane-batch: \"INDEX PICTURES (make test-prints)\""}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const ProgramRun usage = run(c.arguments);
    EXPECT_EQ(usage.exitCode, c.exitCode);
    for (const QString &text : c.said)
      EXPECT_TRUE((c.exitCode ? usage.err : usage.out).contains(text))
          << text.toStdString() << usage.err.toStdString();
    // A usage error is one line and a pointer to the help, not the help.
    if (c.exitCode) {
      EXPECT_LE(usage.err.count(u'\n'), 2) << usage.err.toStdString();
    }
  }
}

TEST_F(BatchProgram, TryingManyFramesWantsYes) {
  for (int i = 0; i < 3; ++i)
    test::writePicture(temp.file(QStringLiteral("home/frames/F%1_10-10-90-90.jpg").arg(i)), {100, 100});
  QStringList arguments = shown() + words("--frame all --suffix _x --width 40 --height off");
  for (int i = 0; i < 34; ++i)
    arguments << test::writePicture(temp.file(QStringLiteral("src/p%1.jpg").arg(i)), {40, 30});
  ProgramRun asked = run(arguments);
  EXPECT_EQ(asked.exitCode, 2);
  EXPECT_TRUE(asked.err.contains(QStringLiteral("102 pictures and"))) << asked.err.toStdString();
  EXPECT_TRUE(outputs().isEmpty());
  asked = run(arguments + words("--yes --quiet"));
  EXPECT_EQ(asked.exitCode, 0) << asked.err.toStdString();
  EXPECT_EQ(outputs().size(), 102 + 1);
}

// The window's saved job changes what a bare command line makes; --defaults
// and --no-settings do not depend on it, and nothing writes the file.
TEST_F(BatchProgram, ReadsTheSettingsFileAndNeverWritesIt) {
  const QByteArray settings = savedSettings(temp.file("saved-out"));
  temp.write("home/Veltrane.INI", settings);
  test::writePicture(temp.file("a.jpg"), {640, 480});
  const struct {
    const char *options;
    int exitCode;
    QString written;
  } cases[] = {
      {"", 0, "saved-out/a_small.jpg"},
      {"-o out --defaults --no-suffix", 0, "out/a.jpg"},        // the first-run job: 800 x 600 under 100 kB
      {"-o out --defaults --preset Mine", 0, "out/a_mine.jpg"}, // the file's presets still count
      {"-o out --no-settings --preset Mine", 2, ""},            // no file, no user presets
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.options);
    const ProgramRun saved =
        run(QStringList{"--home", temp.file("home"), "-q"} + words(c.options) + QStringList{"a.jpg"});
    EXPECT_EQ(saved.exitCode, c.exitCode) << saved.err.toStdString();
    if (!c.written.isEmpty()) {
      EXPECT_TRUE(QFile::exists(temp.file(c.written))) << temp.entries("out").join(' ').toStdString();
    }
  }
  EXPECT_EQ(temp.entries("saved-out"), (QStringList{"a_small.jpg", "desktop.ini"}));
  EXPECT_EQ(sizeOf("out/a.jpg").height(), 600);
  EXPECT_EQ(temp.read("home/Veltrane.INI"), settings);
}

// Two batches over the same pictures into the same folder at once: every
// picture is there twice, under its own name and a " (2)" one, nothing was
// overwritten and every file is a whole picture.
TEST_F(BatchProgram, ConcurrentBatchesNeitherOverwriteTheOther) {
  QStringList arguments = shown() + words("--width off --height 200 --quality 80 --no-suffix --jobs 2");
  QStringList expected{"desktop.ini"};
  for (int i = 0; i < 8; ++i) {
    arguments << test::writePicture(temp.file(QStringLiteral("src/p%1.jpg").arg(i)), {640, 480},
                                    QColor::fromHsv(i * 40, 200, 200));
    expected << QStringLiteral("p%1.jpg").arg(i) << QStringLiteral("p%1 (2).jpg").arg(i);
  }
  std::future<ProgramRun> other = std::async(std::launch::async, [&] { return run(arguments); });
  for (const ProgramRun &each : {run(arguments), other.get()})
    EXPECT_EQ(each.exitCode, 0) << each.err.toStdString();
  expected.sort();
  EXPECT_EQ(temp.entries("out"), expected);
  for (const QString &name : outputs().filter(".jpg")) {
    QImage picture;
    EXPECT_TRUE(picture.load(temp.file("out/" + name), "JPEG")) << name.toStdString();
    EXPECT_EQ(picture.height(), 200) << name.toStdString();
  }
}

// More jobs in one pass: each writes its own picture of every source, with
// its own suffix (the VGA preset has none).
TEST_F(BatchProgram, AlsoPresetsAndJobsWriteMorePicturesInOnePass) {
  test::writePicture(temp.file("src/Family.jpg"), {1600, 1200});
  const ProgramRun more =
      run(shown() + QStringList{"--preset", "MAIL ATTACHMENT", "--suffix", "_mail", "--also-preset",
                                " VGA (640x480 \u00BB 0.3MP)", "--also-job", "|150|0|50%|_TH||0|4|3|0|0|0",
                                "src/Family.jpg"});
  EXPECT_EQ(more.exitCode, 0) << more.err.toStdString();
  EXPECT_EQ(outputs(), (QStringList{"Family.jpg", "Family_TH.jpg", "Family_mail.jpg", "desktop.ini"}));
  EXPECT_EQ(sizeOf("out/Family_TH.jpg"), QSize(200, 150));
  EXPECT_EQ(sizeOf("out/Family.jpg"), QSize(640, 480));
  EXPECT_EQ(sizeOf("out/Family_mail.jpg"), QSize(800, 600));
}

// A file libtiff cannot read costs one line of ours on stderr, none of
// libtiff's.
TEST_F(BatchProgram, TiffTroubleIsOneLineOfItsOwn) {
  QStringList arguments = shown() + QStringList{"--preset", "mail attachment"};
  for (const char *name :
       {"tiff-cmyk-16-bit.tif", "tiff-directory-beyond-end.tif", "tiff-planar-configuration-9.tif"}) {
    QFile data(QStringLiteral(VELTRANE_TEST_DATA "/") + name);
    ASSERT_TRUE(data.open(QIODevice::ReadOnly)) << name;
    arguments.append(temp.write(QStringLiteral("src/") + name, data.readAll()));
  }
  const ProgramRun tiffs = run(arguments);
  EXPECT_EQ(tiffs.exitCode, 1) << tiffs.err.toStdString();
  // Beside the progress lines, one line a file.
  const QStringList lines =
      tiffs.err.split(u'\n', Qt::SkipEmptyParts).filter(QRegularExpression("^(?!\\d+(\\.\\d)?% )"));
  ASSERT_EQ(lines.size(), 3) << tiffs.err.toStdString();
  EXPECT_FALSE(tiffs.err.contains("foo") || tiffs.err.contains("TIFFFetch") || tiffs.err.contains("_TIFF"))
      << tiffs.err.toStdString();
  EXPECT_TRUE(tiffs.err.contains("tiff-cmyk-16-bit.tif: unsupported TIFF (16-bit CMYK)"))
      << tiffs.err.toStdString();
}

// A dead display, none at all, or a live one: the command line never aborts,
// and "screen" means the display's size only when one answers.
TEST_F(BatchProgram, NeverNeedsADisplay) {
  test::writePicture(temp.file("a.jpg"), {2000, 1000});
  const QStringList job = words("--width screen --height off --quality 80 --no-suffix a.jpg");
  const Environment noPlatform{{"QT_QPA_PLATFORM", ""}, {"WAYLAND_DISPLAY", ""}};
  for (const QString display : {":99", ""}) {
    const QString out = display.isEmpty() ? "none" : "dead";
    const ProgramRun screen = run(base(out) + job, {}, noPlatform + Environment{{"DISPLAY", display}});
    EXPECT_EQ(screen.exitCode, 0) << out.toStdString() << screen.err.toStdString();
    EXPECT_EQ(sizeOf(out + "/a.jpg").width(), 1920) << out.toStdString();
    EXPECT_TRUE(screen.err.contains(QStringLiteral("veltrane-batch: no display answered")))
        << screen.err.toStdString();
  }
  // --screen, or a job that does not use the screen, asks nothing and notes
  // nothing.
  const ProgramRun given = run(base("given") + words("--screen 640x480") + job, {}, {{"DISPLAY", ":99"}});
  EXPECT_EQ(sizeOf("given/a.jpg").width(), 640);
  EXPECT_TRUE(given.err.isEmpty()) << given.err.toStdString();

  const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
  if (xvfb.isEmpty())
    GTEST_SKIP() << "Xvfb is not installed: no live display to ask";
  QProcess server;
  server.start(xvfb, words(":87 -screen 0 1024x768x24 -nolisten tcp"));
  ASSERT_TRUE(server.waitForStarted());
  QThread::msleep(800);
  const ProgramRun live = run(base("live") + job, {}, noPlatform + Environment{{"DISPLAY", ":87"}});
  server.kill();
  server.waitForFinished();
  EXPECT_EQ(live.exitCode, 0) << live.err.toStdString();
  EXPECT_EQ(sizeOf("live/a.jpg").width(), 1024);
}

// Names from a NUL-separated list and a walked folder, a name that is not
// UTF-8, a file that is not a picture: outputs mirror the trees, and
// the report has a line for every one.
TEST_F(BatchProgram, ListsAndTreesWithAReport) {
  for (const char *name :
       {"tree/a.jpg", "tree/x/a.jpg", "tree/x/y/b.jpg", "tree/.hidden/c.jpg", "listed/d.jpg"})
    test::writePicture(temp.file(name), {400, 300});
  temp.write("tree/notes.txt", "not a picture");
  const QByteArray badName = QFile::encodeName(temp.file("listed/")) + "caf\xe9.jpg";
  ASSERT_TRUE(QFile::copy(temp.file("listed/d.jpg"), temp.file("listed/tmp.jpg")));
  ASSERT_EQ(::rename(QFile::encodeName(temp.file("listed/tmp.jpg")).constData(), badName.constData()), 0);

  const QStringList options = words("-r --files-from - -0 --width 200 --height "
                                    "off --quality 70 --no-suffix") +
                              QStringList{"--report", temp.file("report.json"), "tree", "tree/notes.txt"};
  const ProgramRun listed = run(base() + options, QByteArray("listed/d.jpg\0listed/caf\xe9.jpg\0", 29));
  EXPECT_EQ(listed.exitCode, 1) << listed.err.toStdString(); // the text file named is skipped
  EXPECT_TRUE(listed.err.contains(QStringLiteral("veltrane-batch: skipped tree/notes.txt: not a picture")))
      << listed.err.toStdString();
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
TEST_F(BatchProgram, DryRunWritesNothing) {
  test::writePicture(temp.file("src/a.jpg"), {1000, 500});
  test::writePicture(temp.file("other/a.jpg"), {500, 1000});
  temp.write("src/broken.jpg", "not a picture");
  const ProgramRun dry = run(base() + words("-n --max-kb 50 --width 100 --height off --no-suffix "
                                            "src/a.jpg other/a.jpg src/broken.jpg"));
  EXPECT_EQ(dry.exitCode, 1) << dry.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(temp.file("out")));
  const QStringList lines = dry.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << dry.out.toStdString();
  EXPECT_TRUE(lines[0].contains(temp.file("out/a.jpg") + "  100 x 50")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].contains(temp.file("out/a (2).jpg") + "  100 x 200")) << lines[1].toStdString();
  EXPECT_TRUE(lines[0].contains(QStringLiteral("searched at run time"))) << lines[0].toStdString();
  EXPECT_TRUE(dry.err.contains(QStringLiteral("veltrane-batch: cannot read ") + temp.file("src/broken.jpg")));
}

// Ctrl-C finishes the pictures under way, prints the summary and exits 130;
// the report says which pictures the stop left out.
TEST_F(BatchProgram, AnInterruptEndsWith130) {
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
TEST_F(BatchProgram, ShardsByGnuParallelMakeWhatOneRunMakes) {
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
  const QStringList job =
      QStringList{"--defaults", "--preset", "MAIL ATTACHMENT"} + words("-r --files-from - -q");
  const ProgramRun single =
      run(QStringList{"--home", temp.file("home"), "-o", temp.file("single")} + job, list);
  ASSERT_EQ(single.exitCode, 0) << single.err.toStdString();

  QProcess shards;
  shards.setWorkingDirectory(temp.path());
  shards.start(parallel, words("--will-cite --quote --pipe -j2 -N4 --halt now,fail=1") +
                             QStringList{VELTRANE_BATCH_PROGRAM, "--home", temp.file("home"), "-o",
                                         temp.file("sharded")} +
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
TEST_F(BatchProgram, TheReportNeverEmptiesAUsersFile) {
  test::writePicture(temp.file("t.jpg"), {300, 200});
  const QByteArray photo = temp.read("t.jpg");
  temp.write("empty.jpg");
  temp.write("list.txt", "t.jpg\n");
  temp.write("notes.txt", "my own notes\n");
  ASSERT_EQ(::symlink("t.jpg", temp.file("link.json").toLocal8Bit().constData()), 0);
  const struct {
    const char *arguments;
    QString file; // must be left as it was
    QString says;
  } refused[] = {
      {"--report t.jpg t.jpg", "t.jpg", "is not a report"},
      {"-n --report t.jpg t.jpg", "t.jpg", "is not a report"},
      {"--report link.json t.jpg", "t.jpg", "is not a report"},
      {"--report ./empty.jpg t.jpg empty.jpg", "empty.jpg", "is one of the sources"},
      {"--files-from list.txt --report list.txt", "list.txt", "is the list of names"},
      {"--report notes.txt t.jpg", "notes.txt", "is not a report"},
  };
  for (const auto &c : refused) {
    SCOPED_TRACE(c.arguments);
    const QByteArray before = temp.read(c.file);
    const ProgramRun report = run(base() + words(c.arguments));
    EXPECT_EQ(report.exitCode, 2) << report.err.toStdString();
    EXPECT_TRUE(report.err.contains(c.says)) << report.err.toStdString();
    EXPECT_EQ(temp.read(c.file), before);
    EXPECT_FALSE(QFileInfo::exists(temp.file("out/t.jpg"))) << "refused before any work";
  }
  EXPECT_EQ(temp.read("t.jpg"), photo);

  // An earlier report, even a dry run's, is replaced by the new one.
  EXPECT_EQ(run(base() + words("-n --report log.json t.jpg")).exitCode, 0);
  ASSERT_EQ(reportLines(temp.read("log.json")).size(), 1);
  const ProgramRun again = run(base() + words("--report log.json t.jpg"));
  EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
  const QList<QJsonObject> lines = reportLines(temp.read("log.json"));
  ASSERT_EQ(lines.size(), 1);
  EXPECT_EQ(lines[0]["status"], QStringLiteral("written"));
}

// A file-size limit (SIGXFSZ) and a reader that closes the report (SIGPIPE)
// fail writes, which are told and counted; the batch finishes every picture
// and prints its summary, and leaves no temporary file.
TEST_F(BatchProgram, SignalsFromLimitsAndClosedPipesNeverCutTheBatchShort) {
  QStringList sources;
  for (int i = 0; i < 3; ++i)
    sources << test::writeImage(temp.file(QStringLiteral("src/p%1.jpg").arg(i)),
                                i == 1 ? test::noisePicture({1200, 900})
                                       : QImage(QSize(300, 200), QImage::Format_RGB32));
  const QStringList job = words("--quality 95 --width off --height off --no-suffix");

  const ProgramRun limited =
      run(base("limited") + job + QStringList{"--report", temp.file("limited.json")} + sources, {}, {}, [] {
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
  const ProgramRun closed = run(loud + job + QStringList{"--report", "-"} + sources, {}, {},
                                [&] { ::dup2(pipe[1], STDOUT_FILENO); });
  ::close(pipe[1]);
  EXPECT_EQ(closed.exitCode, 1) << closed.err.toStdString();
  EXPECT_EQ(closed.err.count(QStringLiteral("the report could not be written")), 1)
      << closed.err.toStdString();
  EXPECT_TRUE(closed.err.contains(QStringLiteral("3 pictures written"))) << closed.err.toStdString();
}

// A dry run refuses what the run refuses, and both say it is the job's size,
// not the file, that is refused.
TEST_F(BatchProgram, DryRunsRefuseWhatTheRunRefuses) {
  test::writePicture(temp.file("a.jpg"), {400, 300});
  test::writePicture(temp.file("wide.png"), {66000, 2});
  const struct {
    const char *job;
    QString source;
    QString reason;
  } cases[] = {
      {"--width 65000 --height off", "a.jpg", "too large (65000 x 48750 pixels; at most 250 megapixels)"},
      {"--width off --height off", "wide.png", "too large for JPEG (66000 x 2 pixels; at most 65500 a side)"},
  };
  for (const auto &c : cases)
    for (const char *mode : {"-n", ""}) {
      SCOPED_TRACE(std::string(mode) + " " + c.job);
      const ProgramRun refused = run(base() + words(mode) + words(c.job) + QStringList{c.source});
      EXPECT_EQ(refused.exitCode, 1) << refused.err.toStdString();
      EXPECT_TRUE(refused.err.contains("veltrane-batch: cannot resize " + temp.file(c.source) +
                                       ": the job makes this picture " + c.reason))
          << refused.err.toStdString();
      EXPECT_TRUE(refused.out.isEmpty()) << refused.out.toStdString();
    }
  // Outputs beside their sources make no sheets: said once.
  const ProgramRun beside = run(base() + words("-n --same-folder --index also a.jpg"));
  EXPECT_EQ(beside.err.count(QStringLiteral("make no index sheets")), 1) << beside.err.toStdString();
}

// The job's format names the file; fit keeps proportions (the upright
// picture turning the box, as the first-run job says); a re-run with
// --skip-existing adds nothing and is no failure.
TEST_F(BatchProgram, WritesTheFormatAskedAndSkipsWhatExists) {
  test::writePicture(temp.file("src/tall.jpg"), {300, 400});
  const ProgramRun first =
      run(base() + words("--format webp --fit 120x60 --no-suffix --report first.json src/tall.jpg"));
  EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
  EXPECT_EQ(outputs(), (QStringList{"desktop.ini", "tall.webp"}));
  EXPECT_FALSE(first.err.contains(QStringLiteral("proportion"))) << first.err.toStdString();
  QFile firstReport(temp.file("first.json"));
  ASSERT_TRUE(firstReport.open(QIODevice::ReadOnly));
  EXPECT_EQ(reportLines(firstReport.readAll()).value(0)["format"].toString(), QStringLiteral("webp"));
  PictureDecoder decoder;
  const DecodeResult written = decoder.decodeFile(temp.file("out/tall.webp"));
  ASSERT_TRUE(written.ok());
  EXPECT_EQ(written.picture->fullSize, QSize(60, 80));

  const ProgramRun again = run(shown() + words("--defaults --format webp --fit 120x60 --no-suffix "
                                               "--skip-existing --report rerun.json src/tall.jpg"));
  EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
  EXPECT_EQ(outputs(), (QStringList{"desktop.ini", "tall.webp"}));
  EXPECT_TRUE(again.out.contains(QStringLiteral("0 pictures written, 0 failed, 0 skipped, 1 already there")))
      << again.out.toStdString();
  QFile report(temp.file("rerun.json"));
  ASSERT_TRUE(report.open(QIODevice::ReadOnly));
  const QList<QJsonObject> lines = reportLines(report.readAll());
  ASSERT_EQ(lines.size(), 1);
  EXPECT_EQ(lines[0]["status"].toString(), QStringLiteral("skipped"));
  EXPECT_EQ(lines[0]["reason"].toString(), QStringLiteral("output exists"));

  // The dry run plans the same skip.
  const ProgramRun planned = run(base() + words("--format webp --fit 120x60 --no-suffix -n --skip-existing "
                                                "src/tall.jpg"));
  EXPECT_TRUE(planned.out.contains(QStringLiteral("skipped: output exists"))) << planned.out.toStdString();

  // Said once a batch: stretching not asked for by name, and animations cut to their first frame.
  QFile::copy(QStringLiteral(VELTRANE_TEST_DATA "/sources/animated-8x8-two-frames.gif"),
              temp.file("src/moving.gif"));
  const ProgramRun stretched =
      run(shown() + words("--defaults --width 90 --height 90 --index also src/tall.jpg src/moving.gif"));
  EXPECT_EQ(stretched.exitCode, 0) << stretched.err.toStdString();
  EXPECT_TRUE(stretched.err.contains(QStringLiteral("1 picture was stretched out of proportion")))
      << stretched.err.toStdString();
  EXPECT_TRUE(stretched.err.contains(QStringLiteral("only the first frame kept of 1 animated picture")));
  const ProgramRun asked =
      run(base() + words("--stretch 90x90 --format png --index also src/tall.jpg src/moving.gif"));
  EXPECT_FALSE(asked.err.contains(QStringLiteral("proportion"))) << asked.err.toStdString();
  // Index sheets are in the job's format.
  EXPECT_TRUE(outputs().contains(QStringLiteral("_INDEX01.png"))) << outputs().join(u' ').toStdString();

  for (const char *wrong : {"--format gif", "--fill 400", "--fit 0x300"}) {
    const ProgramRun refused = run(base() + words(wrong) + QStringList{"src/tall.jpg"});
    EXPECT_EQ(refused.exitCode, 2) << wrong;
    EXPECT_TRUE(refused.err.contains(QString::fromUtf8(wrong).section(u' ', 0, 0)))
        << refused.err.toStdString();
  }
}
