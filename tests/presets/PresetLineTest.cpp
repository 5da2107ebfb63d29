#include "presets/PresetLine.h"
#include "presets/BuiltInPresets.h"
#include "presets/FrameList.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace veltrane;

namespace {

const QStringList kFrames = frameListEntries({"Golden wood", "Polaroid", "[F] gold"});

QString field(const QString &body, int number) { return body.split(u'|').value(number - 1); }

JobSettings applied(const QString &line, JobSettings job = {}) {
  fromPreset(job, line, kFrames);
  return job;
}

} // namespace

TEST(Presets, EveryBuiltInSurvivesARoundTrip) {
  const QStringList &lines = builtInPresetLines();
  ASSERT_EQ(lines.size(), 33);
  for (const QString &line : lines) {
    // "all" selects the try-all entry, which is written back as its text.
    QString body = presetBody(line);
    body.replace("|all|", "|(try all 3 frames)|");
    EXPECT_EQ(toPreset(applied(line), kFrames), body) << line.toStdString();
  }
  // Names keep their exact characters.
  EXPECT_EQ(lines[28], " 4MP Poster (9x12\"/23x30cm)=2272|1074|1|100%|||1|4|3|0|0|0");
  EXPECT_EQ(presetName(lines[kFirstRunPresetIndex]), "MAIL ATTACHMENT");
}

// A round trip cannot tell two fields swapped both ways: each field lands in its own member.
TEST(Presets, ALineSetsEachFieldsOwnMember) {
  const JobSettings job = applied("THUMBNAILS=|150|0|50%|_TH||1|5|4|1|0|0");
  EXPECT_EQ(std::tuple(job.maxWidth, job.widthOn, job.maxHeight, job.heightOn, job.swapForUpright,
                       job.sizeLimitOn, job.fixedQuality),
            std::tuple(QString(), 0, "150", 1, 0, false, "50"));
  EXPECT_EQ(std::tuple(job.suffixTemplate, job.addSuffix, job.frame, job.sheetMode, job.sheetColumns,
                       job.sheetRows),
            std::tuple("_TH", 1, 0, 1, 4, 3));
  EXPECT_EQ(std::tuple(job.captionNames, job.captionSizes, job.captionFileSizes), std::tuple(1, 0, 0));
  // Without a name, and with texts kept as they are.
  const QString wallpaper = "screen|screen|0|85%| wallpaper ([W]x[H])||0|4|3|0|0|0";
  EXPECT_EQ(applied(wallpaper).suffixTemplate, " wallpaper ([W]x[H])");
  EXPECT_EQ(toPreset(applied(wallpaper), kFrames), wallpaper);
  // An extension switched off is still written, and turns on when read back.
  JobSettings off = applied(wallpaper);
  off.addSuffix = 0;
  EXPECT_EQ(applied(toPreset(off, kFrames)).addSuffix, 1);
  EXPECT_EQ(std::pair(presetName("a=b=c"), presetBody("a=b=c")), std::pair(QString("a"), QString("b=c")));
  EXPECT_EQ(std::pair(presetName("bare|body"), presetBody("bare|body")),
            std::pair(QString("bare|body"), QString("bare|body")));
}

TEST(Presets, QualityFieldForms) {
  JobSettings start;
  start.fixedQuality = "70";
  start.sizeLimitKb = "40";
  const struct {
    const char *quality;
    bool sizeLimitOn;
    const char *fixedQuality;
    const char *sizeLimitKb;
  } cases[] = {
      {"100k", true, "70", "100"}, {"85%", false, "85", "40"},     {"85.5%", false, "85.5", "40"},
      {"100K", false, "70", "40"}, {"", false, "70", "40"},        {"85", false, "70", "40"},
      {"x%", false, "0", "40"},    {" 12.5k", true, "70", "12.5"},
  };
  for (const auto &c : cases) {
    const JobSettings job = applied(QStringLiteral("||1|%1|||0|4|3|0|0|0").arg(c.quality), start);
    EXPECT_EQ(job.sizeLimitOn, c.sizeLimitOn) << c.quality;
    EXPECT_EQ(job.fixedQuality, QString::fromUtf8(c.fixedQuality)) << c.quality;
    EXPECT_EQ(job.sizeLimitKb, QString::fromUtf8(c.sizeLimitKb)) << c.quality;
  }
  // The option decides which box is written, and with which sign.
  JobSettings job = start;
  job.sizeLimitOn = true;
  EXPECT_EQ(field(toPreset(job, kFrames), 4), "40k");
  job.sizeLimitOn = false;
  EXPECT_EQ(field(toPreset(job, kFrames), 4), "70%");
}

