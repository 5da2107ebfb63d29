#include "presets/PresetLine.h"
#include "presets/BuiltInPresets.h"
#include "presets/FrameList.h"

#include <gtest/gtest.h>

using namespace veltrane;

namespace {

const QStringList kFrames =
    frameListEntries({QStringLiteral("Golden wood"), QStringLiteral("Polaroid"), QStringLiteral("[F] gold")});

QString field(const QString &body, int number) { return body.split(u'|').value(number - 1); }

JobSettings applied(const QString &line, JobSettings job = {}) {
  fromPreset(job, line, kFrames);
  return job;
}

} // namespace

TEST(GetPar, WalksFieldsAndReadsEmptyPastTheEnd) {
  const QString line = QStringLiteral("a||bc");
  qsizetype pos = 1;
  EXPECT_EQ(getPar(line, pos), QStringLiteral("a"));
  EXPECT_EQ(pos, 3);
  EXPECT_EQ(getPar(line, pos), QString());
  EXPECT_EQ(getPar(line, pos), QStringLiteral("bc"));
  EXPECT_EQ(pos, 7);
  EXPECT_EQ(getPar(line, pos), QString());
  EXPECT_EQ(pos, 7);
}

TEST(FrameList, EntriesStartWithNoFrameAndTryAll) {
  EXPECT_EQ(kFrames.size(), 5);
  EXPECT_EQ(kFrames[0], QStringLiteral("(no frame)"));
  EXPECT_EQ(kFrames[1], QStringLiteral("(try all 3 frames)"));
  EXPECT_EQ(frameListEntries({})[1], QStringLiteral("(try all 0 frames)"));
}

TEST(Presets, EveryBuiltInSurvivesARoundTrip) {
  const QStringList &lines = builtInPresetLines();
  ASSERT_EQ(lines.size(), 33);
  for (const QString &line : lines) {
    const JobSettings job = applied(line);
    // "all" selects the try-all entry, which is written back as its text.
    QString body = presetBody(line);
    body.replace(QStringLiteral("|all|"), QStringLiteral("|(try all 3 frames)|"));
    EXPECT_EQ(toPreset(job, kFrames), body) << line.toStdString();
  }
}

TEST(Presets, BuiltInsHoldTheirExactCharacters) {
  const QStringList &lines = builtInPresetLines();
  EXPECT_EQ(lines[16], QStringLiteral(" VGA (640x480 \u00BB 0.3MP)=640|480|1|85%|||1|4|3|0|0|0"));
  EXPECT_EQ(lines[28], QStringLiteral(" 4MP Poster (9x12\"/23x30cm)=2272|1074|1|100%|||1|4|3|0|0|0"));
  EXPECT_EQ(presetName(lines[kFirstRunPresetIndex]), QStringLiteral("MAIL ATTACHMENT"));
  EXPECT_EQ(lines[2], QStringLiteral("WALLPAPERS=screen|screen|0|85%| wallpaper ([W]x[H])||0|4|3|0|0|0"));
}

TEST(Presets, ThumbnailsLineSetsEveryField) {
  const JobSettings job = applied(QStringLiteral("THUMBNAILS=|150|0|50%|_TH||1|5|4|1|0|0"));
  EXPECT_EQ(job.maxX, QString());
  EXPECT_EQ(job.maxXon, 0);
  EXPECT_EQ(job.maxY, QStringLiteral("150"));
  EXPECT_EQ(job.maxYon, 1);
  EXPECT_FALSE(job.yxEnabled());
  EXPECT_EQ(job.YX, 0);
  EXPECT_TRUE(job.quality2());
  EXPECT_EQ(job.fixed, QStringLiteral("50"));
  EXPECT_EQ(job.extension, QStringLiteral("_TH"));
  EXPECT_EQ(job.AddExtension, 1);
  EXPECT_EQ(job.addFrame, 0);
  EXPECT_EQ(job.indice, 1);
  EXPECT_EQ(job.indexX, 4);
  EXPECT_EQ(job.indexY, 3);
  EXPECT_EQ(job.indexNames, 1);
  EXPECT_EQ(job.indexWH, 0);
  EXPECT_EQ(job.indexK, 0);
}

TEST(Presets, QualityFieldForms) {
  JobSettings start;
  start.fixed = QStringLiteral("70");
  start.maxK = QStringLiteral("40");
  const struct {
    const char *quality;
    bool quality1;
    const char *fixed;
    const char *maxK;
  } cases[] = {
      {"100k", true, "70", "100"}, {"85%", false, "85", "40"},     {"85.5%", false, "85.5", "40"},
      {"100K", false, "70", "40"}, {"", false, "70", "40"},        {"85", false, "70", "40"},
      {"x%", false, "0", "40"},    {" 12.5k", true, "70", "12.5"},
  };
  for (const auto &c : cases) {
    const JobSettings job = applied(QStringLiteral("||1|%1|||0|4|3|0|0|0").arg(c.quality), start);
    EXPECT_EQ(job.quality1, c.quality1) << c.quality;
    EXPECT_EQ(job.fixed, QString::fromUtf8(c.fixed)) << c.quality;
    EXPECT_EQ(job.maxK, QString::fromUtf8(c.maxK)) << c.quality;
  }
  // The option decides which box is written, and with which sign.
  JobSettings job = start;
  job.quality1 = true;
  EXPECT_EQ(field(toPreset(job, kFrames), 4), QStringLiteral("40k"));
  job.quality1 = false;
  EXPECT_EQ(field(toPreset(job, kFrames), 4), QStringLiteral("70%"));
}

