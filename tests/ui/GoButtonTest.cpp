#include "TestPictures.h"
#include "WindowTestKit.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace veltrane;
using veltrane::test::WindowTest;
using veltrane::test::writePicture;

namespace {

// What a batch writes is the engine's test; these check what the window does around it.
class GoButtonTest : public WindowTest {
protected:
  QStringList pictures(int count) {
    QStringList paths;
    for (int i = 1; i <= count; ++i)
      paths.append(writePicture(sources.file(QStringLiteral("photo%1.jpg").arg(i)), {64, 48}));
    return paths;
  }
  void outputTo(const QString &folder) { control<QLineEdit>("outputFolder")->setText(folder); }
  QStringList written(const QString &folder) const {
    return QDir(folder).entryList({QStringLiteral("*.jpg")});
  }
  void clickGo() { control<QPushButton>("goButton")->click(); }

  test::TempFolder sources;
  test::TempFolder output;
};

TEST_F(GoButtonTest, ABatchRunsWhileTheWindowStaysLiveAndReportsAtItsEnd) {
  QStringList files = pictures(3);
  files.insert(1, sources.write(QStringLiteral("broken.jpg"), "not a picture"));
  start(files);
  stayAfterBatch();
  control<QComboBox>("presets")->setCurrentIndex(6); // RE-SAMPLING: own size, 85%, "@85%"
  const QString folder = output.file(QStringLiteral("out"));
  outputTo(folder);
  auto *go = control<QPushButton>("goButton");

  clickGo();
  EXPECT_TRUE(window->isBatchRunning());
  EXPECT_EQ(go->text(), QStringLiteral("STOP"));
  for (const char *name : {"addFiles", "removeFiles", "clearAll", "presets"})
    EXPECT_FALSE(control<QWidget>(name)->isEnabled()) << name;
  for (const char *name : {"currentFile", "progressPercent", "progressTrack", "progressBar"})
    EXPECT_FALSE(control<QWidget>(name)->isHidden()) << name;
  EXPECT_TRUE(control<QLineEdit>("suffixTemplate")->isEnabled()) << "job controls stay live";

  ASSERT_TRUE(waitForBatchEnd());
  EXPECT_FALSE(window->isBatchRunning());
  EXPECT_EQ(written(folder), (QStringList{QStringLiteral("photo1@85%.jpg"), QStringLiteral("photo2@85%.jpg"),
                                          QStringLiteral("photo3@85%.jpg")}));
  EXPECT_EQ(control<QLabel>("progressPercent")->text(), QStringLiteral("100%"));
  EXPECT_EQ(control<QLabel>("currentFile")->text(), QStringLiteral("photo3.jpg"));
  for (const char *name : {"currentFile", "progressPercent", "progressTrack", "progressBar"})
    EXPECT_TRUE(control<QWidget>(name)->isHidden()) << name;
  for (const char *name : {"addFiles", "clearAll", "presets", "goButton"})
    EXPECT_TRUE(control<QWidget>(name)->isEnabled()) << name;
  EXPECT_EQ(go->text(), QStringLiteral("GO!"));

  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(prompts->shown().first().title, QStringLiteral("Couldn't read the following files.."));
  EXPECT_EQ(prompts->shown().first().text, files[1]);
  ASSERT_EQ(launcher->launches().size(), 1);
  EXPECT_EQ(launcher->launches().first(),
            (RecordingLauncher::Launch{RecordingLauncher::Kind::Folder, folder, WindowMode::Maximised}));
}

TEST_F(GoButtonTest, TheQualityFoundReachesTheBoxAndExitWhenDoneEndsTheProgram) {
  // A busy picture, so that 30 kB needs a quality well below the top.
  start({test::writeImage(sources.file(QStringLiteral("a.jpg")), test::noisePicture({200, 150}))});
  outputTo(output.path());
  control<QLineEdit>("sizeLimitKb")->setText(QStringLiteral("30"));
  QSignalSpy ended(window.get(), &MainWindow::ended);
  clickGo();
  ASSERT_TRUE(waitForBatchEnd());
  EXPECT_EQ(written(output.path()).size(), 1);
  const int quality = control<QLineEdit>("fixedQuality")->text().toInt();
  EXPECT_GT(quality, 0);
  EXPECT_LT(quality, 100);
  EXPECT_EQ(ended.count(), 1) << "the first-run values end the program after a batch";
  EXPECT_TRUE(window->isHidden());
  EXPECT_EQ(launcher->launches().size(), 2) << "the folder, then the support page";
  EXPECT_FALSE(program.read(QStringLiteral("Veltrane.INI")).isEmpty());
}

TEST_F(GoButtonTest, StopFinishesThePicturesUnderWayAndBeginsNoMore) {
  start(pictures(12));
  stayAfterBatch();
  outputTo(output.path());
  clickGo();
  clickGo();
  auto *go = control<QPushButton>("goButton");
  EXPECT_FALSE(go->isEnabled()) << "stopping";
  ASSERT_TRUE(waitForBatchEnd());
  // Only what was under way when STOP came is written: nothing, or a few.
  EXPECT_LT(written(output.path()).size(), 12);
  EXPECT_TRUE(go->isEnabled());
  EXPECT_EQ(go->text(), QStringLiteral("GO!"));
  EXPECT_TRUE(prompts->shown().isEmpty());
}

TEST_F(GoButtonTest, ClosingDuringABatchStopsItBeforeSaving) {
  start(pictures(12));
  stayAfterBatch();
  outputTo(output.path());
  QSignalSpy finished(window.get(), &MainWindow::batchFinished);
  QSignalSpy ended(window.get(), &MainWindow::ended);
  clickGo();
  window->close();
  EXPECT_FALSE(window->isBatchRunning());
  EXPECT_EQ(ended.count(), 1);
  EXPECT_LT(written(output.path()).size(), 12);
  EXPECT_FALSE(program.read(QStringLiteral("Veltrane.INI")).isEmpty());
  QCoreApplication::processEvents();
  EXPECT_EQ(finished.count(), 0) << "no end-of-batch actions after the end";
  EXPECT_TRUE(prompts->shown().isEmpty());
}

TEST_F(GoButtonTest, TryingAllFramesOnALargeJobIsConfirmedFirstAndPutsTheJobBack) {
  writePicture(program.file(QStringLiteral("frames/Gold_10-10-90-90.jpg")), {100, 100}, Qt::yellow);
  writePicture(program.file(QStringLiteral("frames/Wood_10-10-90-90.jpg")), {100, 100}, Qt::darkRed);
  QStringList files = pictures(2);
  for (int i = 1; i <= 49; ++i)
    files.append(sources.file(QStringLiteral("missing%1.jpg").arg(i)));
  start(files);
  stayAfterBatch();
  const QString folder = output.file(QStringLiteral("out"));
  outputTo(folder);
  control<QComboBox>("frame")->setCurrentIndex(1);
  control<QLineEdit>("suffixTemplate")->setText(QStringLiteral("_x"));
  control<QCheckBox>("addSuffix")->setChecked(true);
  prompts->queueAnswer(PromptAnswer::Cancel);
  clickGo();
  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(
      prompts->shown().first(),
      (Prompt{QStringLiteral("Are you sure to proceed?"),
              QStringLiteral("102 pictures and 9 picture-indexes will be generated, trying all 2 frames."),
              PromptIcon::Exclamation, PromptButtons::OkCancel, PromptAnswer::Cancel}));
  EXPECT_FALSE(window->isBatchRunning());
  EXPECT_FALSE(QFileInfo::exists(folder));

  prompts->queueAnswer(PromptAnswer::Ok);
  clickGo();
  EXPECT_TRUE(window->isBatchRunning());
  ASSERT_TRUE(waitForBatchEnd());
  EXPECT_EQ(written(folder),
            (QStringList{QStringLiteral("photo1 (Gold).jpg"), QStringLiteral("photo1 (Wood).jpg"),
                         QStringLiteral("photo2 (Gold).jpg"), QStringLiteral("photo2 (Wood).jpg")}));
  EXPECT_EQ(prompts->shown().last().title, QStringLiteral("Couldn't read the following files.."));
  EXPECT_EQ(control<QLineEdit>("suffixTemplate")->text(), QStringLiteral("_x"));
  EXPECT_EQ(control<QComboBox>("frame")->currentIndex(), 1);
}

} // namespace
