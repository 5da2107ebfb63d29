#include "WindowTestKit.h"

namespace {

class MainWindowSettingsTest : public WindowTest {
protected:
  // The file managers the window finds installed: stand-ins on the PATH.
  void SetUp() override { installFileManagers({"nautilus", "dolphin", "nemo", "thunar"}); }
  void installFileManagers(const QStringList &programs) {
    QDir(fileManagers.path()).removeRecursively();
    QDir().mkpath(fileManagers.path());
    for (const QString &name : programs) {
      const QString path = fileManagers.file(name);
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write("#!/bin/sh\n");
      file.close();
      QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", QFile::encodeName(fileManagers.path()) + ":" + originalPath);
  }
  void TearDown() override {
    qputenv("PATH", originalPath);
    // The XDG home is shared by the tests of this program: leave no menu entries.
    for (const char *folder : {"nautilus", "kio", "nemo"})
      QDir(dataHome() + "/" + folder).removeRecursively();
    QFile::remove(dataHome() + "/kio");
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Thunar")
        .removeRecursively();
  }
  static QString dataHome() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }
  test::TempFolder fileManagers;
  const QByteArray originalPath = qgetenv("PATH");
  // The window's program folder is a test's own: its entries start that folder.
  FileManagerMenu menu() const {
    return FileManagerMenu::forUser(QCoreApplication::applicationFilePath(),
                                    {"--home", QDir::cleanPath(program.path())});
  }
};

// The first-run values themselves are the settings file's test; this checks the window shows and saves them.
TEST_F(MainWindowSettingsTest, AFirstStartAppliesMailAttachmentAndSavesTheFirstRunValues) {
  program.write("veltrane.html", "<p>the guide</p>");
  start();
  auto *preset = control<QComboBox>("presets");
  ASSERT_EQ(preset->count(), 33);
  EXPECT_EQ(preset->currentText(), "MAIL ATTACHMENT");
  // No width limit: the width shows what the 320 x 240 source box gives for a height of 600.
  EXPECT_FALSE(control("maxWidth")->isEnabled());
  EXPECT_EQ(control<QComboBox>("maxWidth")->currentText(), "800");
  EXPECT_EQ(control<QComboBox>("maxHeight")->currentText(), "600");
  EXPECT_FALSE(control("swapForUpright")->isEnabled()) << "one limit: nothing to swap";
  EXPECT_TRUE(control("sizeLimitKb")->isEnabled());
  EXPECT_FALSE(control("frame")->isEnabled()) << "no frames installed";
  EXPECT_EQ(control<QLineEdit>("outputFolder")->text(),
            QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + "/Resized pictures");
  EXPECT_FALSE(control("goButton")->isEnabled()) << "nothing listed";
  EXPECT_TRUE(prompts->shown().isEmpty());
  // At the bottom-left corner of the 1920 x 1080 screen.
  window->showAtSavedPlace();
  EXPECT_EQ(window->pos(), QPoint(0, 1080 - 406));

  window->exitProgram();
  window->exitProgram();
  EXPECT_EQ(launcher->launches().size(), 1) << "one shut-down only";
  const QStringList lines = savedLines();
  ASSERT_EQ(lines.size(), 3 + 33 + 1);
  EXPECT_EQ(lines[1], "800|600|1|100k|||0|4|3|0|0|0") << "the width as derived";
}

TEST_F(MainWindowSettingsTest, ClosingSavesEverythingAndAStartAgainRestoresIt) {
  const QString guide = program.write("veltrane.html", "<p>the guide</p>");
  start();
  window->showAtSavedPlace();
  window->move(40, 50);
  auto *preset = control<QComboBox>("presets");
  preset->setCurrentIndex(3); // THUMBNAILS
  control<QLineEdit>("outputFolder")->setText("/srv/out");
  box("captionFileSizes")->setChecked(true);
  box("manualSize")->setChecked(false);
  control<QComboBox>("outputFormat")->setCurrentIndex(2);
  control<QComboBox>("boxMode")->setCurrentIndex(1);
  box("neverEnlarge")->setChecked(true);
  preset->setEditText("Tiny");
  control<QComboBox>("maxHeight")->setEditText("90");
  control<QPushButton>("addPreset")->click();
  preset->setCurrentIndex(33);
  window->openSettings();
  setting("fullScreen")->setChecked(false);
  setting("captionBold")->setChecked(true);
  setting<QRadioButton>("plainWindow")->setChecked(true);
  dialogs->queueColour(QColor(10, 20, 30));
  QTest::mouseClick(setting<QLabel>("sheetBackground"), Qt::LeftButton);
  window->settingsWindow().close();
  const JobSettings before = window->jobControls().job();
  const QStringList presetsBefore = window->presetControls().store().lines();
  // Changed after the preset was picked: the preset wins at the next start.
  control<QLineEdit>("suffixTemplate")->setText("_later");

  QSignalSpy ended(window.get(), &MainWindow::ended);
  window->close();
  EXPECT_EQ(ended.count(), 1);
  EXPECT_TRUE(window->isHidden());
  // The shipped guide page stands in for the support page.
  EXPECT_EQ(launcher->launches(),
            (QList{RecordingLauncher::Launch{RecordingLauncher::Kind::WebAddress,
                                             QUrl::fromLocalFile(guide).toString() + "#support"}}));

  EXPECT_TRUE(savedLines()[1].endsWith("|webp|fit|1")) << savedLines()[1].toStdString();
  EXPECT_TRUE(savedLines()[0].endsWith("|1")) << "the guide page at exit, on by default";

  // Turned off, the next exit opens nothing, and it stays off.
  start();
  control<QToolButton>("settingsButton")->click();
  setting("guideAtExit")->setChecked(false);
  window->settingsWindow().close();
  window->close();
  EXPECT_TRUE(launcher->launches().isEmpty());
  EXPECT_TRUE(savedLines()[0].endsWith("|0")) << savedLines()[0].toStdString();
  start();
  EXPECT_FALSE(setting("guideAtExit")->isChecked());
  setting("guideAtExit")->setChecked(true);

  start();
  EXPECT_EQ(window->jobControls().job(), before);
  EXPECT_EQ(window->presetControls().store().lines(), presetsBefore);
  EXPECT_EQ(control<QComboBox>("presets")->currentText(), "Tiny");
  EXPECT_FALSE(box("manualSize")->isChecked());
  EXPECT_EQ(window->programSettings().folderWindowMode, 1);
  EXPECT_TRUE(window->programSettings().plainMode);
  window->showAtSavedPlace();
  EXPECT_EQ(window->pos(), QPoint(40, 50));
  window->openSettings();
  EXPECT_TRUE(setting("captionBold")->isChecked());
  EXPECT_FALSE(setting("fullScreen")->isChecked());
  EXPECT_EQ(window->settingsWindow().backgroundColour(), QColor(10, 20, 30));
}

// Under Wayland a window can neither read nor set its place: the places read
// from the settings file are saved as they were, and the preview does not
// fade by an overlap nobody knows.
TEST_F(MainWindowSettingsTest, WherePlacesAreUnknownTheSavedPlacesAreTheOnesRead) {
  start();
  window->showAtSavedPlace();
  window->move(40, 50);
  box("showPreview")->setChecked(true);
  window->previewWindow().move(60, 70);
  EXPECT_TRUE(waitFor([&] { return window->previewWindow().alpha() < 255; })) << "over the main window";
  window->close();
  const QStringList placesRead = savedLines()[0].split('|').mid(11, 4);
  ASSERT_EQ(placesRead, (QStringList{"600", "750", "900", "1050"}));

  windowPlacesKnown = false;
  start();
  window->showAtSavedPlace();
  window->move(300, 20); // what the platform reports instead
  box("showPreview")->setChecked(true);
  window->previewWindow().move(320, 40);
  QTest::qWait(300);
  EXPECT_EQ(window->previewWindow().alpha(), 255) << "no fade";
  window->close();
  EXPECT_EQ(savedLines()[0].split('|').mid(11, 4), placesRead);
}

TEST_F(MainWindowSettingsTest, TheGuidePageOpensOnlyWhenTheUserEndsTheProgramAndIsThere) {
  // No page shipped: nothing is opened, nothing said.
  start();
  window->exitProgram();
  EXPECT_TRUE(launcher->launches().isEmpty());
  EXPECT_TRUE(prompts->shown().isEmpty());
  // The system ending the program: no browser is started behind the logout.
  program.write("veltrane.html", "<p>the guide</p>");
  start();
  window->systemShutDown();
  EXPECT_TRUE(launcher->launches().isEmpty());
  // The link opens the page's first section.
  start();
  window->openHomePage();
  ASSERT_EQ(launcher->launches().size(), 1);
  EXPECT_TRUE(launcher->launches().first().target.endsWith("/veltrane.html#home"));
}

TEST_F(MainWindowSettingsTest, TheSettingsWindowDisablesTheMainWindowAndMapsItsSwitchesWhenClosed) {
  start();
  window->show();
  control<QToolButton>("settingsButton")->click();
  EXPECT_TRUE(window->settingsWindow().isVisible());
  EXPECT_FALSE(window->isEnabled());
  for (const char *name : {"openFolder", "fullScreen", "exitWhenDone"})
    EXPECT_TRUE(setting(name)->isChecked()) << name << ": first run, mode 3";
  window->settingsWindow().close();
  EXPECT_TRUE(window->isEnabled());

  const struct {
    bool open, fullScreen, shut;
    int mode; // "full-screen" alone opens nothing
  } choices[] = {{true, true, false, 3}, {true, false, true, 1}, {false, true, false, 0}};
  for (const auto &c : choices) {
    control<QToolButton>("settingsButton")->click();
    setting("openFolder")->setChecked(c.open);
    setting("fullScreen")->setChecked(c.fullScreen);
    setting("exitWhenDone")->setChecked(c.shut);
    window->settingsWindow().close();
    EXPECT_EQ(window->programSettings().folderWindowMode, c.mode);
    EXPECT_EQ(window->programSettings().exitWhenDone != 0, c.shut);
  }
  control<QToolButton>("settingsButton")->click();
  EXPECT_FALSE(setting("fullScreen")->isEnabled()) << "only with cOpen";
  setting("openFolder")->setChecked(true);
  EXPECT_TRUE(setting("fullScreen")->isEnabled());
  EXPECT_EQ(window->programSettings().folderWindowMode, 0) << "changed only when the window closes";
}

TEST_F(MainWindowSettingsTest, AFirstStartInstallsTheMenuEntriesAndTheBoxesMirrorThemLater) {
  start();
  EXPECT_TRUE(box("jpegMenu")->isChecked() && box("bmpGifMenu")->isChecked());
  EXPECT_TRUE(menu().isInstalled(PictureKinds::Jpeg));
  EXPECT_TRUE(menu().isInstalled(PictureKinds::BmpAndGif));
  EXPECT_FALSE(QFileInfo::exists(dataHome() + "/applications")) << "never a desktop entry of our own";

  box("jpegMenu")->setChecked(false);
  EXPECT_FALSE(menu().isInstalled(PictureKinds::Jpeg));
  EXPECT_TRUE(menu().isInstalled(PictureKinds::BmpAndGif));
  restart();
  EXPECT_FALSE(box("jpegMenu")->isChecked()) << "the box shows what is installed";
  EXPECT_TRUE(box("bmpGifMenu")->isChecked());

  // A file where Dolphin's folder should be: nothing can go in it; told once, the box shows the truth.
  box("bmpGifMenu")->setChecked(false);
  QDir(dataHome() + "/kio").removeRecursively();
  ASSERT_TRUE(QFile(dataHome() + "/kio").open(QIODevice::WriteOnly));
  box("jpegMenu")->setChecked(true);
  EXPECT_FALSE(box("jpegMenu")->isChecked());
  EXPECT_EQ(lastTitle(), "File manager menu");
  EXPECT_TRUE(prompts->shown().value(0).text.contains("servicemenus"))
      << prompts->shown().value(0).text.toStdString();
  box("bmpGifMenu")->setChecked(true);
  EXPECT_EQ(prompts->shown().size(), 1) << "told once";
}

// Entries go only to the file managers installed; with none, a first start
// writes nothing and leaves the boxes clear, and ticking one later writes
// for those installed then.
TEST_F(MainWindowSettingsTest, MenuEntriesGoOnlyToTheFileManagersInstalled) {
  installFileManagers({});
  start();
  EXPECT_FALSE(box("jpegMenu")->isChecked() || box("bmpGifMenu")->isChecked());
  EXPECT_FALSE(QFileInfo::exists(dataHome() + "/nautilus") || QFileInfo::exists(dataHome() + "/kio") ||
               QFileInfo::exists(dataHome() + "/nemo"));

  installFileManagers({"thunar"});
  restart();
  EXPECT_FALSE(box("jpegMenu")->isChecked());
  box("jpegMenu")->setChecked(true);
  EXPECT_TRUE(menu().isInstalled(PictureKinds::Jpeg));
  EXPECT_FALSE(QFileInfo::exists(dataHome() + "/nautilus") || QFileInfo::exists(dataHome() + "/kio") ||
               QFileInfo::exists(dataHome() + "/nemo"));
  EXPECT_TRUE(QFileInfo::exists(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                "/Thunar/uca.xml"));
  restart();
  EXPECT_TRUE(box("jpegMenu")->isChecked()) << "the box shows what is installed";
}

// The program folder can never be written: its settings go to the config folder.
class UnwritableProgramFolderTest : public WindowTest {
protected:
  void SetUp() override {
    sealed.seal();
    if (!sealed.skipReason().isEmpty())
      GTEST_SKIP() << sealed.skipReason().toStdString();
  }
  void TearDown() override { window.reset(); }

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

  ReadOnlyFolder sealed{program.path()};
};

TEST_F(UnwritableProgramFolderTest, AShutDownTheSystemAskedForTellsAtTheNextStartOnce) {
  start();
  control<QLineEdit>("outputFolder")->setText("/srv/kept");
  window->systemShutDown();
  EXPECT_TRUE(prompts->shown().isEmpty()) << "no box waits during a shut-down the system asked for";

  start();
  EXPECT_EQ(control<QLineEdit>("outputFolder")->text(), "/srv/kept") << "read from the copy";
  EXPECT_EQ(noticesAtStart(), QStringList{"Settings saved elsewhere"});
  EXPECT_TRUE(prompts->shown().value(0).text.contains(program.path()));
  restart();
  EXPECT_TRUE(noticesAtStart().isEmpty());
}

TEST_F(UnwritableProgramFolderTest, AUserWhoClosesTheWindowIsToldThenAndNotAgain) {
  start();
  window->exitProgram();
  EXPECT_EQ(lastTitle(), "Settings saved elsewhere");
  EXPECT_EQ(prompts->shown().size(), 1);
  start();
  EXPECT_TRUE(noticesAtStart().isEmpty());
}

} // namespace
