#include "FaultFolders.h"
#include "WindowTestKit.h"
#include "ui/JobControls.h"
#include "ui/PresetControls.h"
#include "ui/WebPages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

using namespace veltrane;
using veltrane::test::WindowTest;

namespace {

using MainWindowSettingsTest = WindowTest;

// The first-run values themselves are the settings file's test; this checks the window shows and saves them.
TEST_F(MainWindowSettingsTest, AFirstStartAppliesMailAttachmentAndSavesTheFirstRunValues) {
  program.write("veltrane.html", "<p>the guide</p>");
  start();
  auto *preset = control<QComboBox>("presets");
  ASSERT_EQ(preset->count(), 33);
  EXPECT_EQ(preset->currentText(), "MAIL ATTACHMENT");
  // No width limit: the width shows what the 320 x 240 source box gives for a height of 600.
  EXPECT_FALSE(control<QComboBox>("maxWidth")->isEnabled());
  EXPECT_EQ(control<QComboBox>("maxWidth")->currentText(), "800");
  EXPECT_EQ(control<QComboBox>("maxHeight")->currentText(), "600");
  EXPECT_FALSE(control<QCheckBox>("swapForUpright")->isEnabled()) << "one limit: nothing to swap";
  EXPECT_TRUE(control<QLineEdit>("sizeLimitKb")->isEnabled());
  EXPECT_FALSE(control<QComboBox>("frame")->isEnabled()) << "no frames installed";
  EXPECT_EQ(control<QLineEdit>("outputFolder")->text(),
            QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + "/Resized pictures");
  EXPECT_FALSE(control<QPushButton>("goButton")->isEnabled()) << "nothing listed";
  EXPECT_TRUE(prompts->shown().isEmpty());
  // At the bottom-left corner of the 1920 x 1080 screen.
  window->showAtSavedPlace();
  EXPECT_EQ(window->pos(), QPoint(0, 1080 - 406));

  window->exitProgram();
  window->exitProgram();
  EXPECT_EQ(launcher->launches().size(), 1) << "one shut-down only";
  const QStringList lines = savedLines();
  ASSERT_EQ(lines.size(), 3 + 33 + 1);
  EXPECT_EQ(lines[1], "800|600|1|100k|||0|4|3|0|0|0") << "the width as derived";
}

TEST_F(MainWindowSettingsTest, ClosingSavesEverythingAndAStartAgainRestoresIt) {
  const QString guide = program.write("veltrane.html", "<p>the guide</p>");
  start();
  window->showAtSavedPlace();
  window->move(40, 50);
  auto *preset = control<QComboBox>("presets");
  preset->setCurrentIndex(3); // THUMBNAILS
  control<QLineEdit>("outputFolder")->setText("/srv/out");
  control<QCheckBox>("captionFileSizes")->setChecked(true);
  control<QCheckBox>("manualSize")->setChecked(false);
  preset->setEditText("Tiny");
  control<QComboBox>("maxHeight")->setEditText("90");
  control<QPushButton>("addPreset")->click();
  preset->setCurrentIndex(33);
  window->openSettings();
  setting<QCheckBox>("fullScreen")->setChecked(false);
  setting<QCheckBox>("captionBold")->setChecked(true);
  setting<QRadioButton>("plainWindow")->setChecked(true);
  dialogs->queueColour(QColor(10, 20, 30));
  QTest::mouseClick(setting<QLabel>("sheetBackground"), Qt::LeftButton);
  window->settingsWindow().close();
  const JobSettings before = window->jobControls().job();
  const QStringList presetsBefore = window->presetControls().store().lines();
  // Changed after the preset was picked: the preset wins at the next start.
  control<QLineEdit>("suffixTemplate")->setText("_later");

  QSignalSpy ended(window.get(), &MainWindow::ended);
  window->close();
  EXPECT_EQ(ended.count(), 1);
  EXPECT_TRUE(window->isHidden());
  // The shipped guide page stands in for the support page.
  EXPECT_EQ(launcher->launches(),
            (QList{RecordingLauncher::Launch{RecordingLauncher::Kind::WebAddress,
                                             QUrl::fromLocalFile(guide).toString() + "#support"}}));
  EXPECT_FALSE(program.read("Veltrane.INI").isEmpty());

  start();
  EXPECT_EQ(window->jobControls().job(), before);
  EXPECT_EQ(window->presetControls().store().lines(), presetsBefore);
  EXPECT_EQ(control<QComboBox>("presets")->currentText(), "Tiny");
  EXPECT_FALSE(control<QCheckBox>("manualSize")->isChecked());
  EXPECT_EQ(window->programSettings().folderWindowMode, 1);
  EXPECT_TRUE(window->programSettings().plainMode);
  window->showAtSavedPlace();
  EXPECT_EQ(window->pos(), QPoint(40, 50));
  window->openSettings();
  EXPECT_TRUE(setting<QCheckBox>("captionBold")->isChecked());
  EXPECT_FALSE(setting<QCheckBox>("fullScreen")->isChecked());
  EXPECT_EQ(window->settingsWindow().backgroundColour(), QColor(10, 20, 30));
}

// The program folder can never be written: its settings go to the config folder.
class UnwritableProgramFolderTest : public WindowTest {
protected:
  void SetUp() override {
    sealed = std::make_unique<test::ReadOnlyFolder>(program.path());
    sealed->seal();
    if (!sealed->skipReason().isEmpty())
      GTEST_SKIP() << sealed->skipReason().toStdString();
  }
  void TearDown() override {
    window.reset();
    sealed.reset();
  }

