#include "WindowTestKit.h"

namespace {

class JobControlsTest : public WindowTest {
protected:
  void SetUp() override { start(); }
  QComboBox *maxWidth() const { return control<QComboBox>("maxWidth"); }
  QComboBox *maxHeight() const { return control<QComboBox>("maxHeight"); }
  QComboBox *preset() const { return control<QComboBox>("presets"); }
  QLineEdit *suffix() const { return control<QLineEdit>("suffixTemplate"); }
  const Prompt &lastPrompt() const { return prompts->shown().last(); }
  void addPreset(const QString &name) {
    preset()->setEditText(name);
    control<QPushButton>("addPreset")->click();
  }
  void removePreset(PromptAnswer answer) {
    prompts->queueAnswer(answer);
    control<QPushButton>("removePreset")->click();
  }
  void checkSizes(bool width, bool height) {
    box("widthOn")->setChecked(width);
    box("heightOn")->setChecked(height);
  }
};

// What a screen reader says for a widget.
QString spokenName(QWidget *widget) {
  QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible ? accessible->text(QAccessible::Name) : QString();
}

// As a user types: the keys go to the focused combo box, and Tab leaves it.
TEST_F(JobControlsTest, SizeBoxesTakeOnlyDigitsAndDeriveEachOther) {
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  checkSizes(false, true);
  maxHeight()->setEditText("600");
  maxHeight()->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(maxHeight()->hasFocus());
  QTest::keyClick(maxHeight(), Qt::Key_End);
  QTest::keyClicks(maxHeight(), "a.%5");
  EXPECT_EQ(maxHeight()->currentText(), "6005");
  for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete})
    QTest::keyClick(maxHeight(), key);
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

  checkSizes(true, false);
  EXPECT_FALSE(maxHeight()->isEnabled());
  maxWidth()->setEditText("1000");
  EXPECT_EQ(maxHeight()->currentText(), "750");
  maxWidth()->setCurrentIndex(maxWidth()->findText("screen"));
  EXPECT_EQ(maxHeight()->currentText(), "1440") << "1920 x 3 / 4";
  EXPECT_FALSE(box("manualSize")->isEnabled()) << "a 1920 x 1440 window does not fit";
  window->jobControls().setSelectedPictureSize({200, 100});
  box("heightOn")->setChecked(true);
  box("widthOn")->setChecked(false);
  EXPECT_EQ(maxWidth()->currentText(), "2880") << "from the height 1440 and a 2 : 1 picture";
  EXPECT_EQ(window->jobControls().job().maxWidth, "2880") << "the job a running batch reads";
}

TEST_F(JobControlsTest, SameFolderAndTheQualityOptionsEnableTheirControls) {
  auto *sheetMode = control<QComboBox>("sheetMode");
  auto *sameFolder = box("sameFolder");
  const auto sheetControlsEnabled = [&] {
    return where({"sheetColumns", "sheetRows", "captionNames", "captionSizes", "captionFileSizes",
                  "sheetTimesLabel", "sheetWithLabel", "sheetLabel"},
                 &QWidget::isEnabled)
        .size();
  };
  sheetMode->setCurrentIndex(1);
  EXPECT_EQ(sheetControlsEnabled(), 8);
  sameFolder->setChecked(true);
  EXPECT_EQ(where({"saveToLabel", "outputFolder", "browse", "sheetMode"}, &QWidget::isEnabled),
            QStringList());
  EXPECT_EQ(sheetControlsEnabled(), 0);
  sameFolder->setChecked(false);
  EXPECT_EQ(sheetControlsEnabled(), 8) << "back with \"also\"";
  sheetMode->setCurrentIndex(0);
  sameFolder->setChecked(true);
  sameFolder->setChecked(false);
  EXPECT_EQ(sheetControlsEnabled(), 0) << "not with \"don't\"";

  control<QRadioButton>("fixedQualityOption")->setChecked(true);
  EXPECT_TRUE(control("fixedQuality")->isEnabled());
  EXPECT_FALSE(control("sizeLimitUnit")->isEnabled());
  EXPECT_FALSE(window->jobControls().job().sizeLimitOn);
}

