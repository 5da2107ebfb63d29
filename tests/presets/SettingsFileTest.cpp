#include "presets/SettingsFile.h"
#include "TempFolder.h"
#include "presets/FrameList.h"
#include "presets/PresetLine.h"
#include "presets/ProgramFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace veltrane;

namespace {

const QStringList kFrames = frameListEntries({QStringLiteral("Golden wood")});

SettingsState firstRun() {
  return firstRunSettings({QStringLiteral("/home/u/Desktop"), {1920, 1080}, {603, 406}}, kFrames);
}

SettingsState read(const QByteArray &bytes) { return readSettings(bytes, firstRun(), kFrames); }

} // namespace

TEST(SettingsFile, FirstRunValuesWrittenAndReadBackAreTheSame) {
  const SettingsState state = firstRun();
  const QByteArray bytes = writeSettings(state, kFrames);
  const QList<QByteArray> lines = bytes.split('\n');
  ASSERT_EQ(lines.size(), 3 + 33 + 1);
  // The window at the bottom-left corner and the preview past the right edge, in twips.
  EXPECT_EQ(lines[0], "3|1|16777215|0|0|0|9|4|1|0|0|0|10110|28800|0|0|4|3|0|0|0|0\r");
  EXPECT_EQ(lines[1], "|600|1|100k|||0|4|3|0|0|0\r") << "MAIL ATTACHMENT";
  EXPECT_EQ(lines[2], "/home/u/Desktop/Resized pictures\r");
  EXPECT_EQ(lines[19], " VGA (640x480 \xC2\xBB 0.3MP)=640|480|1|85%|||1|4|3|0|0|0\r");
  EXPECT_TRUE(lines[36].isEmpty()) << "the last line ends too";
  SettingsState back = read(bytes);
  EXPECT_EQ(back, state);
  applySelectedPreset(back, kFrames);
  EXPECT_EQ(back, state);
  EXPECT_EQ(firstRunSettings({}, kFrames).job.OutputPath, QStringLiteral("Resized pictures"));
}

TEST(SettingsFile, EveryValueSurvivesARoundTrip) {
  SettingsState state = firstRun();
  state.program = {1, 0, 0x123456, 0xFF, 1, 1, QStringLiteral("11"), -1, 0, 1, 150, 300.5f, 45, 60, true};
  state.job.SameFolder = 1;
  fromPreset(state.job, QStringLiteral("1024|screen|0|72.5%|_[W]x[H]|Golden wood|2|8|1|0|1|1"), kFrames);
  state.job.OutputPath = QStringLiteral("/tmp/out put");
  state.presets.remove(0);
  state.presets.add(QStringLiteral("Mine \u00E9"), QStringLiteral("1|2|1|50%|||0|4|3|0|0|0"));
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
  EXPECT_EQ(state.presets.line(1), QStringLiteral(" VGA (640x480 \u00BB 0.3MP)=640|480|1|85%|||1|4|3|0|0|0"));
  EXPECT_EQ(state.program.folderWindowMode, 1);
  EXPECT_TRUE(state.program.plainMode);
  EXPECT_EQ(state.program.captBold, 1);
  EXPECT_EQ(state.job.maxX, QStringLiteral("640"));

  legacy.replace("\r\n", "\n");
  EXPECT_EQ(read(legacy), state);
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
  EXPECT_EQ(state.job.OutputPath, QStringLiteral("out"));

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
  EXPECT_EQ(state.presets.line(999), QStringLiteral("P999=|||"));
  EXPECT_EQ(state.program.presetIndex, 999);
}

TEST(SettingsFile, SelectedPresetOverridesLineTwo) {
  SettingsState state = read("3|1|0|0|0|0|9|3|1|0|0|0|0|0|0|0|4|3|0|1|0|0\r\n"
                             "640|480|1|85%|||1|4|3|0|0|0\r\nout\r\n"
                             "A=1|1|1|85%|||0|4|3|0|0|0\r\nB=2|2|1|85%|||0|4|3|0|0|0\r\n"
                             "C=3|3|1|85%|||0|4|3|0|0|0\r\nD=4|4|1|50%|||0|4|3|0|0|0\r\n");
  EXPECT_EQ(state.job.maxX, QStringLiteral("640"));
  applySelectedPreset(state, kFrames);
  EXPECT_EQ(state.job.maxX, QStringLiteral("4"));
  EXPECT_EQ(state.job.fixed, QStringLiteral("50"));
}

