#include "ui/JobControls.h"
#include "WindowTestKit.h"
#include "batch/SharedJob.h"
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
  SizeChangeInput input{
      QStringLiteral("800"), QStringLiteral("123"), 1, 0, {1920, 1080}, {320, 240}, {6, 25}};
  SizeChangeResult result = deriveSizes(input);
  EXPECT_EQ(result.maxY, QStringLiteral("600"));
  EXPECT_EQ(result.maxX, QStringLiteral("800"));
  EXPECT_TRUE(result.manualEnabled);

  input = {QStringLiteral("1"), QStringLiteral("600"), 0, 1, {1920, 1080}, {320, 240}, QSize(0, 0)};
  EXPECT_EQ(deriveSizes(input).maxX, QStringLiteral("800"));

  // Int rounds down: 1000 x 3 / 7 = 428.57.
  input = {QStringLiteral("1000"), QString(), 1, 0, {1920, 1080}, {700, 300}, QSize(0, 0)};
  EXPECT_EQ(deriveSizes(input).maxY, QStringLiteral("428"));

  // "screen" stands for the screen's width.
  input = {QStringLiteral("screen"), QString(), 1, 0, {1600, 1200}, {320, 240}, QSize(0, 0)};
  result = deriveSizes(input);
  EXPECT_EQ(result.maxX, QStringLiteral("screen"));
  EXPECT_EQ(result.maxY, QStringLiteral("1200"));
  EXPECT_FALSE(result.manualEnabled) << "1600 wide does not fit strictly inside 1600";

  // Both off: both show the picture's own size; both on: nothing derived.
  input = {QStringLiteral("5"), QStringLiteral("6"), 0, 0, {1920, 1080}, {320, 240}, QSize(0, 0)};
  result = deriveSizes(input);
  EXPECT_EQ(result.maxX, QStringLiteral("320"));
  EXPECT_EQ(result.maxY, QStringLiteral("240"));
  input = {QStringLiteral("1900"), QStringLiteral("700"), 1, 1, {1920, 1080}, {320, 240}, {30, 0}};
  result = deriveSizes(input);
  EXPECT_EQ(result.maxX, QStringLiteral("1900"));
  EXPECT_EQ(result.maxY, QStringLiteral("700"));
  EXPECT_FALSE(result.manualEnabled) << "1900 + a 30-pixel frame is wider than the screen";
}

TEST(SizeChangeHandlerTest, SizeBoxesTakeDigitsAndAreRepairedBelowOne) {
  for (const QChar c : QStringLiteral("0123456789\b\t"))
    EXPECT_TRUE(isSizeKeyAllowed(c)) << int(c.unicode());
  for (const QChar c : QStringLiteral("a.%- x"))
    EXPECT_FALSE(isSizeKeyAllowed(c)) << int(c.unicode());
  EXPECT_EQ(repairedSize(QString()), QStringLiteral("1"));
  EXPECT_EQ(repairedSize(QStringLiteral("0")), QStringLiteral("1"));
  EXPECT_EQ(repairedSize(QStringLiteral("0.5")), QStringLiteral("1"));
  EXPECT_EQ(repairedSize(QStringLiteral("screen")), QStringLiteral("screen"));
  EXPECT_EQ(repairedSize(QStringLiteral("Screen")), QStringLiteral("1"));
  EXPECT_EQ(repairedSize(QStringLiteral("640")), QStringLiteral("640"));
}

TEST(JobSyncTest, OnlyTheFieldsTheUserChangedReachTheRunningJob) {
  JobSettings before;
  JobSettings after = before;
  after.YX = 0;
  after.OutputPath = QStringLiteral("/out");
  JobSettings running = before;
  running.fixed = QStringLiteral("72"); // found by the batch meanwhile
  running.addFrame = 3;
  mergeChangedFields(running, before, after);
  EXPECT_EQ(running.YX, 0);
  EXPECT_EQ(running.OutputPath, QStringLiteral("/out"));
  EXPECT_EQ(running.fixed, QStringLiteral("72"));
  EXPECT_EQ(running.addFrame, 3);
}

