#include "presets/SettingsFile.h"
#include "presets/FrameList.h"
#include "presets/PresetLine.h"

#include <gtest/gtest.h>

using namespace veltrane;

namespace {

const QStringList kFrames = frameListEntries({"Golden wood"});

SettingsState firstRun() { return firstRunSettings({"/home/u/Desktop", {1920, 1080}, {603, 406}}, kFrames); }

SettingsState read(const QByteArray &bytes) { return readSettings(bytes, firstRun(), kFrames); }

} // namespace

TEST(SettingsFile, FirstRunValuesWrittenAndReadBackAreTheSame) {
  const SettingsState state = firstRun();
  const QByteArray bytes = writeSettings(state, kFrames);
  const QList<QByteArray> lines = bytes.split('\n');
  ASSERT_EQ(lines.size(), 3 + 33 + 1);
  // The window at the bottom-left corner and the preview past the right edge, in twips.
  EXPECT_EQ(lines[0], "3|1|16777215|0|0|0|9|4|1|0|0|0|10110|28800|0|0|4|3|0|0|0|0|0|0|1\r");
  EXPECT_EQ(lines[1], "|600|1|100k|||0|4|3|0|0|0\r") << "MAIL ATTACHMENT";
  EXPECT_EQ(lines[2], "/home/u/Desktop/Resized pictures\r");
  EXPECT_EQ(lines[19], " VGA (640x480 \xC2\xBB 0.3MP)=640|480|1|85%|||1|4|3|0|0|0\r");
  EXPECT_TRUE(lines[36].isEmpty()) << "the last line ends too";
  SettingsState back = read(bytes);
  EXPECT_EQ(back, state);
  applySelectedPreset(back, kFrames);
  EXPECT_EQ(back, state);
  EXPECT_EQ(firstRunSettings({}, kFrames).job.outputFolder, "Resized pictures");
}

TEST(SettingsFile, EveryValueSurvivesARoundTrip) {
  SettingsState state = firstRun();
  state.program = {1, 0, 0x123456, 0xFF, 1, 1, "11", -1, 0, 1, 150, 300.5f, 45, 60, true, {MetadataPolicy::Strip, true}};
  state.job.sameFolder = 1;
  fromPreset(state.job, "1024|screen|0|72.5%|_[W]x[H]|Golden wood|2|8|1|0|1|1", kFrames);
  state.job.suffixTemplate = "_q=[Q]"; // an "=" in the job is no preset name
  state.job.outputFolder = "/tmp/out put";
  state.presets.remove(0);
  state.presets.add("Mine \u00E9", "1|2|1|50%|||0|4|3|0|0|0");
  EXPECT_EQ(read(writeSettings(state, kFrames)), state);
}

TEST(SettingsFile, ReadsLegacyWindows1252AndLfFiles) {
  QByteArray legacy = "1|0|16777215|0|1|0|9|1|1|0|0|0|0|0|0|0|4|3|0|1|0|1\r\n"
                      "640|480|1|85%|||1|4|3|0|0|0\r\n"
                      "C:\\Users\\Ann\\Desktop\\Resized pictures\r\n"
                      "A=1|1|1|85%|||0|4|3|0|0|0\r\n"
                      " VGA (640x480 \xBB 0.3MP)=640|480|1|85%|||1|4|3|0|0|0\r\n";
  SettingsState state = read(legacy);
  ASSERT_EQ(state.presets.count(), 2);
  EXPECT_EQ(state.presets.line(1), " VGA (640x480 \u00BB 0.3MP)=640|480|1|85%|||1|4|3|0|0|0");
  EXPECT_EQ(state.program.folderWindowMode, 1);
  EXPECT_TRUE(state.program.plainMode);
  EXPECT_EQ(state.program.captionBold, 1);
  EXPECT_EQ(state.job.maxWidth, "640");

  legacy.replace("\r\n", "\n");
  EXPECT_EQ(read(legacy), state);

  // One stray byte garbles only its own line: the UTF-8 folder name stays whole.
  const SettingsState mixed = read("3|1|0|0|0|0|9|-1|1|0|0|0|0|0|0|0|4|3|0|1|0|0\r\n"
                                   "|600|1|100k|||0|4|3|0|0|0\r\n"
                                   "/home/j/Fotos_J\xC3\xBCrgen\r\n"
                                   "Old \xBB one=1|1|1|85%|||0|4|3|0|0|0\r\n"
                                   "New \xC2\xBB one=1|1|1|85%|||0|4|3|0|0|0\r\n");
  EXPECT_EQ(mixed.job.outputFolder, "/home/j/Fotos_J\u00FCrgen");
  EXPECT_EQ(mixed.presets.line(0), "Old \u00BB one=1|1|1|85%|||0|4|3|0|0|0");
  EXPECT_EQ(mixed.presets.line(1), "New \u00BB one=1|1|1|85%|||0|4|3|0|0|0");
}

