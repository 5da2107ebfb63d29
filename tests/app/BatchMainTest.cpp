#include "ProgramRun.h"
#include "TempFolder.h"
#include "TestPictures.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <future>
#include <gtest/gtest.h>

using namespace veltrane;

namespace {

using test::ProgramRun;

ProgramRun runBatch(const QStringList &arguments, const QString &workingFolder) {
  return test::runProgram(arguments, workingFolder);
}

class CommandLine : public ::testing::Test {
protected:
  test::TempFolder temp;
  QStringList base() const {
    return {"--home", temp.file("home"), "--screen", "800x600", "--output", temp.file("out")};
  }
  QStringList outputs() const { return QDir(temp.file("out")).entryList(QDir::Files, QDir::Name); }
};

} // namespace

// What the batch writes is the engine's test; these check the options, messages and exit codes.
TEST_F(CommandLine, RunsABatchAndReportsWhatItDid) {
  test::writePicture(temp.file("src/Family.jpg"), {1600, 1200});
  test::writePicture(temp.file("src/-rf.jpg"), {1600, 1200});
  temp.write("src/notes.txt", "text");
  temp.write("src/broken.jpg", "not a picture");
  const QStringList arguments{"--preset",       "mail attachment", "--suffix",       "_[W]x[H]@[Q]",
                              "src/Family.jpg", "src/notes.txt",   "src/broken.jpg", "--",
                              "-rf.jpg"};
  const ProgramRun run = runBatch(base() + arguments, temp.path());
  // "-rf.jpg" is read from the working folder, where it is not.
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  EXPECT_EQ(outputs(), (QStringList{"Family_800x600@100k.jpg", "desktop.ini"}));
  EXPECT_TRUE(run.out.startsWith(QStringLiteral("1 picture written, 2 failed, 1 skipped")))
      << run.out.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("skipped src/notes.txt")));
  EXPECT_TRUE(run.err.contains(QStringLiteral("cannot read ") + temp.file("src/broken.jpg")));
  EXPECT_TRUE(run.err.contains(QStringLiteral("-rf.jpg")));

  const ProgramRun all =
      runBatch(base() + QStringList{"--quiet", "--", "src/-rf.jpg", "src/Family.jpg"}, temp.path());
  EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
  EXPECT_TRUE(all.out.isEmpty());
}

TEST_F(CommandLine, UsageErrorsAndBatchesThatCannotStartExitWithTwo) {
  test::writePicture(temp.file("src/a.jpg"), {100, 100});
  temp.write("blocked", "a file where the folder should be");
  const struct {
    QStringList arguments;
    int exitCode;
    QStringList said; // on the error output, or with 0 on the standard output
  } cases[] = {
      {{"--width", "wide", "src/a.jpg"}, 2, {"veltrane-batch: --width", "Try 'veltrane-batch --help'"}},
      {{}, 2, {"veltrane-batch: no files given"}},
      {base() + QStringList{"--preset", "No such preset", "src/a.jpg"}, 2, {"No such preset"}},
      {{"--home", temp.file("home"), "--output", temp.file("blocked/out"), "src/a.jpg"},
       2,
       {"cannot be created"}},
      {{"--screen", "12\nx", "src/a.jpg"}, 2, {"not \"12\\nx\""}}, // still one line
      {base() + QStringList{"-q", "src/a.jpg", "src/line\nend.jpg"},
       1,
       {"src/line\\nend.jpg: file not found"}},
      {{"--help"}, 0, {"--same-folder"}},
  };
  for (const auto &c : cases) {
    const ProgramRun run = runBatch(c.arguments, temp.path());
    EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
    for (const QString &text : c.said)
      EXPECT_TRUE((c.exitCode ? run.err : run.out).contains(text))
          << text.toStdString() << " in " << run.err.toStdString();
    // A usage error is one line and a pointer to the help, not the help.
    if (c.exitCode) {
      EXPECT_LE(run.err.count(u'\n'), 2) << run.err.toStdString();
    }
  }
}

TEST_F(CommandLine, TryingManyFramesWantsYes) {
  for (int i = 0; i < 3; ++i)
    test::writePicture(temp.file(QStringLiteral("home/frames/F%1_10-10-90-90.jpg").arg(i)), {100, 100});
  QStringList arguments =
      base() + QStringList{"--frame", "all", "--suffix", "_x", "--width", "40", "--height", "off"};
  for (int i = 0; i < 34; ++i)
    arguments << test::writePicture(temp.file(QStringLiteral("src/p%1.jpg").arg(i)), {40, 30});
  ProgramRun run = runBatch(arguments, temp.path());
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.contains(QStringLiteral("102 pictures and"))) << run.err.toStdString();
  EXPECT_TRUE(outputs().isEmpty());
  run = runBatch(arguments + QStringList{"--yes", "--quiet"}, temp.path());
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(outputs().size(), 102 + 1);
}