class JobControlsTest : public WindowTest {
protected:
  void SetUp() override { start(); }
  QComboBox *maxX() const { return control<QComboBox>("maxX"); }
  QComboBox *maxY() const { return control<QComboBox>("maxY"); }
  void leave(QWidget *widget) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
  }
};

TEST_F(JobControlsTest, TheSizeChangeHandlerFollowsEveryChange) {
  control<QCheckBox>("maxXon")->setChecked(true);
  control<QCheckBox>("maxYon")->setChecked(false);
  EXPECT_TRUE(maxX()->isEnabled());
  EXPECT_FALSE(maxY()->isEnabled());
  maxX()->setEditText(QStringLiteral("1000"));
  EXPECT_EQ(maxY()->currentText(), QStringLiteral("750"));
  maxX()->setCurrentIndex(maxX()->findText(QStringLiteral("screen")));
  EXPECT_EQ(maxY()->currentText(), QStringLiteral("1440")) << "1920 x 3 / 4";
  EXPECT_FALSE(control<QCheckBox>("manual")->isEnabled()) << "a 1920 x 1440 window does not fit";

  window->jobControls().setSourceBoxSize({200, 100});
  control<QCheckBox>("maxYon")->setChecked(true);
  EXPECT_TRUE(control<QCheckBox>("YX")->isEnabled());
  control<QCheckBox>("maxXon")->setChecked(false);
  EXPECT_EQ(maxX()->currentText(), QStringLiteral("2880")) << "from the height 1440 and a 2 : 1 picture";
  control<QCheckBox>("maxYon")->setChecked(false);
  EXPECT_EQ(maxX()->currentText(), QStringLiteral("200"));
  EXPECT_EQ(maxY()->currentText(), QStringLiteral("100"));
  EXPECT_FALSE(control<QCheckBox>("YX")->isEnabled());

  // Changes reach the job a running batch reads.
  EXPECT_EQ(window->jobControls().job().maxX, QStringLiteral("200"));
}

TEST_F(JobControlsTest, SizeBoxesTakeOnlyDigitsAndAreRepairedWhenLeft) {
  control<QCheckBox>("maxXon")->setChecked(true);
  QLineEdit *edit = maxX()->lineEdit();
  edit->clear();
  QTest::keyClicks(edit, QStringLiteral("1a2.%3"));
  EXPECT_EQ(maxX()->currentText(), QStringLiteral("123"));
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(maxX()->currentText(), QStringLiteral("12"));
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(maxX()->currentText(), QStringLiteral("2"));

  maxX()->setEditText(QStringLiteral("0"));
  leave(edit);
  EXPECT_EQ(maxX()->currentText(), QStringLiteral("1"));
  maxX()->setEditText(QString());
  leave(edit);
  EXPECT_EQ(maxX()->currentText(), QStringLiteral("1"));
  maxX()->setEditText(QStringLiteral("screen"));
  leave(edit);
  EXPECT_EQ(maxX()->currentText(), QStringLiteral("screen"));
}

TEST_F(JobControlsTest, SameFolderDisablesTheFolderAndTheIndexSheets) {
  auto *indice = control<QComboBox>("indice");
  const QList<QWidget *> sheetControls{control<QWidget>("indexX"),     control<QWidget>("indexY"),
                                       control<QWidget>("indexNames"), control<QWidget>("indexWH"),
                                       control<QWidget>("indexK"),     control<QWidget>("indexl1"),
                                       control<QWidget>("indexl2"),    control<QWidget>("indexl3")};
  indice->setCurrentIndex(1);
  for (QWidget *widget : sheetControls)
    EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();

  control<QCheckBox>("SameFolder")->setChecked(true);
  for (const char *name : {"lSaveTo", "OutputPath", "Browse", "indice"})
    EXPECT_FALSE(control<QWidget>(name)->isEnabled()) << name;
  for (QWidget *widget : sheetControls)
    EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();

  control<QCheckBox>("SameFolder")->setChecked(false);
  for (QWidget *widget : sheetControls)
    EXPECT_TRUE(widget->isEnabled()) << "back with \"also\": " << widget->objectName().toStdString();
  indice->setCurrentIndex(0);
  control<QCheckBox>("SameFolder")->setChecked(true);
  control<QCheckBox>("SameFolder")->setChecked(false);
  for (QWidget *widget : sheetControls)
    EXPECT_FALSE(widget->isEnabled()) << "not with \"don't\": " << widget->objectName().toStdString();
}

