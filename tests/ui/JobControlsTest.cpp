#include "ui/JobControls.h"
#include "WindowTestKit.h"
#include "ui/JobSync.h"
#include "ui/SizeChangeHandler.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace veltrane;
using veltrane::test::WindowTest;

namespace {

TEST(SizeChangeHandlerTest, TheSizeThatIsOffFollowsThePicturesProportions) {
  const struct {
    const char *maxWidth, *maxHeight;
    qint16 xOn, yOn;
    QSize screen, picture, borders;
    const char *derivedX, *derivedY;
    bool manualEnabled;
  } cases[] = {
      {"800", "123", 1, 0, {1920, 1080}, {320, 240}, {6, 25}, "800", "600", true},
      {"1", "600", 0, 1, {1920, 1080}, {320, 240}, {0, 0}, "800", "600", true},
      // Rounded down: 1000 x 3 / 7 = 428.57.
      {"1000", "", 1, 0, {1920, 1080}, {700, 300}, {0, 0}, "1000", "428", true},
      // "screen" is the screen's side; 1600 wide does not fit strictly inside 1600.
      {"screen", "", 1, 0, {1600, 1200}, {320, 240}, {0, 0}, "screen", "1200", false},
      // Both off: both show the picture's own size; both on: nothing derived.
      {"5", "6", 0, 0, {1920, 1080}, {320, 240}, {0, 0}, "320", "240", true},
      {"1900", "700", 1, 1, {1920, 1080}, {320, 240}, {30, 0}, "1900", "700", false},
  };
  for (const auto &c : cases) {
    const SizeChangeResult result =
        deriveSizes({c.maxWidth, c.maxHeight, c.xOn, c.yOn, c.screen, c.picture, c.borders});
    EXPECT_EQ(result.maxWidth, c.derivedX) << c.maxWidth << " " << c.maxHeight;
    EXPECT_EQ(result.maxHeight, c.derivedY) << c.maxWidth << " " << c.maxHeight;
    EXPECT_EQ(result.manualEnabled, c.manualEnabled) << c.maxWidth << " " << c.maxHeight;
  }
}

TEST(SizeChangeHandlerTest, SizeBoxesTakeDigitsAndAreRepairedBelowOne) {
  for (const QChar c : QStringLiteral("0123456789\b\t"))
    EXPECT_TRUE(isSizeKeyAllowed(c)) << int(c.unicode());
  for (const QChar c : QStringLiteral("a.%- x"))
    EXPECT_FALSE(isSizeKeyAllowed(c)) << int(c.unicode());
  const std::pair<const char *, const char *> repairs[] = {
      {"", "1"}, {"0", "1"}, {"0.5", "1"}, {"screen", "screen"}, {"Screen", "1"}, {"640", "640"}};
  for (const auto &[text, repaired] : repairs)
    EXPECT_EQ(repairedSize(text), repaired) << text;
}

TEST(JobSyncTest, OnlyTheFieldsTheUserChangedReachTheRunningJob) {
  JobSettings before;
  JobSettings after = before;
  after.swapForUpright = 0;
  after.outputFolder = QStringLiteral("/out");
  JobSettings running = before;
  running.fixedQuality = QStringLiteral("72"); // found by the batch meanwhile
  running.frame = 3;
  mergeChangedFields(running, before, after);
  EXPECT_EQ(running.swapForUpright, 0);
  EXPECT_EQ(running.outputFolder, QStringLiteral("/out"));
  EXPECT_EQ(running.fixedQuality, QStringLiteral("72"));
  EXPECT_EQ(running.frame, 3);
}

class JobControlsTest : public WindowTest {
protected:
  void SetUp() override { start(); }
  QComboBox *maxWidth() const { return control<QComboBox>("maxWidth"); }
  QComboBox *maxHeight() const { return control<QComboBox>("maxHeight"); }
};

TEST_F(JobControlsTest, SizeBoxesTakeOnlyDigitsAndDeriveEachOther) {
  control<QCheckBox>("widthOn")->setChecked(true);
  QLineEdit *edit = maxWidth()->lineEdit();
  edit->clear();
  QTest::keyClicks(edit, QStringLiteral("1a2.%3"));
  EXPECT_EQ(maxWidth()->currentText(), QStringLiteral("123"));
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(maxWidth()->currentText(), QStringLiteral("23")) << "keys that type nothing keep their effect";
  maxWidth()->setEditText(QStringLiteral("0"));
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(edit, &out);
  EXPECT_EQ(maxWidth()->currentText(), QStringLiteral("1")) << "repaired when left";

  control<QCheckBox>("heightOn")->setChecked(false);
  EXPECT_FALSE(maxHeight()->isEnabled());
  maxWidth()->setEditText(QStringLiteral("1000"));
  EXPECT_EQ(maxHeight()->currentText(), QStringLiteral("750"));
  maxWidth()->setCurrentIndex(maxWidth()->findText(QStringLiteral("screen")));
  EXPECT_EQ(maxHeight()->currentText(), QStringLiteral("1440")) << "1920 x 3 / 4";
  EXPECT_FALSE(control<QCheckBox>("manualSize")->isEnabled()) << "a 1920 x 1440 window does not fit";
  window->jobControls().setSelectedPictureSize({200, 100});
  control<QCheckBox>("heightOn")->setChecked(true);
  control<QCheckBox>("widthOn")->setChecked(false);
  EXPECT_EQ(maxWidth()->currentText(), QStringLiteral("2880")) << "from the height 1440 and a 2 : 1 picture";
  EXPECT_EQ(window->jobControls().job().maxWidth, QStringLiteral("2880")) << "the job a running batch reads";
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
  extension->setText(QStringLiteral("_a"));
  QTest::keyClick(extension, '?');
  EXPECT_EQ(extension->text(), QStringLiteral("_a"));
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown().first().title, QStringLiteral("Invalid character ?"));
  QTest::keyClicks(extension, QStringLiteral(" b"));
  EXPECT_EQ(extension->text(), QStringLiteral("_a b"));
  EXPECT_EQ(prompts->shown().size(), 1);
  QTest::mouseDClick(extension, Qt::LeftButton);
  EXPECT_EQ(extension->text(), QStringLiteral("_[W]x[H]@[Q]+[F]"));
}

