#include "app/BatchOptions.h"
#include "presets/FrameList.h"
#include "presets/JobSettings.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace veltrane;

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
