#include "shell/FileManagerMenu.h"

#include "TempFolder.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace veltrane;

namespace {

// A program in a folder with a space, a quote and a dollar in its name.
const QString kProgram = QStringLiteral("/opt/My Apps/it's $HOME/veltrane");

class FileManagerMenuTest : public ::testing::Test {
protected:
  mode_t modeOf(const QString &path) const {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777 : 0;
  }
  QStringList everything() const {
    QStringList files;
    QDirIterator it(temp.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
      files.append(it.next().mid(temp.path().size() + 1));
    files.sort();
    return files;
  }

  test::TempFolder temp;
  FileManagerMenu menu{kProgram, temp.file("data"), temp.file("config")};
};

} // namespace

TEST_F(FileManagerMenuTest, InstallsForEveryFileManagerAndRemovesAgain) {
  EXPECT_FALSE(menu.isInstalled(PictureKinds::Jpeg));
  ASSERT_TRUE(menu.install(PictureKinds::Jpeg));
  EXPECT_TRUE(menu.isInstalled(PictureKinds::Jpeg));
  EXPECT_FALSE(menu.isInstalled(PictureKinds::BmpAndGif));
  EXPECT_EQ(everything(), (QStringList{"config/Thunar/uca.xml", "data/kio/servicemenus/veltrane-jpeg.desktop",
                                       "data/nautilus/scripts/Resize-Resample JPG and JPEG",
                                       "data/nemo/actions/veltrane-jpeg.nemo_action"}))
      << "never a desktop entry with MIME types, never mimeapps.list";
  EXPECT_EQ(modeOf(menu.nautilusScript(PictureKinds::Jpeg)), 0755u);
  EXPECT_EQ(modeOf(menu.dolphinServiceMenu(PictureKinds::Jpeg)), 0755u);
  EXPECT_EQ(modeOf(menu.nemoAction(PictureKinds::Jpeg)), 0644u);

  const QString dolphin = QString::fromUtf8(temp.read("data/kio/servicemenus/veltrane-jpeg.desktop"));
  EXPECT_TRUE(dolphin.contains("Name=Resi&ze/Resample\n"));
  EXPECT_TRUE(dolphin.contains("MimeType=image/jpeg;\n"));
  EXPECT_TRUE(dolphin.contains("Exec=\"/opt/My Apps/it's \\$HOME/veltrane\" -- %F\n"))
      << dolphin.toStdString();
  const QString thunar = QString::fromUtf8(temp.read("config/Thunar/uca.xml"));
  EXPECT_TRUE(thunar.contains("<unique-id>veltrane-jpeg</unique-id>"));
  EXPECT_TRUE(thunar.contains("<command>'/opt/My Apps/it'\\''s $HOME/veltrane' -- %F</command>"))
      << thunar.toStdString();

  ASSERT_TRUE(menu.install(PictureKinds::BmpAndGif));
  ASSERT_TRUE(menu.remove(PictureKinds::Jpeg));
  EXPECT_FALSE(menu.isInstalled(PictureKinds::Jpeg));
  EXPECT_TRUE(menu.isInstalled(PictureKinds::BmpAndGif));
  ASSERT_TRUE(menu.remove(PictureKinds::BmpAndGif));
  EXPECT_EQ(everything(), QStringList{"config/Thunar/uca.xml"});
  EXPECT_FALSE(QString::fromUtf8(temp.read("config/Thunar/uca.xml")).contains("veltrane"));

  // Entries of this program at another place are not this program's.
  ASSERT_TRUE(menu.install(PictureKinds::Jpeg));
  EXPECT_FALSE(FileManagerMenu("/usr/bin/veltrane", temp.file("data"), temp.file("config"))
                   .isInstalled(PictureKinds::Jpeg));
}

// Only the file managers present get entries; removing clears every one's,
// so that one uninstalled since keeps none.
TEST_F(FileManagerMenuTest, WritesOnlyForTheFileManagersPresentAndRemovesFromAll) {
  ASSERT_TRUE(menu.install(PictureKinds::Jpeg));
  const FileManagerMenu onlyThunar(kProgram, temp.file("data"), temp.file("config"), {},
                                   {FileManager::Thunar});
  ASSERT_TRUE(onlyThunar.install(PictureKinds::BmpAndGif));
  EXPECT_TRUE(onlyThunar.isInstalled(PictureKinds::BmpAndGif));
  EXPECT_FALSE(menu.isInstalled(PictureKinds::BmpAndGif)) << "the other file managers have none";
  EXPECT_FALSE(QFileInfo::exists(menu.nemoAction(PictureKinds::BmpAndGif)));
  ASSERT_TRUE(onlyThunar.remove(PictureKinds::Jpeg));
  EXPECT_EQ(everything(), (QStringList{"config/Thunar/uca.xml"}));
  const FileManagerMenu none(kProgram, temp.file("data"), temp.file("config"), {}, {});
  EXPECT_FALSE(none.anyFileManager());
  EXPECT_FALSE(none.isInstalled(PictureKinds::Jpeg));
}

TEST_F(FileManagerMenuTest, TheScriptPassesOnlyThePairsFiles) {
  // A stand-in program that prints its arguments.
  const QString program =
      temp.write("bin/print-arguments", "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done\n");
  QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const FileManagerMenu local(program, temp.file("data"), temp.file("config"));
  ASSERT_TRUE(local.install(PictureKinds::Jpeg));
  QProcess script;
  script.start(local.nautilusScript(PictureKinds::Jpeg),
               {"/p/a.jpg", "/p/notes.txt", "/p/Holiday 1.JPEG", "/p/b.gif", "/p/c.Jpg"});
  ASSERT_TRUE(script.waitForFinished(10000));
  EXPECT_EQ(QString::fromUtf8(script.readAllStandardOutput()), "--\n/p/a.jpg\n/p/Holiday 1.JPEG\n/p/c.Jpg\n");

  // A window of another program folder writes entries that start that folder.
  const FileManagerMenu portable(program, temp.file("data"), temp.file("config"),
                                 {"--home", "/my photos/100% 'done'"});
  ASSERT_TRUE(portable.install(PictureKinds::Jpeg));
  EXPECT_TRUE(portable.isInstalled(PictureKinds::Jpeg));
  EXPECT_FALSE(local.isInstalled(PictureKinds::Jpeg));
  script.start(portable.nautilusScript(PictureKinds::Jpeg), {"/p/a.jpg"});
  ASSERT_TRUE(script.waitForFinished(10000));
  EXPECT_EQ(QString::fromUtf8(script.readAllStandardOutput()),
            "--home\n/my photos/100% 'done'\n--\n/p/a.jpg\n");
  const QString nemo = QString::fromUtf8(temp.read("data/nemo/actions/veltrane-jpeg.nemo_action"));
  EXPECT_TRUE(nemo.contains(" \"--home\" \"/my photos/100%% 'done'\" -- %F\n")) << nemo.toStdString();
}

TEST_F(FileManagerMenuTest, ThunarsOtherActionsAreKeptAndADamagedFileIsLeftAlone) {
  const QByteArray users =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n<action>\n"
      "\t<icon>utilities-terminal</icon>\n\t<name>Open Terminal Here</name>\n"
      "\t<unique-id>1234-1</unique-id>\n\t<command>exo-open --working-directory %f</command>\n"
      "\t<description>Example &amp; more</description>\n\t<patterns>*</patterns>\n"
      "\t<directories/>\n</action>\n<!-- the user's note -->\n</actions>\n";
  temp.write("config/Thunar/uca.xml", users);
  ASSERT_TRUE(menu.install(PictureKinds::Jpeg));
  ASSERT_TRUE(menu.install(PictureKinds::Jpeg)); // again: replaced, not doubled
  const QString merged = QString::fromUtf8(temp.read("config/Thunar/uca.xml"));
  EXPECT_EQ(merged.count("<unique-id>veltrane-jpeg</unique-id>"), 1);
  for (const char *kept : {"<unique-id>1234-1</unique-id>", "exo-open --working-directory %f",
                           "Example &amp; more", "<directories/>", "<!-- the user's note -->"})
    EXPECT_TRUE(merged.contains(QString::fromUtf8(kept))) << kept;
  ASSERT_TRUE(menu.remove(PictureKinds::Jpeg));
  EXPECT_TRUE(
      QString::fromUtf8(temp.read("config/Thunar/uca.xml")).contains("<unique-id>1234-1</unique-id>"));

  const QByteArray damaged = "<actions><action><name>cut short";
  temp.write("config/Thunar/uca.xml", damaged);
  const Result<> refused = menu.install(PictureKinds::Jpeg);
  EXPECT_FALSE(refused);
  EXPECT_TRUE(refused.reason().contains("uca.xml: left as it was")) << refused.reason().toStdString();
  EXPECT_EQ(temp.read("config/Thunar/uca.xml"), damaged);
  EXPECT_FALSE(menu.isInstalled(PictureKinds::Jpeg)) << "the box shows what is really installed";
}
