#include "presets/PresetLine.h"
#include "presets/BuiltInPresets.h"
#include "presets/FrameList.h"

#include <gtest/gtest.h>
#include <tuple>

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

TEST(Presets, EveryBuiltInSurvivesARoundTrip) {
  const QStringList &lines = builtInPresetLines();
  ASSERT_EQ(lines.size(), 33);
  for (const QString &line : lines) {
    // "all" selects the try-all entry, which is written back as its text.
    QString body = presetBody(line);
    body.replace(QStringLiteral("|all|"), QStringLiteral("|(try all 3 frames)|"));
    EXPECT_EQ(toPreset(applied(line), kFrames), body) << line.toStdString();
  }
  // Names keep their exact characters.
  EXPECT_EQ(lines[28], QStringLiteral(" 4MP Poster (9x12\"/23x30cm)=2272|1074|1|100%|||1|4|3|0|0|0"));
  EXPECT_EQ(presetName(lines[kFirstRunPresetIndex]), QStringLiteral("MAIL ATTACHMENT"));
}

// A round trip cannot tell two fields swapped both ways: each field lands in its own member.
TEST(Presets, ALineSetsEachFieldsOwnMember) {
  const JobSettings job = applied(QStringLiteral("THUMBNAILS=|150|0|50%|_TH||1|5|4|1|0|0"));
  EXPECT_EQ(std::tuple(job.maxX, job.maxXon, job.maxY, job.maxYon, job.YX, job.quality1, job.fixed),
            std::tuple(QString(), 0, QStringLiteral("150"), 1, 0, false, QStringLiteral("50")));
  EXPECT_EQ(std::tuple(job.extension, job.AddExtension, job.addFrame, job.indice, job.indexX, job.indexY),
            std::tuple(QStringLiteral("_TH"), 1, 0, 1, 4, 3));
  EXPECT_EQ(std::tuple(job.indexNames, job.indexWH, job.indexK), std::tuple(1, 0, 0));
  // Without a name, and with texts kept as they are.
  const QString wallpaper = QStringLiteral("screen|screen|0|85%| wallpaper ([W]x[H])||0|4|3|0|0|0");
  EXPECT_EQ(applied(wallpaper).extension, QStringLiteral(" wallpaper ([W]x[H])"));
  EXPECT_EQ(toPreset(applied(wallpaper), kFrames), wallpaper);
  // An extension switched off is still written, and turns on when read back.
  JobSettings off = applied(wallpaper);
  off.AddExtension = 0;
  EXPECT_EQ(applied(toPreset(off, kFrames)).AddExtension, 1);
  EXPECT_EQ(std::pair(presetName("a=b=c"), presetBody("a=b=c")), std::pair(QString("a"), QString("b=c")));
  EXPECT_EQ(std::pair(presetName("bare|body"), presetBody("bare|body")),
            std::pair(QString("bare|body"), QString("bare|body")));
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
    EXPECT_EQ(applied(QStringLiteral("|||||") + text).addFrame, entry) << text;
  JobSettings job;
  for (const auto &[entry, text] :
       {std::pair(3, "Polaroid"), std::pair(int(kTryAllEntry), "(try all 3 frames)"),
        std::pair(int(kNoFrameEntry), "")}) {
    job.addFrame = qint16(entry);
    EXPECT_EQ(field(toPreset(job, kFrames), 6), QString::fromUtf8(text)) << entry;
  }
}

TEST(Presets, ABadStrictFieldDoesNotStopTheFieldsAfterIt) {
  JobSettings start;
  start.YX = 1;
  start.indice = 0;
  const JobSettings job = applied(QStringLiteral("P=640|480|yes|85%|_x||two|2|2|0|x|1"), start);
  EXPECT_EQ(
      std::tuple(job.YX, job.indice, job.extension, job.indexX, job.indexNames, job.indexWH, job.indexK),
      std::tuple(1, 0, QStringLiteral("_x"), 1, 0, start.indexWH, 1));
  // Out of range for its control is refused the same way.
  EXPECT_EQ(applied(QStringLiteral("||5||||7"), start).indice, 0);
  EXPECT_EQ(applied(QStringLiteral("||5||||7"), start).YX, 1);
  EXPECT_EQ(applied(QStringLiteral("|||||||9|0.5")).indexX, -1);
  EXPECT_EQ(applied(QStringLiteral("|||||||2.5|1.5")).indexY, 1);

  // A size that is no size keeps the box and its switch: garbage must not give every picture 0 x 0.
  for (const char *garbage : {"garbage", "0", "-5", "x640", "0.4"}) {
    const JobSettings sized = applied(QStringLiteral("%1|%1|1|85%").arg(QLatin1String(garbage)), start);
    EXPECT_EQ(std::tuple(sized.maxX, sized.maxXon, sized.maxY, sized.maxYon),
              std::tuple(start.maxX, start.maxXon, start.maxY, start.maxYon))
        << garbage;
  }
  EXPECT_EQ(applied(QStringLiteral("640px|screen")).maxX, QStringLiteral("640px"));
  EXPECT_EQ(applied(QStringLiteral("640px|screen")).maxY, QStringLiteral("screen"));

  // A name with nothing behind it empties the text fields; strict fields that do not read keep theirs.
  start.addFrame = 2;
  start.quality1 = true;
  start.indice = 2;
  const JobSettings empty = applied(QStringLiteral("EMPTY="), start);
  EXPECT_EQ(std::tuple(empty.maxXon, empty.maxYon, empty.AddExtension, empty.addFrame, empty.indexX),
            std::tuple(0, 0, 0, kNoFrameEntry, -1));
  EXPECT_EQ(std::tuple(empty.quality1, empty.indice, empty.YX, empty.indexNames),
            std::tuple(true, 2, start.YX, start.indexNames));
}
