#include "ui/PresetControls.h"
#include "TestPictures.h"
#include "WindowTestKit.h"
#include "presets/BuiltInPresets.h"
#include "presets/PresetLine.h"
#include "ui/JobControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace veltrane;
using veltrane::test::WindowTest;

namespace {

class PresetTest : public WindowTest {
protected:
  void SetUp() override {
    // With a frame installed, presets that name frames apply without asking.
    test::writePicture(program.file(QStringLiteral("frames/Golden wood_10-10-90-90.jpg")), {100, 100});
    start();
  }
  QComboBox *preset() const { return control<QComboBox>("Preset"); }
  void add(const QString &name) {
    preset()->setEditText(name);
    control<QPushButton>("AddPreset")->click();
  }
  void remove() { control<QPushButton>("RemovePreset")->click(); }
  const Prompt &lastPrompt() const { return prompts->shown().last(); }
  // What applying a line to the job as it is now gives.
  JobSettings applied(const QString &line) const {
    JobSettings job = window->jobControls().job();
    fromPreset(job, line, window->jobControls().frameEntries());
    return job;
  }
};

TEST_F(PresetTest, PickingAPresetAppliesItsOwnBodyAndDerivesTheSizes) {
  preset()->setCurrentIndex(6); // RE-SAMPLING: ||1|85%|@85%||0|4|3|0|0|0
  const JobSettings job = window->jobControls().job();
  EXPECT_EQ(job.extension, QStringLiteral("@85%"));
  EXPECT_EQ(job.AddExtension, 1);
  EXPECT_FALSE(job.quality1);
  EXPECT_EQ(job.fixed, QStringLiteral("85"));
  EXPECT_EQ(job.maxXon + job.maxYon, 0);
  EXPECT_EQ(job.maxX, QStringLiteral("320")) << "both off: the source box's size";
  EXPECT_EQ(job.maxY, QStringLiteral("240"));
  EXPECT_EQ(preset()->currentText(), QStringLiteral("RE-SAMPLING"));
}

TEST_F(PresetTest, PlusRefusesAnEmptyOrTakenName) {
  add(QString());
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(lastPrompt(), (Prompt{QStringLiteral("Add preset"),
                                  QStringLiteral("Please enter a name to save this preset as."),
                                  PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok}));

  add(QStringLiteral("mail attachment"));
  EXPECT_EQ(lastPrompt().text, QStringLiteral("A preset called \"mail attachment\" already exists.\r\n\r\n"
                                              "Please enter another name to save this preset as."));
  add(QStringLiteral("res"));
  EXPECT_EQ(lastPrompt().text.left(24), QStringLiteral("A preset called \"res\" al"))
      << "the end of \" Low-res\"";
  EXPECT_EQ(preset()->count(), 33);
  EXPECT_EQ(preset()->currentText(), QStringLiteral("res")) << "the typed name stays";
}

TEST_F(PresetTest, PlusWithAStoredConfigurationSelectsThatPreset) {
  preset()->setCurrentIndex(16);                                           // " VGA (640x480 » 0.3MP)"
  control<QLineEdit>("OutputPath")->setText(QStringLiteral("/elsewhere")); // not part of a preset
  add(QStringLiteral("My VGA"));
  EXPECT_EQ(lastPrompt(), (Prompt{QStringLiteral("This preset already exists."),
                                  QStringLiteral("The current configuration has already been saved as preset "
                                                 "\" VGA (640x480 \u00BB 0.3MP)\"."),
                                  PromptIcon::Exclamation, PromptButtons::Ok, PromptAnswer::Ok}));
  EXPECT_EQ(preset()->currentIndex(), 16);
  EXPECT_EQ(preset()->currentText(), QStringLiteral(" VGA (640x480 \u00BB 0.3MP)"));
  EXPECT_EQ(preset()->count(), 33);

  // The last stored preset is compared too.
  preset()->setCurrentIndex(32);
  add(QStringLiteral("Big"));
  EXPECT_EQ(lastPrompt().title, QStringLiteral("This preset already exists."));
  EXPECT_EQ(preset()->currentIndex(), 32);
}

TEST_F(PresetTest, PlusAddsAtTheEndAndTheNameSurvivesARestart) {
  preset()->setCurrentIndex(3); // THUMBNAILS: its empty width is derived, so the job is new
  add(QStringLiteral("My thumbs"));
  EXPECT_TRUE(prompts->shown().isEmpty());
  ASSERT_EQ(preset()->count(), 34);
  EXPECT_EQ(preset()->itemText(33), QStringLiteral("My thumbs"));
  EXPECT_EQ(preset()->currentIndex(), 3) << "the selection does not move";
  EXPECT_EQ(preset()->currentText(), QStringLiteral("My thumbs"));
  EXPECT_EQ(window->presetControls().store().line(33),
            QStringLiteral("My thumbs=200|150|0|50%|_TH||1|5|4|1|0|0"));

  restart();
  ASSERT_EQ(preset()->count(), 34);
  preset()->setCurrentIndex(33);
  EXPECT_EQ(control<QComboBox>("maxX")->currentText(), QStringLiteral("200"));
  EXPECT_EQ(control<QLineEdit>("extension")->text(), QStringLiteral("_TH"));
}

TEST_F(PresetTest, MinusAsksAndSelectsTheEntryBefore) {
  preset()->setCurrentIndex(5);
  prompts->queueAnswer(PromptAnswer::No);
  remove();
  EXPECT_EQ(lastPrompt(),
            (Prompt{QStringLiteral("Remove this preset?"),
                    QStringLiteral("Are you sure to remove preset \"MAIL ATTACHMENT (framed)\"?"),
                    PromptIcon::Exclamation, PromptButtons::YesNo, PromptAnswer::No}));
  EXPECT_EQ(preset()->count(), 33);

  prompts->queueAnswer(PromptAnswer::Yes);
  remove();
  ASSERT_EQ(preset()->count(), 32);
  EXPECT_EQ(preset()->currentIndex(), 4);
  EXPECT_EQ(preset()->currentText(), QStringLiteral("MAIL ATTACHMENT"));
  EXPECT_EQ(preset()->itemText(5), QStringLiteral("RE-SAMPLING"));

  // Every remaining name still applies its own line.
  preset()->setCurrentIndex(5);
  EXPECT_EQ(control<QLineEdit>("extension")->text(), QStringLiteral("@85%"));

  preset()->setCurrentIndex(0);
  const QString second = window->presetControls().store().line(1);
  control<QLineEdit>("extension")->setText(QStringLiteral("changed"));
  prompts->queueAnswer(PromptAnswer::Yes);
  remove();
  EXPECT_EQ(preset()->currentIndex(), 0);
  EXPECT_EQ(preset()->currentText(), presetName(second));
  EXPECT_EQ(window->jobControls().job().extension, QString()) << "the new first entry is applied";

  window->esci();
  const QString saved = QString::fromUtf8(program.read(QStringLiteral("Veltrane.INI")));
  EXPECT_FALSE(saved.contains(QStringLiteral("INDEX PICTURES")));
  EXPECT_FALSE(saved.contains(QStringLiteral("MAIL ATTACHMENT (framed)")));
}

TEST_F(PresetTest, RemovingTheLastPresetLeavesNothingSelected) {
  for (int i = 0; i < 33; ++i) {
    prompts->queueAnswer(PromptAnswer::Yes);
    remove();
  }
  EXPECT_EQ(preset()->count(), 0);
  EXPECT_EQ(preset()->currentIndex(), -1);
  remove();
  EXPECT_EQ(prompts->shown().size(), 33) << "nothing selected, nothing asked";

  add(QStringLiteral("Only one"));
  EXPECT_EQ(preset()->count(), 1);
  EXPECT_EQ(preset()->currentIndex(), -1);
  EXPECT_EQ(preset()->currentText(), QStringLiteral("Only one"));
}

TEST_F(PresetTest, TypingAnExistingNameDoesNotApplyIt) {
  control<QLineEdit>("extension")->setText(QStringLiteral("_mine"));
  preset()->setFocus();
  preset()->lineEdit()->clear();
  QTest::keyClicks(preset()->lineEdit(), QStringLiteral("THUMBNAILS"));
  QTest::keyClick(preset()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(preset()->currentIndex(), kFirstRunPresetIndex);
  EXPECT_EQ(control<QLineEdit>("extension")->text(), QStringLiteral("_mine"));
}

} // namespace