TEST_F(JobControlsTest, BrowseAddsAFolderOfItsOwn) {
  auto *outputPath = control<QLineEdit>("outputFolder");
  outputPath->setText(QStringLiteral("/srv/photos/Resized pictures"));
  control<QPushButton>("browse")->click();
  EXPECT_EQ(dialogs->requests().value(0).start, QStringLiteral("/srv/photos"));
  EXPECT_EQ(outputPath->text(), QStringLiteral("/srv/photos/Resized pictures")) << "cancelled: unchanged";
  dialogs->queueFolder(QStringLiteral("/home/anna/Mail"));
  control<QPushButton>("browse")->click();
  EXPECT_EQ(outputPath->text(), QStringLiteral("/home/anna/Mail/Resized pictures"));
  dialogs->queueFolder(QStringLiteral("/"));
  control<QPushButton>("browse")->click();
  EXPECT_EQ(outputPath->text(), QStringLiteral("/Resized pictures"));
}

TEST_F(JobControlsTest, APresetNamingAFrameWhenNoneIsInstalledOffersTheHomePage) {
  prompts->queueAnswer(PromptAnswer::Yes);
  control<QComboBox>("presets")->setCurrentIndex(1); // SELECT THE BEST FRAME tries them all
  EXPECT_EQ(control<QComboBox>("frame")->currentIndex(), 0);
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown().first().title, QStringLiteral("NO FRAMES!"));
  ASSERT_EQ(launcher->launches().size(), 1);
  EXPECT_EQ(launcher->launches().first().kind, RecordingLauncher::Kind::WebAddress);
}

} // namespace
