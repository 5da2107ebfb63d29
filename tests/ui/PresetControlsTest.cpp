#include "ui/PresetControls.h"
#include "TestPictures.h"
#include "WindowTestKit.h"
#include "presets/BuiltInPresets.h"
#include "ui/JobControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace veltrane;
using veltrane::test::WindowTest;

namespace {

class PresetControlsTest : public WindowTest {
protected:
  void SetUp() override {
    // With a frame installed, presets that name frames apply without asking.
    test::writePicture(program.file("frames/Golden wood_10-10-90-90.jpg"), {100, 100});
    start();
  }
  QComboBox *preset() const { return control<QComboBox>("presets"); }
  void add(const QString &name) {
    preset()->setEditText(name);
    control<QPushButton>("addPreset")->click();
  }
  void remove(PromptAnswer answer) {
    prompts->queueAnswer(answer);
    control<QPushButton>("removePreset")->click();
  }
  const Prompt &lastPrompt() const { return prompts->shown().last(); }
};

// Every message's wording is the preset store's test; this checks the window shows them and follows the
// selection.
TEST_F(PresetControlsTest, PlusAndMinusShowTheStoresMessagesAndMoveTheSelection) {
  add(QString());
  EXPECT_EQ(lastPrompt().title, "Add preset");
  add("res");
  EXPECT_EQ(lastPrompt().text.left(24), "A preset called \"res\" al") << "ends \" Low-res\"";
  EXPECT_EQ(preset()->currentText(), "res") << "the typed name stays";

  preset()->setCurrentIndex(16);                             // " VGA (640x480 » 0.3MP)"
  control<QLineEdit>("outputFolder")->setText("/elsewhere"); // not part of a preset
  add("My VGA");
  EXPECT_EQ(lastPrompt().title, "This preset already exists.");
  EXPECT_EQ(preset()->currentIndex(), 16);
  EXPECT_EQ(preset()->currentText(), " VGA (640x480 \u00BB 0.3MP)");

  preset()->setCurrentIndex(3); // THUMBNAILS: its empty width is derived, so the job is new
  const qsizetype shown = prompts->shown().size();
  add("My thumbs");
  EXPECT_EQ(prompts->shown().size(), shown);
  ASSERT_EQ(preset()->count(), 34);
  EXPECT_EQ(preset()->currentIndex(), 3) << "the selection does not move";
  EXPECT_EQ(window->presetControls().store().line(33), "My thumbs=200|150|0|50%|_TH||1|5|4|1|0|0");

  preset()->setCurrentIndex(5);
  remove(PromptAnswer::No);
  EXPECT_EQ(lastPrompt().title, "Remove this preset?");
  EXPECT_EQ(preset()->count(), 34);
  remove(PromptAnswer::Yes);
  ASSERT_EQ(preset()->count(), 33);
  EXPECT_EQ(preset()->currentText(), "MAIL ATTACHMENT") << "the entry before";
  preset()->setCurrentIndex(5);
  EXPECT_EQ(control<QLineEdit>("suffixTemplate")->text(), "@85%") << "names still apply their lines";

  preset()->setCurrentIndex(0);
  control<QLineEdit>("suffixTemplate")->setText("changed");
  remove(PromptAnswer::Yes);
  EXPECT_EQ(preset()->currentIndex(), 0);
  EXPECT_EQ(window->jobControls().job().suffixTemplate, QString()) << "the new first entry is applied";
}

TEST_F(PresetControlsTest, TypingAnExistingNameDoesNotApplyIt) {
  control<QLineEdit>("suffixTemplate")->setText("_mine");
  preset()->setFocus();
  preset()->lineEdit()->clear();
  QTest::keyClicks(preset()->lineEdit(), "THUMBNAILS");
  QTest::keyClick(preset()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(preset()->currentIndex(), kFirstRunPresetIndex);
  EXPECT_EQ(control<QLineEdit>("suffixTemplate")->text(), "_mine");
}

} // namespace