TEST(Presets, FrameFieldSelectsByTextAndAll) {
  const std::pair<const char *, int> cases[] = {
      {"all", kTryAllEntry},
      {"aLL", kTryAllEntry},
      {"golden WOOD", 2},
      {"[f] GOLD", 4},
      {"Missing frame", kNoFrameEntry},
      // A saved try-all entry only matches while the same number of frames is installed.
      {"(try all 3 frames)", kTryAllEntry},
      {"(try all 5 frames)", kNoFrameEntry}};
  for (const auto &[text, entry] : cases)
    EXPECT_EQ(applied(QString("|||||") + text).frame, entry) << text;
  JobSettings job;
  for (const auto &[entry, text] :
       {std::pair(3, "Polaroid"), std::pair(int(kTryAllEntry), "(try all 3 frames)"),
        std::pair(int(kNoFrameEntry), "")}) {
    job.frame = qint16(entry);
    EXPECT_EQ(field(toPreset(job, kFrames), 6), QString::fromUtf8(text)) << entry;
  }
}

TEST(Presets, ABadStrictFieldDoesNotStopTheFieldsAfterIt) {
  JobSettings start;
  start.swapForUpright = 1;
  start.sheetMode = 0;
  const JobSettings job = applied("P=640|480|yes|85%|_x||two|2|2|0|x|1", start);
  EXPECT_EQ(std::tuple(job.swapForUpright, job.sheetMode, job.suffixTemplate, job.sheetColumns,
                       job.captionNames, job.captionSizes, job.captionFileSizes),
            std::tuple(1, 0, "_x", 1, 0, start.captionSizes, 1));
  // Out of range for its control is refused the same way.
  EXPECT_EQ(applied("||5||||7", start).sheetMode, 0);
  EXPECT_EQ(applied("||5||||7", start).swapForUpright, 1);
  EXPECT_EQ(applied("|||||||9|0.5").sheetColumns, -1);
  EXPECT_EQ(applied("|||||||2.5|1.5").sheetRows, 1);

  // A size that is no size keeps the box and its switch: garbage must not give every picture 0 x 0.
  for (const char *garbage : {"garbage", "0", "-5", "x640", "0.4"}) {
    const JobSettings sized = applied(QStringLiteral("%1|%1|1|85%").arg(QLatin1String(garbage)), start);
    EXPECT_EQ(std::tuple(sized.maxWidth, sized.widthOn, sized.maxHeight, sized.heightOn),
              std::tuple(start.maxWidth, start.widthOn, start.maxHeight, start.heightOn))
        << garbage;
  }
  EXPECT_EQ(applied("640px|screen").maxWidth, "640px");
  EXPECT_EQ(applied("640px|screen").maxHeight, "screen");

  // A name with nothing behind it empties the text fields; strict fields that do not read keep theirs.
  start.frame = 2;
  start.sizeLimitOn = true;
  start.sheetMode = 2;
  const JobSettings empty = applied("EMPTY=", start);
  EXPECT_EQ(std::tuple(empty.widthOn, empty.heightOn, empty.addSuffix, empty.frame, empty.sheetColumns),
            std::tuple(0, 0, 0, kNoFrameEntry, -1));
  EXPECT_EQ(std::tuple(empty.sizeLimitOn, empty.sheetMode, empty.swapForUpright, empty.captionNames),
            std::tuple(true, 2, start.swapForUpright, start.captionNames));
}
