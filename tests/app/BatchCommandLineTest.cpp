#include "TempFolder.h"
#include "TestPictures.h"
#include "app/BatchOptions.h"
#include "presets/FrameList.h"
#include "presets/JobSettings.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>
#include <tuple>

using namespace veltrane;

namespace {

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};

ProgramRun runBatch(const QStringList &arguments, const QString &workingFolder) {
  QProcess process;
  process.setWorkingDirectory(workingFolder);
  process.start(QStringLiteral(VELTRANE_BATCH_PROGRAM), arguments);
  process.closeWriteChannel();
  if (!process.waitForFinished(60000))
    return {};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
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

TEST(BatchOptions, ParsesOptionsFilesAndBytes) {
  auto options =
      parseBatchOptions({"--jobs", "2", "--width=640", "--yes", "a.jpg", "--", "-rf.jpg", "\xff.jpg"});
  ASSERT_TRUE(options) << options.reason().toStdString();
  EXPECT_EQ(options->jobs, 2);
  EXPECT_TRUE(options->yes);
  EXPECT_EQ(options->files, (QStringList{"a.jpg", "-rf.jpg"}));
  EXPECT_EQ(options->badNames.size(), 1);
  ASSERT_EQ(options->fields.size(), 1);
  EXPECT_EQ(options->fields[0].second, QStringLiteral("640"));

  for (const QByteArrayList &bad :
       {QByteArrayList{"--jobs", "0"}, QByteArrayList{"--screen", "big"}, QByteArrayList{"--output"},
        QByteArrayList{"--output", ""}, QByteArrayList{"--output= "}, QByteArrayList{"--nope"},
        QByteArrayList{"--yes=1"}}) {
    const auto refused = parseBatchOptions(bad);
    EXPECT_FALSE(refused) << bad.join(' ').toStdString();
    EXPECT_FALSE(refused.reason().isEmpty());
  }
}

TEST(BatchOptions, FieldOptionsCheckTheirValues) {
  const QStringList entries = frameListEntries({"Golden wood"});
  JobSettings job;
  using Option = std::pair<QString, QString>;
  for (const auto &[option, value] : QList<Option>{{"--width", "screen"},
                                                   {"--height", "off"},
                                                   {"--max-kb", "80"},
                                                   {"--quality", "70"},
                                                   {"--frame", "golden WOOD"},
                                                   {"--grid", "5x4"},
                                                   {"--index", "only"}})
    EXPECT_TRUE(applyFieldOption(job, option, value, entries)) << option.toStdString();
  // --quality after --max-kb chooses the fixed quality.
  EXPECT_EQ(
      std::tuple(job.maxWidth, job.heightOn, job.sizeLimitOn, job.sizeLimitKb, job.fixedQuality, job.frame,
                 job.sheetColumns, job.sheetMode),
      std::tuple(QStringLiteral("screen"), 0, false, QStringLiteral("80"), QStringLiteral("70"), 2, 4, 2));
  for (const auto &[option, value] : QList<Option>{{"--width", "-5"},
                                                   {"--quality", "101"},
                                                   {"--suffix", "a/b"},
                                                   {"--frame", "Oak"},
                                                   {"--grid", "9x1"}}) {
    const Result<> refused = applyFieldOption(job, option, value, entries);
    EXPECT_FALSE(refused) << option.toStdString();
    EXPECT_TRUE(refused.reason().contains(value) || refused.reason().contains(option))
        << refused.reason().toStdString();
  }
  EXPECT_TRUE(findPreset({}, QStringLiteral("vga (640x480 \u00BB 0.3MP)")));
  EXPECT_FALSE(findPreset({}, QStringLiteral("nothing like it")));
}

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
  ProgramRun run = runBatch({"--width", "wide", "src/a.jpg"}, temp.path());
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.contains(QStringLiteral("--width")));
  EXPECT_TRUE(run.err.contains(QStringLiteral("Usage:")));
  EXPECT_EQ(runBatch({}, temp.path()).exitCode, 2);
  EXPECT_EQ(runBatch(base() + QStringList{"--preset", "No such preset", "src/a.jpg"}, temp.path()).exitCode,
            2);
  temp.write("blocked", "a file where the folder should be");
  run =
      runBatch({"--home", temp.file("home"), "--output", temp.file("blocked/out"), "src/a.jpg"}, temp.path());
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.contains(QStringLiteral("cannot be created")));
  run = runBatch({"--help"}, temp.path());
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.out.contains(QStringLiteral("--same-folder")));
}

TEST_F(CommandLine, TryingManyFramesWantsYes) {
  for (int i = 0; i < 3; ++i)
    test::writePicture(temp.file(QStringLiteral("home/frames/F%1_10-10-90-90.jpg").arg(i)), {100, 100});
  QStringList arguments = base() << "--frame"
                                 << "all"
                                 << "--suffix"
                                 << "_x"
                                 << "--width"
                                 << "40"
                                 << "--height"
                                 << "off";
  for (int i = 0; i < 34; ++i)
    arguments << test::writePicture(temp.file(QStringLiteral("src/p%1.jpg").arg(i)), {40, 30});
  ProgramRun run = runBatch(arguments, temp.path());
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.contains(QStringLiteral("102 pictures and"))) << run.err.toStdString();
  EXPECT_TRUE(outputs().isEmpty());
  run = runBatch(arguments << "--yes"
                           << "--quiet",
                 temp.path());
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