TEST_F(JobControlsTest, TheQualityOptionsEnableTheirBoxes) {
  control<QRadioButton>("quality2")->setChecked(true);
  EXPECT_TRUE(control<QLineEdit>("fixed")->isEnabled());
  EXPECT_TRUE(control<QLabel>("lFixed")->isEnabled());
  EXPECT_FALSE(control<QLineEdit>("maxK")->isEnabled());
  EXPECT_FALSE(control<QLabel>("lMaxK")->isEnabled());
  EXPECT_FALSE(window->jobControls().job().quality1);
  control<QRadioButton>("quality1")->setChecked(true);
  EXPECT_FALSE(control<QLineEdit>("fixed")->isEnabled());
  EXPECT_TRUE(control<QLineEdit>("maxK")->isEnabled());
}

TEST_F(JobControlsTest, TheSuffixBoxRefusesWhatFileNamesCannotHold) {
  auto *extension = control<QLineEdit>("extension");
  extension->setText(QStringLiteral("_a"));
  QTest::keyClick(extension, '?');
  EXPECT_EQ(extension->text(), QStringLiteral("_a"));
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown().first(),
            (Prompt{QStringLiteral("Invalid character ?"),
                    QStringLiteral("Filenames cannot contain the following characters:\r\n\r\n"
                                   "\\   /   :   *   ?   \"   <   >   |"),
                    PromptIcon::Critical, PromptButtons::Ok, PromptAnswer::Ok}));
  QTest::keyClicks(extension, QStringLiteral(" b"));
  EXPECT_EQ(extension->text(), QStringLiteral("_a b"));
  EXPECT_EQ(prompts->shown().size(), 1);

  QTest::mouseDClick(extension, Qt::LeftButton);
  EXPECT_EQ(extension->text(), QStringLiteral("_[W]x[H]@[Q]+[F]"));
}

TEST_F(JobControlsTest, BrowseAddsAFolderOfItsOwn) {
  auto *outputPath = control<QLineEdit>("OutputPath");
  outputPath->setText(QStringLiteral("/srv/photos/Resized pictures"));
  control<QPushButton>("Browse")->click();
  ASSERT_EQ(dialogs->requests().size(), 1);
  EXPECT_EQ(dialogs->requests().first().title,
            QStringLiteral("Choose a folder to save the resized pictures to.."));
  EXPECT_EQ(dialogs->requests().first().start, QStringLiteral("/srv/photos"));
  EXPECT_EQ(outputPath->text(), QStringLiteral("/srv/photos/Resized pictures")) << "cancelled: unchanged";

  dialogs->queueFolder(QStringLiteral("/home/anna/Mail"));
  control<QPushButton>("Browse")->click();
  EXPECT_EQ(outputPath->text(), QStringLiteral("/home/anna/Mail/Resized pictures"));
  dialogs->queueFolder(QStringLiteral("/"));
  control<QPushButton>("Browse")->click();
  EXPECT_EQ(outputPath->text(), QStringLiteral("/Resized pictures"));
}

TEST_F(JobControlsTest, APresetNamingAFrameWhenNoneIsInstalledOffersTheHomePage) {
  prompts->queueAnswer(PromptAnswer::Yes);
  control<QComboBox>("Preset")->setCurrentIndex(1); // SELECT THE BEST FRAME tries them all
  EXPECT_EQ(control<QComboBox>("addFrame")->currentIndex(), 0);
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown().first().title, QStringLiteral("NO FRAMES!"));
  ASSERT_EQ(launcher->launches().size(), 1);
  EXPECT_EQ(launcher->launches().first().kind, RecordingLauncher::Kind::WebAddress);
}

} // namespace
