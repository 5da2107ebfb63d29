#include "FaultFolders.h"
#include "GridEvents.h"
#include "WindowTestKit.h"

#include <QFile>
#include <QLineEdit>
#include <unistd.h>

using namespace veltrane;

namespace {

// The program folder can never be written: its settings go to the config folder.
class SettingsNoticeTest : public test::WindowTest {
protected:
  void SetUp() override {
    sealed = std::make_unique<test::ReadOnlyFolder>(program.path());
    sealed->seal();
    if (!sealed->skipReason().isEmpty())
      GTEST_SKIP() << sealed->skipReason().toStdString();
    if (::access(QFile::encodeName(program.path()).constData(), W_OK) == 0)
      GTEST_SKIP() << "the folder could not be made read-only";
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

TEST_F(SettingsNoticeTest, AShutDownTheSystemAskedForTellsAtTheNextStartOnce) {
  start();
  control<QLineEdit>("outputFolder")->setText(QStringLiteral("/srv/kept"));
  window->systemShutDown();
  EXPECT_TRUE(prompts->shown().isEmpty()) << "no box waits during a shut-down the system asked for";

  start();
  EXPECT_EQ(control<QLineEdit>("outputFolder")->text(), QStringLiteral("/srv/kept")) << "read from the copy";
  EXPECT_EQ(noticesAtStart(), QStringList{"Settings saved elsewhere"});
  EXPECT_TRUE(prompts->shown().value(0).text.contains(program.path()));
  restart();
  EXPECT_TRUE(noticesAtStart().isEmpty());
}

TEST_F(SettingsNoticeTest, AUserWhoClosesTheWindowIsToldThenAndNotAgain) {
  start();
  window->exitProgram();
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown()[0].title, QStringLiteral("Settings saved elsewhere"));
  start();
  EXPECT_TRUE(noticesAtStart().isEmpty());
}

} // namespace
