#include "ui/JobControls.h"
#include "WindowTestKit.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace veltrane;
using veltrane::test::WindowTest;

namespace {

class JobControlsTest : public WindowTest {
protected:
  void SetUp() override { start(); }
  QComboBox *maxWidth() const { return control<QComboBox>("maxWidth"); }
  QComboBox *maxHeight() const { return control<QComboBox>("maxHeight"); }
};

// As a user types: the keys go to the focused combo box, and Tab leaves it.
TEST_F(JobControlsTest, SizeBoxesTakeOnlyDigitsAndDeriveEachOther) {
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  control<QCheckBox>("widthOn")->setChecked(false);
  control<QCheckBox>("heightOn")->setChecked(true);
  maxHeight()->setEditText("600");
  maxHeight()->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(maxHeight()->hasFocus());
  QTest::keyClick(maxHeight(), Qt::Key_End);
  QTest::keyClicks(maxHeight(), "a.%5");
  EXPECT_EQ(maxHeight()->currentText(), "6005");
  QTest::keyClick(maxHeight(), Qt::Key_Backspace);
  QTest::keyClick(maxHeight(), Qt::Key_Home);
  QTest::keyClick(maxHeight(), Qt::Key_Delete);
  EXPECT_EQ(maxHeight()->currentText(), "00") << "keys that type nothing keep their effect";

  maxHeight()->lineEdit()->selectAll();
  QTest::keyClick(maxHeight(), Qt::Key_Backspace);
  EXPECT_EQ(maxHeight()->currentText(), "");
  QTest::keyClick(maxHeight(), Qt::Key_Tab);
  EXPECT_FALSE(maxHeight()->hasFocus());
  EXPECT_EQ(maxHeight()->currentText(), "1") << "repaired when left";
  EXPECT_EQ(maxWidth()->currentText(), "1") << "derived from the repaired height, 320 x 240";
  maxHeight()->setFocus(Qt::TabFocusReason);
  maxHeight()->setCurrentIndex(maxHeight()->findText("screen"));
  QTest::keyClick(maxHeight(), Qt::Key_Tab);
  EXPECT_EQ(maxHeight()->currentText(), "screen") << "the word from the list is kept";

  control<QCheckBox>("widthOn")->setChecked(true);
  control<QCheckBox>("heightOn")->setChecked(false);
  EXPECT_FALSE(maxHeight()->isEnabled());
  maxWidth()->setEditText("1000");
  EXPECT_EQ(maxHeight()->currentText(), "750");
  maxWidth()->setCurrentIndex(maxWidth()->findText("screen"));
  EXPECT_EQ(maxHeight()->currentText(), "1440") << "1920 x 3 / 4";
  EXPECT_FALSE(control<QCheckBox>("manualSize")->isEnabled()) << "a 1920 x 1440 window does not fit";
  window->jobControls().setSelectedPictureSize({200, 100});
  control<QCheckBox>("heightOn")->setChecked(true);
  control<QCheckBox>("widthOn")->setChecked(false);
  EXPECT_EQ(maxWidth()->currentText(), "2880") << "from the height 1440 and a 2 : 1 picture";
  EXPECT_EQ(window->jobControls().job().maxWidth, "2880") << "the job a running batch reads";
}

TEST_F(JobControlsTest, SameFolderAndTheQualityOptionsEnableTheirControls) {
  auto *sheetMode = control<QComboBox>("sheetMode");
  auto *sameFolder = control<QCheckBox>("sameFolder");
  const auto sheetControlsEnabled = [&] {
    int enabled = 0;
    for (const char *name : {"sheetColumns", "sheetRows", "captionNames", "captionSizes", "captionFileSizes",
                             "sheetTimesLabel", "sheetWithLabel", "sheetLabel"})
      enabled += control<QWidget>(name)->isEnabled();
    return enabled;
  };
  sheetMode->setCurrentIndex(1);
  EXPECT_EQ(sheetControlsEnabled(), 8);
  sameFolder->setChecked(true);
  for (const char *name : {"saveToLabel", "outputFolder", "browse", "sheetMode"})
    EXPECT_FALSE(control<QWidget>(name)->isEnabled()) << name;
  EXPECT_EQ(sheetControlsEnabled(), 0);
  sameFolder->setChecked(false);
  EXPECT_EQ(sheetControlsEnabled(), 8) << "back with \"also\"";
  sheetMode->setCurrentIndex(0);
  sameFolder->setChecked(true);
  sameFolder->setChecked(false);
  EXPECT_EQ(sheetControlsEnabled(), 0) << "not with \"don't\"";

  control<QRadioButton>("fixedQualityOption")->setChecked(true);
  EXPECT_TRUE(control<QLineEdit>("fixedQuality")->isEnabled());
  EXPECT_FALSE(control<QLabel>("sizeLimitUnit")->isEnabled());
  EXPECT_FALSE(window->jobControls().job().sizeLimitOn);
}

TEST_F(JobControlsTest, TheSuffixBoxRefusesWhatFileNamesCannotHold) {
  auto *extension = control<QLineEdit>("suffixTemplate");
  extension->setText("_a");
  QTest::keyClick(extension, '?');
  EXPECT_EQ(extension->text(), "_a");
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown().first().title, "Invalid character ?");
  EXPECT_EQ(prompts->shown().first().text, "Filenames cannot contain the following characters:\r\n\r\n"
                                           "\\   /   :   *   ?   \"   <   >   |");
  EXPECT_EQ(prompts->shown().first().icon, PromptIcon::Critical);
  QTest::keyClicks(extension, " b");
  EXPECT_EQ(extension->text(), "_a b");
  EXPECT_EQ(prompts->shown().size(), 1);
  QTest::mouseDClick(extension, Qt::LeftButton);
  EXPECT_EQ(extension->text(), "_[W]x[H]@[Q]+[F]");
}

TEST_F(JobControlsTest, BrowseAddsAFolderOfItsOwn) {
  auto *outputPath = control<QLineEdit>("outputFolder");
  outputPath->setText("/srv/photos/Resized pictures");
  control<QPushButton>("browse")->click();
  EXPECT_EQ(dialogs->requests().value(0).start, "/srv/photos");
  EXPECT_EQ(outputPath->text(), "/srv/photos/Resized pictures") << "cancelled: unchanged";
  dialogs->queueFolder("/home/anna/Mail");
  control<QPushButton>("browse")->click();
  EXPECT_EQ(outputPath->text(), "/home/anna/Mail/Resized pictures");
  dialogs->queueFolder("/");
  control<QPushButton>("browse")->click();
  EXPECT_EQ(outputPath->text(), "/Resized pictures");
}

TEST_F(JobControlsTest, APresetNamingAFrameWhenNoneIsInstalledOffersTheFramesFolder) {
  prompts->queueAnswer(PromptAnswer::Yes);
  control<QComboBox>("presets")->setCurrentIndex(1); // SELECT THE BEST FRAME tries them all
  EXPECT_EQ(control<QComboBox>("frame")->currentIndex(), 0);
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown().first().title, "NO FRAMES!");
  EXPECT_EQ(prompts->shown().first().text,
            "Sorry, no frames installed.\r\n\r\nWould you like to open the folder where frames go?");
  // The user's own frames folder, made for the purpose.
  const RecordingLauncher::Launch opened{RecordingLauncher::Kind::Folder, program.file("frames")};
  EXPECT_EQ(launcher->launches(), QList{opened});
  EXPECT_TRUE(QFileInfo(program.file("frames")).isDir());
}

} // namespace