  // The notices the window showed at its start.
  QStringList noticesAtStart() {
    prompts->clear();
    window->showAtSavedPlace();
    QApplication::processEvents();
    QStringList titles;
    for (const Prompt &prompt : prompts->shown())
      titles.append(prompt.title);
    return titles;
  }

  std::unique_ptr<test::ReadOnlyFolder> sealed;
};

TEST_F(MainWindowSettingsTest, TheGuidePageOpensOnlyWhenTheUserEndsTheProgramAndIsThere) {
  // No page shipped: nothing is opened, nothing said.
  start();
  window->exitProgram();
  EXPECT_TRUE(launcher->launches().isEmpty());
  EXPECT_TRUE(prompts->shown().isEmpty());
  // The system ending the program: no browser is started behind the logout.
  program.write("veltrane.html", "<p>the guide</p>");
  start();
  window->systemShutDown();
  EXPECT_TRUE(launcher->launches().isEmpty());
  // The link opens the page's first section.
  start();
  window->openHomePage();
  ASSERT_EQ(launcher->launches().size(), 1);
  EXPECT_TRUE(launcher->launches().first().target.endsWith("/veltrane.html#home"));
}

TEST_F(UnwritableProgramFolderTest, AShutDownTheSystemAskedForTellsAtTheNextStartOnce) {
  start();
  control<QLineEdit>("outputFolder")->setText("/srv/kept");
  window->systemShutDown();
  EXPECT_TRUE(prompts->shown().isEmpty()) << "no box waits during a shut-down the system asked for";

  start();
  EXPECT_EQ(control<QLineEdit>("outputFolder")->text(), "/srv/kept") << "read from the copy";
  EXPECT_EQ(noticesAtStart(), QStringList{"Settings saved elsewhere"});
  EXPECT_TRUE(prompts->shown().value(0).text.contains(program.path()));
  restart();
  EXPECT_TRUE(noticesAtStart().isEmpty());
}

TEST_F(UnwritableProgramFolderTest, AUserWhoClosesTheWindowIsToldThenAndNotAgain) {
  start();
  window->exitProgram();
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown()[0].title, "Settings saved elsewhere");
  start();
  EXPECT_TRUE(noticesAtStart().isEmpty());
}

} // namespace
