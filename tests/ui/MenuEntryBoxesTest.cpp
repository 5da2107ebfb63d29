#include "ui/MenuEntryBoxes.h"

#include "WindowTestKit.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace veltrane;

namespace {

class MenuEntryBoxesTest : public test::WindowTest {
protected:
  void TearDown() override {
    // The XDG home is shared by the tests of this program: leave it clean.
    QDir(dataHome() + "/nautilus").removeRecursively();
    QDir(dataHome() + "/kio").removeRecursively();
    QDir(dataHome() + "/nemo").removeRecursively();
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Thunar")
        .removeRecursively();
  }
  static QString dataHome() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }
  // The window's program folder is a test's own: its entries start that folder.
  FileManagerMenu menu() const {
    return FileManagerMenu::forUser(QCoreApplication::applicationFilePath(),
                                    {"--home", QDir::cleanPath(program.path())});
  }
};

} // namespace

TEST_F(MenuEntryBoxesTest, AFirstStartInstallsTheEntriesAndTheBoxesMirrorThemLater) {
  start();
  EXPECT_TRUE(control<QCheckBox>("jpegMenu")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("bmpGifMenu")->isChecked());
  EXPECT_TRUE(menu().isInstalled(PictureKinds::Jpeg));
  EXPECT_TRUE(menu().isInstalled(PictureKinds::BmpAndGif));
  EXPECT_FALSE(QFileInfo::exists(dataHome() + "/applications")) << "never a desktop entry of our own";

  control<QCheckBox>("jpegMenu")->setChecked(false);
  EXPECT_FALSE(menu().isInstalled(PictureKinds::Jpeg));
  EXPECT_TRUE(menu().isInstalled(PictureKinds::BmpAndGif));
  restart();
  EXPECT_FALSE(control<QCheckBox>("jpegMenu")->isChecked()) << "the box shows what is installed";
  EXPECT_TRUE(control<QCheckBox>("bmpGifMenu")->isChecked());
}

TEST_F(MenuEntryBoxesTest, WhatCannotBeWrittenIsToldOnceAndTheBoxShowsTheTruth) {
  start();
  control<QCheckBox>("jpegMenu")->setChecked(false);
  control<QCheckBox>("bmpGifMenu")->setChecked(false);
  // A file where Dolphin's folder should be: nothing can go in it.
  QDir(dataHome() + "/kio").removeRecursively();
  QDir().mkpath(dataHome());
  QFile blocker(dataHome() + "/kio");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  control<QCheckBox>("jpegMenu")->setChecked(true);
  EXPECT_FALSE(control<QCheckBox>("jpegMenu")->isChecked());
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown().first().title, "File manager menu");
  EXPECT_TRUE(prompts->shown().first().text.contains("servicemenus"))
      << prompts->shown().first().text.toStdString();
  control<QCheckBox>("bmpGifMenu")->setChecked(true);
  EXPECT_EQ(prompts->shown().size(), 1) << "told once";
  QFile::remove(dataHome() + "/kio");
}
