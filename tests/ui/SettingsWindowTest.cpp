#include "WindowTestKit.h"
#include "ui/WindowCommandLine.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace veltrane;
using veltrane::test::WindowTest;

namespace {

class SettingsWindowTest : public WindowTest {
protected:
  void SetUp() override { start(); }
  // Opens the settings window, sets its switches, closes it.
  void chooseOnJobComplete(bool open, bool fullScreen, bool shut) {
    control<QToolButton>("settings")->click();
    setting<QCheckBox>("cOpen")->setChecked(open);
    setting<QCheckBox>("cFullScreen")->setChecked(fullScreen);
    setting<QCheckBox>("cShut")->setChecked(shut);
    window->settingsWindow().close();
  }
};

TEST_F(SettingsWindowTest, ItDisablesTheMainWindowWhileItShows) {
  window->show();
  control<QToolButton>("settings")->click();
  EXPECT_TRUE(window->settingsWindow().isVisible());
  EXPECT_EQ(window->settingsWindow().windowTitle(), QStringLiteral("SETTINGS"));
  EXPECT_FALSE(window->isEnabled());
  EXPECT_TRUE(window->settingsWindow().isEnabled());
  EXPECT_TRUE(setting<QCheckBox>("cOpen")->isChecked()) << "first run: mode 3";
  EXPECT_TRUE(setting<QCheckBox>("cFullScreen")->isChecked());
  EXPECT_TRUE(setting<QCheckBox>("cShut")->isChecked());
  EXPECT_TRUE(setting<QRadioButton>("Option1")->isChecked()) << "graphic";

  window->settingsWindow().close();
  EXPECT_FALSE(window->settingsWindow().isVisible());
  EXPECT_TRUE(window->isEnabled());
}

TEST_F(SettingsWindowTest, ClosingItKeepsTheFolderWindowModeAndTheExitFlag) {
  chooseOnJobComplete(true, true, false);
  EXPECT_EQ(window->programSettings().folderWindowMode, 3);
  EXPECT_EQ(window->programSettings().exitWhenDone, 0);
  chooseOnJobComplete(true, false, true);
  EXPECT_EQ(window->programSettings().folderWindowMode, 1);
  EXPECT_NE(window->programSettings().exitWhenDone, 0);
  chooseOnJobComplete(false, true, false);
  EXPECT_EQ(window->programSettings().folderWindowMode, 0) << "full-screen alone opens nothing";

  control<QToolButton>("settings")->click();
  EXPECT_FALSE(setting<QCheckBox>("cFullScreen")->isEnabled()) << "only with cOpen";
  setting<QCheckBox>("cOpen")->setChecked(true);
  EXPECT_TRUE(setting<QCheckBox>("cFullScreen")->isEnabled());
  // The values change only when the window is closed.
  EXPECT_EQ(window->programSettings().folderWindowMode, 0);
}

TEST_F(SettingsWindowTest, TheWindowStyleIsKept) {
  control<QToolButton>("settings")->click();
  setting<QRadioButton>("Option2")->setChecked(true);
  EXPECT_TRUE(window->programSettings().plainMode);
  setting<QRadioButton>("Option2")->setChecked(true);
  EXPECT_TRUE(window->programSettings().plainMode) << "choosing it again changes nothing";
  window->settingsWindow().close();
  restart();
  control<QToolButton>("settings")->click();
  EXPECT_TRUE(setting<QRadioButton>("Option2")->isChecked());
  setting<QRadioButton>("Option1")->setChecked(true);
  EXPECT_FALSE(window->programSettings().plainMode);
}

TEST_F(SettingsWindowTest, SwatchesTakeTheChosenColourAndKeepItOnCancel) {
  control<QToolButton>("settings")->click();
  auto *background = setting<QLabel>("BGcol");
  EXPECT_EQ(window->settingsWindow().backgroundColour(), QColor(Qt::white));
  dialogs->queueColour(QColor(10, 20, 30));
  QTest::mouseClick(background, Qt::LeftButton);
  EXPECT_EQ(window->settingsWindow().backgroundColour(), QColor(10, 20, 30));
  ASSERT_EQ(dialogs->requests().size(), 1);
  EXPECT_EQ(dialogs->requests().first().start, QStringLiteral("#ffffff"))
      << "starts from the swatch's colour";
  QTest::mouseClick(background, Qt::LeftButton);
  EXPECT_EQ(window->settingsWindow().backgroundColour(), QColor(10, 20, 30));

  dialogs->queueColour(QColor(200, 0, 0));
  QTest::mouseClick(setting<QLabel>("TXTcol"), Qt::LeftButton);
  setting<QLineEdit>("tFontSize")->setText(QStringLiteral("12"));
  const SheetStyle style = window->settingsWindow().sheetStyle();
  EXPECT_EQ(style.caption, QColor(200, 0, 0));
  EXPECT_EQ(style.fontSize, 12);
  window->settingsWindow().close();

  restart();
  EXPECT_EQ(window->settingsWindow().backgroundColour(), QColor(10, 20, 30));
  EXPECT_EQ(window->settingsWindow().captionColour(), QColor(200, 0, 0));
}

TEST(WindowCommandLineTest, EveryArgumentThatIsNotAnOptionIsAPicture) {
  WindowCommandLine line =
      parseWindowCommandLine({QStringLiteral("--home"), QStringLiteral("/opt/v"), QStringLiteral("a.jpg"),
                              QStringLiteral("/p/b c.gif"), QStringLiteral("file:///p/d%20e.bmp"),
                              QStringLiteral("\"/p/q.jpg\""), QStringLiteral("--"), QStringLiteral("--home")},
                             QStringLiteral("/work"));
  EXPECT_TRUE(line.error.isEmpty());
  EXPECT_EQ(line.home, QStringLiteral("/opt/v"));
  EXPECT_EQ(line.files, (QStringList{QStringLiteral("/work/a.jpg"), QStringLiteral("/p/b c.gif"),
                                     QStringLiteral("/p/d e.bmp"), QStringLiteral("/p/q.jpg"),
                                     QStringLiteral("/work/--home")}));

  line = parseWindowCommandLine({QStringLiteral("--home=/h")}, QStringLiteral("/"));
  EXPECT_EQ(line.home, QStringLiteral("/h"));
  EXPECT_FALSE(parseWindowCommandLine({QStringLiteral("--home")}, {}).error.isEmpty());
  EXPECT_FALSE(parseWindowCommandLine({QStringLiteral("--colour")}, {}).error.isEmpty());
  EXPECT_TRUE(parseWindowCommandLine({}, {}).files.isEmpty());
}

} // namespace