TEST(ProgramFolder, ResolvesHomeOptionEnvironmentPortableAndInstalled) {
  test::TempFolder temp;
  const QString exe = temp.file(QStringLiteral("bin"));
  QDir().mkpath(exe);
  EXPECT_FALSE(ProgramFolder::resolve({}, exe).isPortable());
  EXPECT_EQ(ProgramFolder::resolve(temp.path(), exe).home(), temp.path());

  qputenv("VELTRANE_HOME", temp.file(QStringLiteral("env")).toLocal8Bit());
  EXPECT_EQ(ProgramFolder::resolve({}, exe).home(), temp.file(QStringLiteral("env")));
  EXPECT_EQ(ProgramFolder::resolve(temp.path(), exe).home(), temp.path());
  qunsetenv("VELTRANE_HOME");

  QDir().mkpath(exe + QStringLiteral("/frames"));
  const ProgramFolder portable = ProgramFolder::resolve({}, exe);
  EXPECT_EQ(portable.home(), exe);
  EXPECT_EQ(portable.frameFolders(), QStringList{exe + QStringLiteral("/frames")});
  EXPECT_EQ(portable.helpTextPath(), exe + QStringLiteral("/Veltrane.TXT"));

  const ProgramFolder installed =
      ProgramFolder::installed(ProgramFolder::userLocations(temp.file("prefix/bin")));
  EXPECT_TRUE(installed.settingsReadPath().endsWith(QStringLiteral("/.config/veltrane/Veltrane.INI")));
  EXPECT_EQ(installed.frameFolders().value(1), temp.file(QStringLiteral("prefix/share/veltrane/frames")));
}

TEST(ProgramFolder, SavesAtomicallyAndFallsBackWhenTheFolderCannotBeWritten) {
  test::TempFolder temp;
  const ProgramFolder::Locations locations{
      temp.file(QStringLiteral("config")), temp.file(QStringLiteral("data")), {}};
  const ProgramFolder folder = ProgramFolder::portable(temp.file(QStringLiteral("home")), locations);
  auto result = folder.saveSettings("one\r\n");
  EXPECT_TRUE(result.saved);
  EXPECT_TRUE(result.notice.isEmpty());
  EXPECT_EQ(temp.read(QStringLiteral("home/Veltrane.INI")), QByteArray("one\r\n"));
  EXPECT_EQ(QDir(temp.file(QStringLiteral("home"))).entryList(QDir::Files), QStringList{"Veltrane.INI"});

  // A file where the program folder should be: it can never be written.
  temp.write(QStringLiteral("blocked"), "not a folder");
  const ProgramFolder blocked = ProgramFolder::portable(temp.file(QStringLiteral("blocked")), locations);
  result = blocked.saveSettings("two\r\n");
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(result.path, temp.file(QStringLiteral("config/Veltrane.INI")));
  EXPECT_FALSE(result.notice.isEmpty());
  EXPECT_EQ(blocked.settingsReadPath(), result.path);
  // Told once: the second save says nothing more.
  result = blocked.saveSettings("three\r\n");
  EXPECT_TRUE(result.notice.isEmpty());
  EXPECT_EQ(temp.read(QStringLiteral("config/Veltrane.INI")), QByteArray("three\r\n"));
}

TEST(ProgramFolder, AFailedWriteKeepsTheOldFile) {
  test::TempFolder temp;
  const QString path = temp.write(QStringLiteral("Veltrane.INI"), "old\r\n");
  // A folder stands at the target: the write fails and leaves nothing behind.
  QDir().mkpath(temp.file(QStringLiteral("dir")));
  QString error;
  EXPECT_FALSE(writeFileAtomically(temp.file(QStringLiteral("dir")), "x", &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(writeFileAtomically(temp.file(QStringLiteral("missing/Veltrane.INI")), "x"));
  EXPECT_TRUE(writeFileAtomically(path, "new\r\n"));
  EXPECT_EQ(temp.read(QStringLiteral("Veltrane.INI")), QByteArray("new\r\n"));
  EXPECT_EQ(
      QDir(temp.path())
          .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase),
      (QStringList{"dir", "Veltrane.INI"}));
  EXPECT_TRUE(readWholeFile(temp.path()).isEmpty());
}
