#include "WindowTestKit.h"

#include <QToolButton>

using namespace veltrane;
using veltrane::test::WindowTest;

namespace {

class SettingsWindowTest : public WindowTest {
protected:
  void SetUp() override { start(); }
  // Opens the settings window, sets its switches, closes it.
  void chooseOnJobComplete(bool open, bool fullScreen, bool shut) {
    control<QToolButton>("settingsButton")->click();
    setting<QCheckBox>("openFolder")->setChecked(open);
    setting<QCheckBox>("fullScreen")->setChecked(fullScreen);
    setting<QCheckBox>("exitWhenDone")->setChecked(shut);
    window->settingsWindow().close();
  }
};

TEST_F(SettingsWindowTest, ItDisablesTheMainWindowAndMapsItsSwitchesWhenClosed) {
  window->show();
  control<QToolButton>("settingsButton")->click();
  EXPECT_TRUE(window->settingsWindow().isVisible());
  EXPECT_FALSE(window->isEnabled());
  for (const char *name : {"openFolder", "fullScreen", "exitWhenDone"})
    EXPECT_TRUE(setting<QCheckBox>(name)->isChecked()) << name << ": first run, mode 3";
  window->settingsWindow().close();
  EXPECT_TRUE(window->isEnabled());

  chooseOnJobComplete(true, true, false);
  EXPECT_EQ(window->programSettings().folderWindowMode, 3);
  EXPECT_EQ(window->programSettings().exitWhenDone, 0);
  chooseOnJobComplete(true, false, true);
  EXPECT_EQ(window->programSettings().folderWindowMode, 1);
  EXPECT_NE(window->programSettings().exitWhenDone, 0);
  chooseOnJobComplete(false, true, false);
  EXPECT_EQ(window->programSettings().folderWindowMode, 0) << "full-screen alone opens nothing";

  control<QToolButton>("settingsButton")->click();
  EXPECT_FALSE(setting<QCheckBox>("fullScreen")->isEnabled()) << "only with cOpen";
  setting<QCheckBox>("openFolder")->setChecked(true);
  EXPECT_TRUE(setting<QCheckBox>("fullScreen")->isEnabled());
  EXPECT_EQ(window->programSettings().folderWindowMode, 0) << "changed only when the window closes";
}

} // namespace
