#include "WindowTestKit.h"
#include "presets/BuiltInPresets.h"
#include "presets/PresetLine.h"
#include "presets/SettingsFile.h"
#include "ui/JobControls.h"
#include "ui/PresetControls.h"
#include "ui/PreviewWindow.h"
#include "ui/WebPages.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

using namespace veltrane;
using veltrane::test::WindowTest;

namespace {

using StartUpTest = WindowTest;

TEST_F(StartUpTest, AFirstStartAppliesMailAttachmentFromTheBuiltInPresets) {
  start();
  auto *preset = control<QComboBox>("Preset");
  ASSERT_EQ(preset->count(), 33);
  EXPECT_EQ(preset->currentIndex(), kFirstRunPresetIndex);
  EXPECT_EQ(preset->currentText(), QStringLiteral("MAIL ATTACHMENT"));
  EXPECT_EQ(preset->itemText(14), QStringLiteral(" CGA (320x200 \u00BB 0.1MP)")) << "names as they stand";

  // No width limit: the width shows what the 320 x 240 source box gives for a height of 600.
  EXPECT_FALSE(control<QCheckBox>("maxXon")->isChecked());
  EXPECT_FALSE(control<QComboBox>("maxX")->isEnabled());
  EXPECT_EQ(control<QComboBox>("maxX")->currentText(), QStringLiteral("800"));
  EXPECT_TRUE(control<QCheckBox>("maxYon")->isChecked());
  EXPECT_EQ(control<QComboBox>("maxY")->currentText(), QStringLiteral("600"));
  EXPECT_TRUE(control<QCheckBox>("YX")->isChecked());
  EXPECT_FALSE(control<QCheckBox>("YX")->isEnabled()) << "one limit: nothing to swap";
  EXPECT_TRUE(control<QRadioButton>("quality1")->isChecked());
  EXPECT_EQ(control<QLineEdit>("maxK")->text(), QStringLiteral("100"));
  EXPECT_FALSE(control<QLineEdit>("fixed")->isEnabled());
  EXPECT_TRUE(control<QLineEdit>("maxK")->isEnabled());
  EXPECT_EQ(control<QLineEdit>("extension")->text(), QString());
  EXPECT_FALSE(control<QCheckBox>("AddExtension")->isChecked());
  EXPECT_EQ(control<QComboBox>("addFrame")->currentIndex(), 0);
  EXPECT_FALSE(control<QComboBox>("addFrame")->isEnabled()) << "no frames installed";
  EXPECT_EQ(control<QComboBox>("addFrame")->itemText(1), QStringLiteral("(try all 0 frames)"));
  EXPECT_EQ(control<QComboBox>("indice")->currentIndex(), 0);
  EXPECT_EQ(control<QComboBox>("indexX")->currentText(), QStringLiteral("4"));
  EXPECT_EQ(control<QComboBox>("indexY")->currentText(), QStringLiteral("3"));
  EXPECT_FALSE(control<QComboBox>("indexX")->isEnabled());
  EXPECT_TRUE(control<QCheckBox>("manual")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("manual")->isEnabled());
  EXPECT_FALSE(control<QCheckBox>("preview")->isChecked());
  EXPECT_FALSE(control<QCheckBox>("SameFolder")->isChecked());
  EXPECT_EQ(control<QLineEdit>("OutputPath")->text(),
            QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) +
                QStringLiteral("/Resized pictures"));
  EXPECT_EQ(window->programSettings().folderWindowMode, 3);
  EXPECT_EQ(window->programSettings().exitWhenDone, 1);
  EXPECT_FALSE(window->programSettings().plainMode);
  EXPECT_FALSE(control<QPushButton>("Go")->isEnabled()) << "nothing listed";
  EXPECT_TRUE(prompts->shown().isEmpty());

  // At the bottom-left corner of the 1920 x 1080 screen.
  window->showAtSavedPlace();
  EXPECT_EQ(window->pos(), QPoint(0, 1080 - 406));
}