TEST(Presets, FrameFieldSelectsByTextAndAll) {
  EXPECT_EQ(applied(QStringLiteral("|||||all")).addFrame, kTryAllEntry);
  EXPECT_EQ(applied(QStringLiteral("|||||aLL")).addFrame, kTryAllEntry);
  EXPECT_EQ(applied(QStringLiteral("|||||golden WOOD")).addFrame, 2);
  EXPECT_EQ(applied(QStringLiteral("|||||[f] GOLD")).addFrame, 4);
  EXPECT_EQ(applied(QStringLiteral("|||||Missing frame")).addFrame, kNoFrameEntry);
  // A saved try-all entry only matches while the same number of frames is installed.
  EXPECT_EQ(applied(QStringLiteral("|||||(try all 3 frames)")).addFrame, kTryAllEntry);
  EXPECT_EQ(applied(QStringLiteral("|||||(try all 5 frames)")).addFrame, kNoFrameEntry);

  JobSettings job;
  job.addFrame = 3;
  EXPECT_EQ(field(toPreset(job, kFrames), 6), QStringLiteral("Polaroid"));
  job.addFrame = kTryAllEntry;
  EXPECT_EQ(field(toPreset(job, kFrames), 6), QStringLiteral("(try all 3 frames)"));
  job.addFrame = kNoFrameEntry;
  EXPECT_EQ(field(toPreset(job, kFrames), 6), QString());
}

TEST(Presets, NameWithNothingBehindEmptiesTheTextFields) {
  JobSettings start;
  start.addFrame = 2;
  start.quality1 = true;
  start.indice = 2;
  const JobSettings job = applied(QStringLiteral("EMPTY="), start);
  EXPECT_EQ(job.maxXon, 0);
  EXPECT_EQ(job.maxYon, 0);
  EXPECT_EQ(job.AddExtension, 0);
  EXPECT_EQ(job.addFrame, kNoFrameEntry);
  EXPECT_TRUE(job.quality1);
  EXPECT_EQ(job.indexX, -1);
  EXPECT_EQ(job.indexY, -1);
  // Strict fields that do not read keep what they held.
  EXPECT_EQ(job.indice, 2);
  EXPECT_EQ(job.YX, start.YX);
  EXPECT_EQ(job.indexNames, start.indexNames);
}

TEST(Presets, ABadStrictFieldDoesNotStopTheFieldsAfterIt) {
  JobSettings start;
  start.YX = 1;
  start.indice = 0;
  const JobSettings job = applied(QStringLiteral("P=640|480|yes|85%|_x||two|2|2|0|x|1"), start);
  EXPECT_EQ(job.YX, 1);
  EXPECT_EQ(job.indice, 0);
  EXPECT_EQ(job.extension, QStringLiteral("_x"));
  EXPECT_EQ(job.indexX, 1);
  EXPECT_EQ(job.indexNames, 0);
  EXPECT_EQ(job.indexWH, start.indexWH);
  EXPECT_EQ(job.indexK, 1);
  // Out of range for its control is refused the same way.
  EXPECT_EQ(applied(QStringLiteral("||5||||7"), start).indice, 0);
  EXPECT_EQ(applied(QStringLiteral("||5||||7"), start).YX, 1);
  EXPECT_EQ(applied(QStringLiteral("|||||||9|0.5")).indexX, -1);
  EXPECT_EQ(applied(QStringLiteral("|||||||2.5|1.5")).indexX, 1);
  EXPECT_EQ(applied(QStringLiteral("|||||||2.5|1.5")).indexY, 1);
}

TEST(Presets, BodyWithoutNameAndKeptTexts) {
  const JobSettings job = applied(QStringLiteral("screen|screen|0|85%| wallpaper ([W]x[H])||0|4|3|0|0|0"));
  EXPECT_EQ(job.maxX, QStringLiteral("screen"));
  EXPECT_EQ(job.maxY, QStringLiteral("screen"));
  EXPECT_EQ(job.extension, QStringLiteral(" wallpaper ([W]x[H])"));
  EXPECT_EQ(toPreset(job, kFrames), QStringLiteral("screen|screen|0|85%| wallpaper ([W]x[H])||0|4|3|0|0|0"));

  // An extension switched off is still written, and turns on when read back.
  JobSettings off = job;
  off.AddExtension = 0;
  EXPECT_EQ(applied(toPreset(off, kFrames)).AddExtension, 1);
}

TEST(Presets, NameAndBodySplitAtTheFirstEquals) {
  EXPECT_EQ(presetName(QStringLiteral("a=b=c")), QStringLiteral("a"));
  EXPECT_EQ(presetBody(QStringLiteral("a=b=c")), QStringLiteral("b=c"));
  EXPECT_EQ(presetName(QStringLiteral("bare|body")), QStringLiteral("bare|body"));
  EXPECT_EQ(presetBody(QStringLiteral("bare|body")), QStringLiteral("bare|body"));
}