TEST_F(JobControlsTest, TheSuffixBoxRefusesWhatFileNamesCannotHold) {
  suffix()->setText("_a");
  QTest::keyClick(suffix(), '?');
  EXPECT_EQ(suffix()->text(), "_a");
  EXPECT_EQ(prompts->shown(), (QList{Prompt{"Invalid character ?",
                                            "Filenames cannot contain the following characters:\r\n\r\n"
                                            "\\   /   :   *   ?   \"   <   >   |",
                                            PromptIcon::Critical}}));
  QTest::keyClicks(suffix(), " b");
  EXPECT_EQ(suffix()->text(), "_a b");
  EXPECT_EQ(prompts->shown().size(), 1);
  QTest::mouseDClick(suffix(), Qt::LeftButton);
  EXPECT_EQ(suffix()->text(), "_[W]x[H]@[Q]+[F]");
}

TEST_F(JobControlsTest, BrowseAddsAFolderOfItsOwn) {
  auto *outputPath = control<QLineEdit>("outputFolder");
  outputPath->setText("/srv/photos/Resized pictures");
  const std::pair<const char *, const char *> choices[] = {
      {nullptr, "/srv/photos/Resized pictures"}, // cancelled: unchanged
      {"/home/anna/Mail", "/home/anna/Mail/Resized pictures"},
      {"/", "/Resized pictures"}};
  for (const auto &[chosen, result] : choices) {
    if (chosen)
      dialogs->queueFolder(chosen);
    control<QPushButton>("browse")->click();
    EXPECT_EQ(outputPath->text(), result);
  }
  EXPECT_EQ(dialogs->requests().value(0).start, "/srv/photos");
}

TEST_F(JobControlsTest, APresetNamingAFrameWhenNoneIsInstalledOffersTheFramesFolder) {
  prompts->queueAnswer(PromptAnswer::Yes);
  preset()->setCurrentIndex(1); // SELECT THE BEST FRAME tries them all
  EXPECT_EQ(control<QComboBox>("frame")->currentIndex(), 0);
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(lastPrompt().title, "NO FRAMES!");
  EXPECT_EQ(lastPrompt().text,
            "Sorry, no frames installed.\r\n\r\nWould you like to open the folder where frames go?");
  // The user's own frames folder, made for the purpose.
  const RecordingLauncher::Launch opened{RecordingLauncher::Kind::Folder, program.file("frames")};
  EXPECT_EQ(launcher->launches(), QList{opened});
  EXPECT_TRUE(QFileInfo(program.file("frames")).isDir());
}