TEST_F(StartUpTest, ClosingSavesEverythingAndAStartAgainRestoresIt) {
  start();
  window->showAtSavedPlace();
  window->move(40, 50);
  auto *preset = control<QComboBox>("Preset");
  preset->setCurrentIndex(3); // THUMBNAILS
  control<QLineEdit>("OutputPath")->setText(QStringLiteral("/srv/out"));
  control<QCheckBox>("indexK")->setChecked(true);
  control<QCheckBox>("manual")->setChecked(false);
  preset->setEditText(QStringLiteral("Tiny"));
  control<QComboBox>("maxY")->setEditText(QStringLiteral("90"));
  control<QPushButton>("AddPreset")->click();
  preset->setCurrentIndex(33);
  window->settings_Click();
  setting<QCheckBox>("cFullScreen")->setChecked(false);
  setting<QCheckBox>("captBold")->setChecked(true);
  window->settingsWindow().close();
  const JobSettings before = window->jobControls().job();
  const QStringList presetsBefore = window->presetControls().store().lines();

  QSignalSpy ended(window.get(), &MainWindow::ended);
  window->close();
  EXPECT_EQ(ended.count(), 1);
  EXPECT_TRUE(window->isHidden());
  ASSERT_EQ(launcher->launches().size(), 1);
  EXPECT_EQ(launcher->launches().first(),
            (RecordingLauncher::Launch{RecordingLauncher::Kind::WebAddress, kSupportPageAddress}));
  const QStringList lines =
      QString::fromUtf8(program.read(QStringLiteral("Veltrane.INI"))).split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 3 + 34 + 1);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("1|-1|16777215|0|1|0|9|33|0|0|0|600|750|")))
      << lines[0].toStdString();
  EXPECT_EQ(lines[36], QStringLiteral("Tiny=%1").arg(lines[1]));

  start();
  EXPECT_EQ(window->jobControls().job(), before);
  EXPECT_EQ(window->presetControls().store().lines(), presetsBefore);
  EXPECT_EQ(control<QComboBox>("Preset")->currentText(), QStringLiteral("Tiny"));
  EXPECT_EQ(control<QLineEdit>("OutputPath")->text(), QStringLiteral("/srv/out"));
  EXPECT_FALSE(control<QCheckBox>("manual")->isChecked());
  EXPECT_EQ(window->programSettings().folderWindowMode, 1);
  EXPECT_EQ(window->programSettings().exitWhenDone, -1);
  window->showAtSavedPlace();
  EXPECT_EQ(window->pos(), QPoint(40, 50));
  window->settings_Click();
  EXPECT_TRUE(setting<QCheckBox>("captBold")->isChecked());
  EXPECT_TRUE(setting<QCheckBox>("cOpen")->isChecked());
  EXPECT_FALSE(setting<QCheckBox>("cFullScreen")->isChecked());
}

TEST_F(StartUpTest, SavingRightAfterAFirstStartWritesTheFirstRunValues) {
  start();
  window->esci();
  const QStringList lines =
      QString::fromUtf8(program.read(QStringLiteral("Veltrane.INI"))).split(QStringLiteral("\r\n"));
  ASSERT_GE(lines.size(), 36);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("3|1|")));
  EXPECT_EQ(lines[1], QStringLiteral("800|600|1|100k|||0|4|3|0|0|0"));
  EXPECT_EQ(lines.mid(3, 33), builtInPresetLines());
  window->esci();
  EXPECT_EQ(launcher->launches().size(), 1) << "one shut-down only";

  start();
  EXPECT_EQ(control<QComboBox>("Preset")->currentIndex(), kFirstRunPresetIndex);
  EXPECT_EQ(control<QComboBox>("maxX")->currentText(), QStringLiteral("800"));
}

TEST_F(StartUpTest, ASettingsFileWithoutSelectionKeepsItsCurrentJob) {
  SettingsState state = firstRunSettings({}, {});
  state.program.presetIndex = -1;
  state.job.maxX = QStringLiteral("screen");
  state.job.maxY = QStringLiteral("777");
  state.job.SameFolder = 1;
  program.write(QStringLiteral("Veltrane.INI"), writeSettings(state, {}));
  program.write(QStringLiteral("Veltrane.TXT"), "Our own help.\r\nSecond line.");
  start({QStringLiteral("/pics/a.jpg"), QStringLiteral("/pics/notes.txt"), QStringLiteral("/pics/b c.GIF")});

  EXPECT_EQ(control<QComboBox>("Preset")->currentIndex(), -1);
  EXPECT_EQ(control<QComboBox>("Preset")->currentText(), QString());
  EXPECT_EQ(control<QComboBox>("maxX")->currentText(), QStringLiteral("screen"));
  EXPECT_EQ(control<QComboBox>("maxY")->currentText(), QStringLiteral("777"));
  EXPECT_TRUE(control<QCheckBox>("SameFolder")->isChecked());
  EXPECT_FALSE(control<QLineEdit>("OutputPath")->isEnabled());
  EXPECT_FALSE(control<QComboBox>("indice")->isEnabled());
  EXPECT_EQ(control<QPlainTextEdit>("help")->toPlainText(), QStringLiteral("Our own help.\nSecond line."));

  // Every picture named on the command line is listed, in order; others are left out silently.
  ASSERT_EQ(window->sourceList().fileCount(), 2);
  EXPECT_EQ(window->sourceList().fullPath(2), QStringLiteral("/pics/b c.GIF"));
  EXPECT_TRUE(control<QPushButton>("Go")->isEnabled());
  EXPECT_TRUE(prompts->shown().isEmpty());
}