TEST(SettingsFile, MalformedFilesKeepFirstRunValues) {
  const SettingsState defaults = firstRun();
  EXPECT_EQ(read(QByteArray()), defaults);

  // A short line 1 with non-numbers: the rest keeps its first-run values.
  SettingsState expected = defaults;
  expected.program.exitWhenDone = 0;
  expected.program.indexBackground = 0;
  EXPECT_EQ(read("x|0|abc\r\n"), expected);

  // A selection beyond the list leaves nothing selected.
  SettingsState state =
      read("3|1|0|0|0|0|9|40|1|0|0|0|0|0|0|0|4|3|0|1|0|0\r\n|600|1|100k|||0|4|3|0|0|0\r\nout\r\nA=|||\r\n");
  EXPECT_EQ(state.program.presetIndex, -1);
  EXPECT_EQ(state.presets.count(), 1);

  // Three lines and no presets is a list the user emptied.
  state = read("3|1|0|0|0|0|9|-1|1|0|0|0|0|0|0|0|4|3|0|1|0|0\r\n|600|1|100k|||0|4|3|0|0|0\r\nout\r\n");
  EXPECT_EQ(state.presets.count(), 0);
  EXPECT_EQ(state.job.outputFolder, "out");
  EXPECT_EQ(state.program.photo, PhotoOptions{}) << "an older copy's file";

  // A metadata policy this copy does not know keeps the default.
  state = read("3|1|0|0|0|0|9|-1|1|0|0|0|0|0|0|0|4|3|0|1|0|0|7|1\r\n");
  EXPECT_EQ(state.program.photo, (PhotoOptions{MetadataPolicy::NoLocation, true}));

  // A window beyond what a float holds keeps its place: "inf" would read back as 0.
  state = read("3|1|0|0|0|0|9|-1|1|0|0|" + QByteArray(40, '9') + "|-" + QByteArray(40, '9') + "|5|6\r\n");
  EXPECT_EQ(std::pair(state.program.mainLeft, state.program.mainTop),
            std::pair(defaults.program.mainLeft, defaults.program.mainTop));
  EXPECT_EQ(std::pair(state.program.previewLeft, state.program.previewTop), std::pair(5.0f, 6.0f));

  // Binary junk reads as text and never throws.
  QByteArray junk(4096, '\0');
  for (int i = 0; i < junk.size(); ++i)
    junk[i] = char((i * 37) & 0xFF);
  EXPECT_NO_THROW(read(junk));
}

TEST(SettingsFile, KeepsTheFirstThousandPresetsAndEmptyLines) {
  QByteArray bytes =
      "3|1|0|0|0|0|9|999|1|0|0|0|0|0|0|0|4|3|0|1|0|0\r\n|600|1|100k|||0|4|3|0|0|0\r\nout\r\n\r\n";
  for (int i = 1; i < 1200; ++i)
    bytes += "P" + QByteArray::number(i) + "=|||\r\n";
  const SettingsState state = read(bytes);
  EXPECT_EQ(state.presets.count(), 1000);
  EXPECT_EQ(state.presets.line(0), QString());
  EXPECT_EQ(state.presets.line(999), "P999=|||");
  EXPECT_EQ(state.program.presetIndex, 999);
}

TEST(SettingsFile, SelectedPresetOverridesLineTwo) {
  SettingsState state = read("3|1|0|0|0|0|9|3|1|0|0|0|0|0|0|0|4|3|0|1|0|0\r\n"
                             "640|480|1|85%|||1|4|3|0|0|0\r\nout\r\n"
                             "A=1|1|1|85%|||0|4|3|0|0|0\r\nB=2|2|1|85%|||0|4|3|0|0|0\r\n"
                             "C=3|3|1|85%|||0|4|3|0|0|0\r\nD=4|4|1|50%|||0|4|3|0|0|0\r\n");
  EXPECT_EQ(state.job.maxWidth, "640");
  applySelectedPreset(state, kFrames);
  EXPECT_EQ(state.job.maxWidth, "4");
  EXPECT_EQ(state.job.fixedQuality, "50");
}

TEST(SettingsFile, WritingOverAnotherCopysSaveKeepsItsPresetsAndTheSelection) {
  const SettingsState loaded = firstRun();
  SettingsState mine = loaded;
  mine.presets.add("Mine", "1|2|1|50%|||0|4|3|0|0|0");
  mine.program.presetIndex = qint16(mine.presets.count() - 1);

  // Nothing on disk, or a file cut short before its presets: this copy's file.
  EXPECT_EQ(writeSettingsOver({}, mine, loaded.presets, kFrames), writeSettings(mine, kFrames));
  EXPECT_EQ(writeSettingsOver("1|0\r\n", mine, loaded.presets, kFrames), writeSettings(mine, kFrames));

  SettingsState theirs = loaded;
  theirs.presets.remove(0);
  theirs.presets.add("Theirs", "3|4|1|50%|||0|4|3|0|0|0");
  const SettingsState back =
      read(writeSettingsOver(writeSettings(theirs, kFrames), mine, loaded.presets, kFrames));
  ASSERT_EQ(back.presets.count(), 34);
  EXPECT_EQ(back.presets.names().mid(32), (QStringList{"Theirs", "Mine"}));
  EXPECT_EQ(back.program.presetIndex, 33) << "still the preset this copy had selected";
  EXPECT_EQ(back.job, mine.job);
}