TEST_F(CommandLine, ReadsTheSettingsFileAndNeverWritesIt) {
  const QByteArray settings = "0|0|255|0|0|0|9|-1|1|0|0|0|0|0|0|0|4|3|0|1|0|0\r\n"
                              "320||1|90%|_small||0|4|3|0|0|0\r\n" +
                              temp.file("saved-out").toUtf8() + "\r\nMine=||1|85%|||0|4|3|0|0|0\r\n";
  temp.write("home/Veltrane.INI", settings);
  test::writePicture(temp.file("src/a.jpg"), {640, 480});
  const ProgramRun run = runBatch({"--home", temp.file("home"), "--quiet", "src/a.jpg"}, temp.path());
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(QDir(temp.file("saved-out")).entryList(QDir::Files, QDir::Name),
            (QStringList{"a_small.jpg", "desktop.ini"}));
  EXPECT_EQ(temp.read("home/Veltrane.INI"), settings);
}

// Two batches over the same pictures into the same folder at once: every
// picture is there twice, under its own name and a " (2)" one, nothing was
// overwritten and every file is a whole picture.
TEST_F(CommandLine, ConcurrentBatchesNeitherOverwriteTheOther) {
  QStringList arguments = base() + QStringList{"--width", "off",         "--height", "200", "--quality",
                                               "80",      "--no-suffix", "--jobs",   "2"};
  QStringList expected{"desktop.ini"};
  for (int i = 0; i < 8; ++i) {
    arguments << test::writePicture(temp.file(QStringLiteral("src/p%1.jpg").arg(i)), {640, 480},
                                    QColor::fromHsv(i * 40, 200, 200));
    expected << QStringLiteral("p%1.jpg").arg(i) << QStringLiteral("p%1 (2).jpg").arg(i);
  }
  std::future<ProgramRun> other = std::async(std::launch::async, runBatch, arguments, temp.path());
  for (const ProgramRun &run : {runBatch(arguments, temp.path()), other.get()})
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  expected.sort();
  EXPECT_EQ(temp.entries("out"), expected);
  for (const QString &name : outputs().filter(".jpg")) {
    QImage picture;
    EXPECT_TRUE(picture.load(temp.file("out/" + name), "JPEG")) << name.toStdString();
    EXPECT_EQ(picture.height(), 200) << name.toStdString();
  }
}

// More jobs in one pass: each writes its own picture of every source; one
// that would try frames or make only sheets is a usage error.
TEST_F(CommandLine, AlsoPresetsAndJobsWriteMorePicturesInOnePass) {
  test::writePicture(temp.file("src/Family.jpg"), {1600, 1200});
  const ProgramRun run =
      runBatch(base() + QStringList{"--preset", "MAIL ATTACHMENT", "--suffix", "_mail", "--also-preset",
                                    " VGA (640x480 \u00BB 0.3MP)", "--also-job",
                                    "|150|0|50%|_TH||0|4|3|0|0|0", "src/Family.jpg"},
               temp.path());
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  // Each applies its own suffix: the VGA preset has none.
  EXPECT_EQ(outputs(), (QStringList{"Family.jpg", "Family_TH.jpg", "Family_mail.jpg", "desktop.ini"}));
  EXPECT_EQ(QImage(temp.file("out/Family_TH.jpg")).size(), QSize(200, 150));
  EXPECT_EQ(QImage(temp.file("out/Family.jpg")).size(), QSize(640, 480));
  EXPECT_EQ(QImage(temp.file("out/Family_mail.jpg")).size(), QSize(800, 600));

  for (const char *refused : {"SELECT THE BEST FRAME", "INDEX PICTURES (make test-prints)"}) {
    const ProgramRun bad =
        runBatch(base() + QStringList{"--also-preset", refused, "src/Family.jpg"}, temp.path());
    EXPECT_EQ(bad.exitCode, 2) << refused;
    EXPECT_TRUE(bad.err.startsWith("veltrane-batch: \"" + QString::fromUtf8(refused) + "\""))
        << bad.err.toStdString();
  }
}

// A file libtiff cannot read costs one line of ours on stderr, none of libtiff's.
TEST_F(CommandLine, TiffTroubleIsOneLineOfItsOwn) {
  const QStringList files{"tiff-cmyk-16-bit.tif", "tiff-directory-beyond-end.tif",
                          "tiff-planar-configuration-9.tif"};
  QStringList arguments{"--preset", "mail attachment"};
  for (const QString &name : files) {
    QFile data(QStringLiteral(VELTRANE_TEST_DATA "/") + name);
    ASSERT_TRUE(data.open(QIODevice::ReadOnly)) << name.toStdString();
    temp.write("src/" + name, data.readAll());
    arguments.append("src/" + name);
  }
  const ProgramRun run = runBatch(base() + arguments, temp.path());
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  // Beside the progress lines, one line a file.
  const QStringList lines =
      run.err.split(u'\n', Qt::SkipEmptyParts).filter(QRegularExpression("^(?!\\d+(\\.\\d)?% )"));
  ASSERT_EQ(lines.size(), files.size()) << run.err.toStdString();
  EXPECT_FALSE(run.err.contains("foo") || run.err.contains("TIFFFetch") || run.err.contains("_TIFF"))
      << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("tiff-cmyk-16-bit.tif: unsupported TIFF (16-bit CMYK)"))
      << run.err.toStdString();
}