// Every message's wording is the preset store's test; this checks the window shows them and follows the
// selection.
TEST_F(JobControlsTest, PresetPlusAndMinusShowTheStoresMessagesAndMoveTheSelection) {
  // With a frame installed, presets that name frames apply without asking.
  writePicture(program.file("frames/Golden wood_10-10-90-90.jpg"), {100, 100});
  start();
  addPreset(QString());
  EXPECT_EQ(lastPrompt().title, "Add preset");
  addPreset("res");
  EXPECT_EQ(lastPrompt().text.left(24), "A preset called \"res\" al") << "ends \" Low-res\"";
  EXPECT_EQ(preset()->currentText(), "res") << "the typed name stays";

  preset()->setCurrentIndex(16);                             // " VGA (640x480 » 0.3MP)"
  control<QLineEdit>("outputFolder")->setText("/elsewhere"); // not part of a preset
  addPreset("My VGA");
  EXPECT_EQ(lastPrompt().title, "This preset already exists.");
  EXPECT_EQ(preset()->currentIndex(), 16);
  EXPECT_EQ(preset()->currentText(), " VGA (640x480 \u00BB 0.3MP)");

  preset()->setCurrentIndex(3); // THUMBNAILS: its empty width is derived, so the job is new
  const qsizetype shown = prompts->shown().size();
  addPreset("My thumbs");
  EXPECT_EQ(prompts->shown().size(), shown);
  ASSERT_EQ(preset()->count(), 34);
  EXPECT_EQ(preset()->currentIndex(), 3) << "the selection does not move";
  EXPECT_EQ(window->presetControls().store().line(33), "My thumbs=200|150|0|50%|_TH||1|5|4|1|0|0");

  preset()->setCurrentIndex(5);
  removePreset(PromptAnswer::No);
  EXPECT_EQ(lastPrompt().title, "Remove this preset?");
  EXPECT_EQ(preset()->count(), 34);
  removePreset(PromptAnswer::Yes);
  ASSERT_EQ(preset()->count(), 33);
  EXPECT_EQ(preset()->currentText(), "MAIL ATTACHMENT") << "the entry before";
  preset()->setCurrentIndex(5);
  EXPECT_EQ(suffix()->text(), "@85%") << "names still apply their lines";

  preset()->setCurrentIndex(0);
  suffix()->setText("changed");
  removePreset(PromptAnswer::Yes);
  EXPECT_EQ(preset()->currentIndex(), 0);
  EXPECT_EQ(window->jobControls().job().suffixTemplate, QString()) << "the new first entry is applied";

  // Typing an existing name does not apply it.
  suffix()->setText("_mine");
  preset()->setFocus();
  preset()->lineEdit()->clear();
  QTest::keyClicks(preset()->lineEdit(), "THUMBNAILS");
  QTest::keyClick(preset()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(preset()->currentIndex(), 0);
  EXPECT_EQ(suffix()->text(), "_mine");
}

// The format, the way of meeting the box and "never enlarge" follow a
// preset line's places 13 to 15 and go back into the job and new presets; a
// line without them means JPEG, stretch, enlarging allowed.
TEST_F(JobControlsTest, TheFormatAndBoxControlsFollowPresetsAndTheLimits) {
  auto *format = control<QComboBox>("outputFormat");
  auto *boxMode = control<QComboBox>("boxMode");
  auto *neverEnlarge = box("neverEnlarge");
  ASSERT_EQ(format->count(), 6);
  EXPECT_EQ(format->itemText(0), "JPEG");
  EXPECT_EQ(format->itemText(5), "same as source");
  EXPECT_EQ(boxMode->count(), 3);

  const struct {
    const char *fields; // places 13 to 15
    int format, boxMode;
    bool neverEnlarge;
  } cases[] = {
      {"|webp|fit|1", 2, 1, true}, {"|same|fill|", 5, 2, false}, {"", 0, 0, false}, // an older line
      {"|jxl||1", 4, 0, true},     {"|avif|fit", 3, 1, false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.fields);
    window->jobControls().applyPreset(QString("X=1600|1200|1|80%|_web||0|4|3|0|0|0") + c.fields);
    EXPECT_EQ(format->currentIndex(), c.format);
    EXPECT_EQ(boxMode->currentIndex(), c.boxMode);
    EXPECT_EQ(neverEnlarge->isChecked(), c.neverEnlarge);
  }

  format->setCurrentIndex(1);
  boxMode->setCurrentIndex(2);
  neverEnlarge->setChecked(true);
  const JobSettings job = window->jobControls().job();
  EXPECT_EQ(std::tuple(job.outputFormat, job.boxMode, job.neverEnlarge), std::tuple(1, 2, 1));
  addPreset("My logos");
  EXPECT_EQ(window->presetControls().store().line(33),
            "My logos=1600|1200|1|80%|_web||0|4|3|0|0|0|png|fill|1");

  // The way of meeting the box needs both limits, never enlarging one.
  const std::initializer_list<const char *> names{"outputFormat", "boxMode", "neverEnlarge"};
  checkSizes(true, false);
  EXPECT_EQ(where(names, &QWidget::isEnabled), (QStringList{"outputFormat", "neverEnlarge"}));
  checkSizes(false, false);
  EXPECT_EQ(where(names, &QWidget::isEnabled), QStringList{"outputFormat"});
  checkSizes(true, true);
  window->jobControls().setBatchRunning(true);
  EXPECT_EQ(where(names, &QWidget::isEnabled), QStringList());
  window->jobControls().setBatchRunning(false);
  EXPECT_EQ(where(names, &QWidget::isEnabled).size(), 3);
}

TEST_F(JobControlsTest, EveryControlHasANameInWords) {
  int named = 0;
  for (QWidget *widget : window->findChildren<QWidget *>()) {
    // The parts of a composite control speak through the control.
    if (widget->focusPolicy() == Qt::NoFocus || widget->window() != window.get() ||
        qobject_cast<QComboBox *>(widget->parentWidget()) ||
        qobject_cast<QAbstractScrollArea *>(widget->parentWidget()))
      continue;
    // On Linux a combo box says its value as its name; its own name travels as a property.
    const QString name = qobject_cast<QComboBox *>(widget) ? widget->accessibleName() : spokenName(widget);
    EXPECT_TRUE(name.contains(QRegularExpression("[A-Za-z]{3}")))
        << widget->metaObject()->className() << " " << widget->objectName().toStdString() << ": \""
        << name.toStdString() << "\"";
    if (!widget->toolTip().isEmpty()) {
      EXPECT_EQ(widget->accessibleDescription(), widget->toolTip()) << widget->objectName().toStdString();
    }
    ++named;
  }
  EXPECT_GT(named, 25);
  EXPECT_EQ(spokenName(window->form().helpButton), "Help");
  EXPECT_EQ(spokenName(window->form().settingsButton), "Settings");
}

} // namespace
