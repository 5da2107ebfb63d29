#pragma once

#include "TempFolder.h"
#include "platform/PlatformServices.h"
#include "storage/ProgramFolder.h"
#include "ui/MainWindow.h"
#include "ui/SettingsWindow.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

namespace veltrane::test {

// A main window over a program folder of its own, with scripted prompts and
// dialogs and a launcher that only records.
class WindowTest : public ::testing::Test {
protected:
  MainWindow &start(const QStringList &pictures = {}) {
    window.reset();
    platform = headlessPlatform();
    prompts = static_cast<ScriptedPrompts *>(platform.prompts.get());
    dialogs = static_cast<ScriptedDialogs *>(platform.dialogs.get());
    launcher = static_cast<RecordingLauncher *>(platform.launcher.get());
    window = std::make_unique<MainWindow>(
        ProgramFolder::portable(program.path(), ProgramFolder::userLocations({})), platform, pictures);
    return *window;
  }

  // Ends the program as the exit button does, and starts it again.
  MainWindow &restart() {
    window->exitProgram();
    return start();
  }

  template <typename Control> Control *control(const char *name) const {
    auto *found = window->findChild<Control *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  template <typename Control> Control *setting(const char *name) const {
    auto *found = window->settingsWindow().findChild<Control *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  // The settings window's "exit program" off, as a user sets it.
  void stayAfterBatch() {
    window->openSettings();
    setting<QCheckBox>("exitWhenDone")->setChecked(false);
    window->settingsWindow().close();
  }

  // The settings file as the last shut-down wrote it.
  QStringList savedLines() const { return QString::fromUtf8(program.read("Veltrane.INI")).split("\r\n"); }

  bool waitForBatchEnd() {
    QSignalSpy finished(window.get(), &MainWindow::batchFinished);
    return finished.wait(30000);
  }

  TempFolder program;
  PlatformServices platform;
  ScriptedPrompts *prompts = nullptr;
  ScriptedDialogs *dialogs = nullptr;
  RecordingLauncher *launcher = nullptr;
  std::unique_ptr<MainWindow> window;
};

} // namespace veltrane::test
