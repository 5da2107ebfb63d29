#include "cli/BatchOptions.h"
#include "cli/RunOptions.h"
#include "presets/FrameList.h"
#include "presets/JobSettings.h"

#include <gtest/gtest.h>
#include <tuple>
#include <unistd.h>

using namespace veltrane;

namespace {

// Options and their values written as one line, "_" for a space in a value.
QList<std::pair<QString, QString>> optionPairs(const char *text) {
  const QStringList words = QString::fromUtf8(text).split(u' ');
  QList<std::pair<QString, QString>> pairs;
  for (qsizetype i = 0; i + 1 < words.size(); i += 2)
    pairs.append({words[i], QString(words[i + 1]).replace(u'_', u' ')});
  return pairs;
}

} // namespace

TEST(BatchOptions, ParsesOptionsFilesAndBytes) {
  auto options = parseBatchOptions({"--jobs",      "2",          "--memory",     "256",
                                    "--width=640", "--yes",      "a.jpg",        "-qnr0",
                                    "-o",          "out",        "--files-from", "list\xff",
                                    "--report=-",  "--metadata", "strip",        "--colour-profile",
                                    "keep",        "--defaults", "--",           "-rf.jpg",
                                    "\xff.jpg"});
  ASSERT_TRUE(options) << options.reason().toStdString();
  EXPECT_EQ(std::tuple(options->jobs, options->yes, options->quiet, options->dryRun,
                       options->sources.recursive, options->sources.nullSeparated, options->settings),
            std::tuple(2, true, true, true, true, true, SettingsUse::Defaults));
  EXPECT_EQ(options->sources.filesFrom, QByteArray("list\xff"));
  EXPECT_EQ(options->report, QByteArray("-"));
  EXPECT_EQ(options->memoryMB, 256);
  EXPECT_EQ(options->metadata, MetadataPolicy::Strip);
  EXPECT_EQ(options->keepColourProfile, true);
  // File names stay bytes: a name that is not UTF-8 is still a name.
  EXPECT_EQ(options->sources.files, (QByteArrayList{"a.jpg", "-rf.jpg", "\xff.jpg"}));
  using Field = std::pair<QString, QString>;
  EXPECT_EQ(options->job.fields, (QList<Field>{{"--width", "640"}, {"--output", "out"}}));

  // Short options take their value joined or as the next argument.
  for (const QByteArrayList &jobs :
       {QByteArrayList{"-j4"}, QByteArrayList{"-qj", "4"}, QByteArrayList{"--jobs=4"}}) {
    const auto parsed = parseBatchOptions(jobs);
    ASSERT_TRUE(parsed) << jobs.join(' ').toStdString();
    EXPECT_EQ(parsed->jobs, 4);
  }

  for (const QByteArrayList &bad :
       {QByteArrayList{"--jobs", "0"}, QByteArrayList{"--memory", "8"}, QByteArrayList{"--screen", "big"},
        QByteArrayList{"--output"}, QByteArrayList{"--nope"}, QByteArrayList{"--yes=1"}, QByteArrayList{"-x"},
        QByteArrayList{"-j"}, QByteArrayList{"--defaults", "--no-settings"},
        QByteArrayList{"--metadata", "all"}, QByteArrayList{"--colour-profile", "srgb"},
        QByteArrayList{"--report="}, QByteArrayList{"--output", "\xff"},
        QByteArrayList{"--completion", "ksh"}, QByteArrayList{"--list-frames=1"}}) {
    const auto refused = parseBatchOptions(bad);
    EXPECT_FALSE(refused) << bad.join(' ').toStdString();
    EXPECT_FALSE(refused.reason().isEmpty());
    EXPECT_FALSE(refused.reason().contains(u'\n'));
  }
}

TEST(BatchOptions, FieldOptionsCheckTheirValues) {
  const QStringList entries = frameListEntries({"Golden wood"});
  JobSettings job;
  for (const auto &[option, value] : optionPairs("--width screen --height off --max-kb 80 --quality 70 "
                                                 "--frame golden_WOOD --grid 5x4 --index only"))
    EXPECT_TRUE(applyFieldOption(job, option, value, entries)) << option.toStdString();
  // --quality after --max-kb chooses the fixed quality.
  EXPECT_EQ(
      std::tuple(job.maxWidth, job.heightOn, job.sizeLimitOn, job.sizeLimitKb, job.fixedQuality, job.frame,
                 job.sheetColumns, job.sheetMode),
      std::tuple(QStringLiteral("screen"), 0, false, QStringLiteral("80"), QStringLiteral("70"), 2, 4, 2));
  for (const auto &[option, value] :
       optionPairs("--width -5 --quality 101 --suffix a/b --frame Oak --grid 9x1 --output _")) {
    const Result<> refused = applyFieldOption(job, option, value, entries);
    EXPECT_FALSE(refused) << option.toStdString();
    EXPECT_TRUE(refused.reason().contains(value) || refused.reason().contains(option))
        << refused.reason().toStdString();
  }
  EXPECT_TRUE(findPreset({}, QStringLiteral("vga (640x480 \u00BB 0.3MP)")));
  EXPECT_FALSE(findPreset({}, QStringLiteral("nothing like it")));
}

// The table --help and the completions read is the one the parser knows.
TEST(BatchOptions, EveryRunOptionOfTheTableIsParsed) {
  for (const RunOption &option : runOptions()) {
    QByteArrayList arguments{option.name.toUtf8()};
    if (!option.valueName.isEmpty())
      arguments.append(option.words.isEmpty() ? QByteArray("x") : option.words.first().toUtf8());
    const auto parsed = parseBatchOptions(arguments);
    EXPECT_FALSE(!parsed && parsed.reason().startsWith(QStringLiteral("unknown option")))
        << option.name.toStdString();
  }
}
