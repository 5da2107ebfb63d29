#include "WindowTestKit.h"

namespace {

// The GO! button. What a batch writes is the engine's test; these check what the window does around it.
class MainWindowTest : public WindowTest {
protected:
  QStringList pictures(int count) {
    QStringList paths;
    for (int i = 1; i <= count; ++i)
      paths.append(writePicture(sources.file(QString("photo%1.jpg").arg(i)), {64, 48}));
    return paths;
  }
  // Starts the window on the pictures, to write to the folder and, with "exit program" off as a user sets it,
  // to stay open after the batch.
  void startBatchWindow(const QStringList &files, const QString &folder) {
    start(files);
    window->openSettings();
    setting("exitWhenDone")->setChecked(false);
    window->settingsWindow().close();
    control<QLineEdit>("outputFolder")->setText(folder);
  }
  QStringList written(const QString &folder) const { return QDir(folder).entryList({"*.jpg"}); }
  QPushButton *go() const { return control<QPushButton>("goButton"); }

  TempFolder sources, output;
};

const std::initializer_list<const char *> kProgress{"currentFile", "progressPercent", "progressTrack",
                                                    "progressBar"};

TEST_F(MainWindowTest, ABatchRunsWhileTheWindowStaysLiveAndReportsAtItsEnd) {
  QStringList files = pictures(3);
  files.insert(1, sources.write("broken.jpg", "not a picture"));
  const QString folder = output.file("out");
  startBatchWindow(files, folder);
  control<QComboBox>("presets")->setCurrentIndex(6); // RE-SAMPLING: own size, 85%, "@85%"

  go()->click();
  EXPECT_TRUE(window->isBatchRunning());
  EXPECT_EQ(go()->text(), "STOP");
  EXPECT_EQ(where({"addFiles", "removeFiles", "clearAll", "presets"}, &QWidget::isEnabled), QStringList());
  EXPECT_EQ(where(kProgress, &QWidget::isHidden), QStringList());
  EXPECT_TRUE(control("suffixTemplate")->isEnabled()) << "job controls stay live";
  EXPECT_EQ(where({"outputFormat", "boxMode", "neverEnlarge"}, &QWidget::isEnabled), QStringList())
      << "the format and the box stay as the batch began";

  ASSERT_TRUE(waitForBatchEnd());
  EXPECT_FALSE(window->isBatchRunning());
  EXPECT_EQ(written(folder), (QStringList{"photo1@85%.jpg", "photo2@85%.jpg", "photo3@85%.jpg"}));
  EXPECT_EQ(control<QLabel>("progressPercent")->text(), "100%");
  EXPECT_EQ(control<QLabel>("currentFile")->text(), "photo3.jpg");
  EXPECT_EQ(where(kProgress, &QWidget::isHidden).size(), 4);
  EXPECT_EQ(
      where({"addFiles", "clearAll", "presets", "goButton", "outputFormat"}, &QWidget::isEnabled).size(), 5);
  EXPECT_EQ(go()->text(), "GO!");

  ASSERT_EQ(prompts->shown().size(), 1);
  EXPECT_EQ(lastTitle(), "Couldn't read the following files..");
  EXPECT_EQ(prompts->shown().first().text, files[1]);
  EXPECT_EQ(launcher->launches(), (QList{RecordingLauncher::Launch{RecordingLauncher::Kind::Folder, folder,
                                                                   WindowMode::Maximised}}));
  EXPECT_EQ(notifier->notices(), QList<Notice>()) << "the folder opening says the batch is done";
}

TEST_F(MainWindowTest, ABatchEndedBehindOtherWindowsIsNotifiedWithItsFolderAndItsProgressWasShown) {
  QStringList files = pictures(2);
  files.append(sources.write("broken.jpg", "not a picture"));
  const QString folder = output.file("out");
  startBatchWindow(files, folder);
  window->openSettings();
  setting("openFolder")->setChecked(false);
  window->settingsWindow().close();

  go()->click();
  ASSERT_TRUE(waitForBatchEnd());
  EXPECT_EQ(notifier->notices(), (QList{Notice{"Resizing done", "2 pictures written\n1 failed", folder}}));
  ASSERT_GE(notifier->progress().size(), 2);
  EXPECT_EQ(notifier->progress().first(), (RecordingNotifier::Progress{0, true}));
  EXPECT_EQ(notifier->progress().last(), (RecordingNotifier::Progress{1, false}));
}

TEST_F(MainWindowTest, TheQualityFoundReachesTheBoxAndExitWhenDoneEndsTheProgram) {
  program.write("veltrane.html", "<p>the guide</p>");
  // A busy picture, so that 30 kB needs a quality well below the top.
  start({writeImage(sources.file("a.jpg"), noisePicture({200, 150}))});
  control<QLineEdit>("outputFolder")->setText(output.path());
  control<QLineEdit>("sizeLimitKb")->setText("30");
  QSignalSpy ended(window.get(), &MainWindow::ended);
  go()->click();
  ASSERT_TRUE(waitForBatchEnd());
  EXPECT_EQ(written(output.path()).size(), 1);
  const int quality = control<QLineEdit>("fixedQuality")->text().toInt();
  EXPECT_TRUE(quality > 0 && quality < 100) << quality;
  EXPECT_EQ(ended.count(), 1) << "the first-run values end the program after a batch";
  EXPECT_TRUE(window->isHidden());
  EXPECT_EQ(launcher->launches().size(), 2) << "the folder, then the support page";
  EXPECT_FALSE(program.read("Veltrane.INI").isEmpty());
}

// STOP finishes the pictures under way and begins no more; closing stops the batch before saving.
TEST_F(MainWindowTest, StopAndCloseEndABatchEarly) {
  for (const bool close : {false, true}) {
    SCOPED_TRACE(close ? "close" : "stop");
    const TempFolder folder;
    startBatchWindow(pictures(12), folder.path());
    QSignalSpy finished(window.get(), &MainWindow::batchFinished);
    QSignalSpy ended(window.get(), &MainWindow::ended);
    go()->click();
    if (close) {
      window->close();
      EXPECT_FALSE(window->isBatchRunning());
      EXPECT_EQ(ended.count(), 1);
      EXPECT_FALSE(program.read("Veltrane.INI").isEmpty());
      QCoreApplication::processEvents();
      EXPECT_EQ(finished.count(), 0) << "no end-of-batch actions after the end";
    } else {
      go()->click();
      EXPECT_FALSE(go()->isEnabled()) << "stopping";
      ASSERT_TRUE(waitForBatchEnd());
      EXPECT_TRUE(go()->isEnabled());
      EXPECT_EQ(go()->text(), "GO!");
    }
    // Only what was under way when it stopped is written: nothing, or a few.
    EXPECT_LT(written(folder.path()).size(), 12);
    EXPECT_TRUE(prompts->shown().isEmpty());
  }
}

TEST_F(MainWindowTest, TryingAllFramesOnALargeJobIsConfirmedFirstAndPutsTheJobBack) {
  writePicture(program.file("frames/Gold_10-10-90-90.jpg"), {100, 100}, Qt::yellow);
  writePicture(program.file("frames/Wood_10-10-90-90.jpg"), {100, 100}, Qt::darkRed);
  QStringList files = pictures(2);
  for (int i = 1; i <= 49; ++i)
    files.append(sources.file(QString("missing%1.jpg").arg(i)));
  const QString folder = output.file("out");
  startBatchWindow(files, folder);
  control<QComboBox>("frame")->setCurrentIndex(1);
  control<QLineEdit>("suffixTemplate")->setText("_x");
  box("addSuffix")->setChecked(true);
  prompts->queueAnswer(PromptAnswer::Cancel);
  go()->click();
  EXPECT_EQ(prompts->shown(),
            (QList{Prompt{"Are you sure to proceed?",
                          "102 pictures and 9 picture-indexes will be generated, trying all 2 frames.",
                          PromptIcon::Exclamation, PromptButtons::OkCancel, PromptAnswer::Cancel}}));
  EXPECT_FALSE(window->isBatchRunning());
  EXPECT_FALSE(QFileInfo::exists(folder));

  prompts->queueAnswer(PromptAnswer::Ok);
  go()->click();
  EXPECT_TRUE(window->isBatchRunning());
  ASSERT_TRUE(waitForBatchEnd());
  EXPECT_EQ(written(folder), (QStringList{"photo1 (Gold).jpg", "photo1 (Wood).jpg", "photo2 (Gold).jpg",
                                          "photo2 (Wood).jpg"}));
  EXPECT_EQ(lastTitle(), "Couldn't read the following files..");
  EXPECT_EQ(control<QLineEdit>("suffixTemplate")->text(), "_x");
  EXPECT_EQ(control<QComboBox>("frame")->currentIndex(), 1);
}

TEST_F(MainWindowTest, TheDeleteKeyRemovesAsTheRemoveButtonDoes) {
  start({sources.file("a.jpg")});
  window->form().fileList->addCommandLine(sources.file("b.jpg"));
  window->show();
  FileGrid &grid = *window->form().fileList->grid();
  clickCell(grid, window->sourceList(), 2, 2);
  QTest::keyClick(grid.surface(), Qt::Key_Delete);
  ASSERT_EQ(window->sourceList().fileCount(), 1);
  EXPECT_EQ(window->sourceList().cell(1, 2), "a.jpg");
  // Nothing selected: Remove is off, and so is Delete.
  QTest::keyClick(grid.surface(), Qt::Key_Delete);
  EXPECT_EQ(window->sourceList().fileCount(), 1);
}

} // namespace