TEST_F(StartUpTest, APresetPickedAtTheLastEndWinsOverLaterChanges) {
  start();
  control<QComboBox>("Preset")->setCurrentIndex(3); // THUMBNAILS: |150|0|50%|_TH||1|5|4|1|0|0
  control<QLineEdit>("extension")->setText(QStringLiteral("_small"));
  control<QLineEdit>("OutputPath")->setText(QStringLiteral("/srv/thumbs"));
  restart();
  EXPECT_EQ(control<QLineEdit>("extension")->text(), QStringLiteral("_TH"));
  EXPECT_EQ(control<QComboBox>("maxY")->currentText(), QStringLiteral("150"));
  EXPECT_EQ(control<QComboBox>("maxX")->currentText(), QStringLiteral("200"));
  EXPECT_EQ(control<QLineEdit>("OutputPath")->text(), QStringLiteral("/srv/thumbs"))
      << "not part of a preset";
}

TEST_F(StartUpTest, TheHelpButtonSwapsThePanelForTheOutputFolder) {
  start();
  auto *help = control<QPlainTextEdit>("help");
  auto *outputPath = control<QLineEdit>("OutputPath");
  EXPECT_TRUE(help->isHidden());
  EXPECT_FALSE(help->toPlainText().isEmpty()) << "the built-in text";
  EXPECT_EQ(control<QLabel>("lHelp")->text(),
            QStringLiteral("(click \"?\" again to close the help window and return to the main program)"));

  control<QToolButton>("toggleHelp")->click();
  EXPECT_FALSE(help->isHidden());
  EXPECT_FALSE(control<QLabel>("lHelp")->isHidden());
  EXPECT_EQ(help->geometry().topLeft(), control<QComboBox>("Preset")->mapTo(window.get(), QPoint(0, 0)));
  EXPECT_EQ(help->size(), QSize(436, 236));
  for (const char *name : {"lSaveTo", "OutputPath", "Browse", "SameFolder"})
    EXPECT_TRUE(control<QWidget>(name)->isHidden()) << name;

  control<QToolButton>("toggleHelp")->click();
  EXPECT_TRUE(help->isHidden());
  EXPECT_TRUE(control<QLabel>("lHelp")->isHidden());
  EXPECT_FALSE(outputPath->isHidden());
}

TEST_F(StartUpTest, ThePreviewBoxShowsAndHidesThePreviewWindow) {
  start();
  window->showAtSavedPlace();
  auto *preview = control<QCheckBox>("preview");
  preview->setChecked(true);
  EXPECT_TRUE(window->previewWindow().isVisible());
  EXPECT_FALSE(window->jobControls().updatingSizes());
  window->previewWindow().close();
  EXPECT_FALSE(window->previewWindow().isVisible());
  EXPECT_FALSE(preview->isChecked()) << "closing it clears the box";

  preview->setChecked(true);
  window->minimizza();
  EXPECT_FALSE(window->previewWindow().isVisible());
  EXPECT_TRUE(window->isMinimized());
}

TEST_F(StartUpTest, TheLinkOpensTheHomePage) {
  start();
  window->show();
  auto *link = control<QLabel>("LinkToHomepage");
  EXPECT_EQ(link->toolTip(), QStringLiteral("Go to Veltrane's homepage!"));
  QTest::mouseClick(link, Qt::LeftButton);
  ASSERT_EQ(launcher->launches().size(), 1);
  EXPECT_EQ(launcher->launches().first().target, kHomePageAddress);
}

} // namespace
