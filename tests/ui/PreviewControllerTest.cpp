#include "ui/PreviewController.h"

#include "GridEvents.h"
#include "TestPictures.h"
#include "WindowTestKit.h"
#include "ui/FileList.h"
#include "ui/JobControls.h"
#include "ui/PreviewWindow.h"
#include "ui/SourceBox.h"

#include <QComboBox>
#include <QWindow>

using namespace veltrane;

namespace {

class PreviewControllerTest : public test::WindowTest {
protected:
  // Starts with one picture on the list, selected.
  void startWith(const QString &picture) {
    start({picture});
    window->show();
    test::clickCell(*window->form().fileList->grid(), window->sourceList(), 1, 2);
  }
  QString widthText() const { return window->form().maxWidth->currentText(); }
  QString heightText() const { return window->form().maxHeight->currentText(); }
  PreviewWindow &preview() const { return window->previewWindow(); }
  // A resize the window system reports, as a drag of the borders comes.
  void dragBorders(QSize inner) {
    preview().windowHandle()->resize(inner);
    QApplication::processEvents();
  }

  test::TempFolder pictures;
};

} // namespace

TEST_F(PreviewControllerTest, TheSizesFollowTheSelectedPicture) {
  const QString tall = test::writePicture(pictures.file("tall.jpg"), {300, 900}, Qt::green);
  start();
  control<QCheckBox>("widthOn")->setChecked(false);
  control<QCheckBox>("heightOn")->setChecked(false);
  // Nothing selected: the empty box's 320 x 240.
  EXPECT_EQ(std::pair(widthText(), heightText()), std::pair(QString("320"), QString("240")));
  window->form().fileList->addCommandLine(tall);
  window->show();
  test::clickCell(*window->form().fileList->grid(), window->sourceList(), 1, 2);
  ASSERT_TRUE(test::waitFor([&] { return widthText() == "300"; })) << widthText().toStdString();
  EXPECT_EQ(heightText(), "900");
  // Only the height at 600: the width keeps the picture's proportions.
  control<QCheckBox>("heightOn")->setChecked(true);
  window->form().maxHeight->setEditText("600");
  EXPECT_EQ(widthText(), "200");
}

TEST_F(PreviewControllerTest, ManualAdjustmentCouplesTheBordersAndTheSizes) {
  startWith(test::writePicture(pictures.file("photo.jpg"), {1600, 1200}, Qt::blue));
  control<QCheckBox>("widthOn")->setChecked(true);
  control<QCheckBox>("heightOn")->setChecked(true);
  window->form().maxWidth->setEditText("800");
  window->form().maxHeight->setEditText("600");
  control<QCheckBox>("manualSize")->setChecked(true);
  control<QCheckBox>("showPreview")->setChecked(true);
  ASSERT_TRUE(preview().isVisible());
  ASSERT_TRUE(test::waitFor([&] { return preview().size() == QSize(800, 600); })) << preview().width();
  EXPECT_EQ(preview().windowTitle(), " PREVIEW (800 x 600)");
  EXPECT_EQ(preview().toolTip(), " PREVIEW (800 x 600)");

  // The user drags the borders: the job takes the new inner size.
  dragBorders({517, 400});
  EXPECT_EQ(std::pair(widthText(), heightText()), std::pair(QString("517"), QString("400")));
  EXPECT_EQ(preview().windowTitle(), " PREVIEW (517 x 400)");
  EXPECT_EQ(window->jobControls().job().maxWidth, "517");

  // Without manual adjustment a drag changes nothing and the box is 320 x 240.
  control<QCheckBox>("manualSize")->setChecked(false);
  EXPECT_EQ(preview().size(), QSize(320, 240));
  dragBorders({700, 500});
  EXPECT_EQ(widthText(), "517");
  EXPECT_EQ(preview().size(), QSize(320, 240));

  // Closing only hides it and clears the check box; ticking shows it again.
  preview().close();
  EXPECT_FALSE(preview().isVisible());
  EXPECT_FALSE(control<QCheckBox>("showPreview")->isChecked());
  control<QCheckBox>("showPreview")->setChecked(true);
  EXPECT_TRUE(preview().isVisible());

  // It goes and comes back with the main window.
  window->showMinimized();
  EXPECT_FALSE(preview().isVisible());
  window->showNormal();
  EXPECT_TRUE(preview().isVisible());
}

// Ticking "preview" resizes the window to the job's size; a late report of
// the size it had before, or any resize of the program's own, is no drag.
TEST_F(PreviewControllerTest, OnlyTheUsersResizeChangesTheSizes) {
  startWith(test::writePicture(pictures.file("photo.jpg"), {1600, 1200}, Qt::blue));
  // Loaded first: its arrival resizes the preview, which would cross the drags below.
  ASSERT_TRUE(test::waitFor(
      [&] { return window->previewController().sourceBox().content().size == QSize(1600, 1200); }));
  control<QCheckBox>("widthOn")->setChecked(false);
  control<QCheckBox>("heightOn")->setChecked(true);
  window->form().maxHeight->setEditText("600");
  control<QCheckBox>("manualSize")->setChecked(true);
  ASSERT_EQ(widthText(), "800");
  control<QCheckBox>("showPreview")->setChecked(true);
  ASSERT_EQ(preview().size(), QSize(800, 600));
  const auto sizes = [&] { return std::pair(widthText(), heightText()); };
  const std::pair<QString, QString> job{"800", "600"};

  dragBorders({320, 240}); // the window manager answering the show
  EXPECT_EQ(sizes(), job) << "a late configure of the old size";
  EXPECT_TRUE(test::waitFor([&] { return preview().size() == QSize(800, 600); }))
      << "the job's size asked again";
  dragBorders({800, 600}); // and then the resize asked for
  EXPECT_EQ(sizes(), job);
  dragBorders({320, 240});
  EXPECT_EQ(sizes(), job) << "the old size again, later still";
  dragBorders({800, 600});
  preview().resize(517, 400);
  QApplication::processEvents();
  EXPECT_EQ(sizes(), job) << "a resize by the program";

  dragBorders({640, 480});
  EXPECT_EQ(sizes(), std::pair(QString("640"), QString("480"))) << "the user's drag still counts";
}

TEST_F(PreviewControllerTest, TranslucentOverTheMainWindowOnlyWhenMoved) {
  startWith(test::writePicture(pictures.file("photo.jpg"), {400, 300}));
  window->move(100, 100);
  control<QCheckBox>("manualSize")->setChecked(false);
  control<QCheckBox>("showPreview")->setChecked(true);
  ASSERT_EQ(preview().size(), QSize(320, 240));
  const QRect main = window->frameGeometry();
  const auto moveTo = [](QWidget &widget, QPoint place) {
    widget.move(place);
    QApplication::processEvents();
  };
  moveTo(preview(), {main.right() + 50, main.top()});
  preview().tick();
  EXPECT_EQ(preview().alpha(), 255);
  moveTo(preview(), main.center());
  preview().tick();
  EXPECT_EQ(preview().alpha(), 180);
  // The main window moving away leaves a preview that did not move as it is.
  moveTo(*window, {main.right() + 400, 100});
  preview().tick();
  EXPECT_EQ(preview().alpha(), 180);
  moveTo(preview(), main.center() + QPoint(1, 0));
  preview().tick();
  EXPECT_EQ(preview().alpha(), 255);
}

TEST_F(PreviewControllerTest, ADamagedFileShowsItsReason) {
  startWith(pictures.write("broken.jpg", QByteArray("\xFF\xD8\xFF\xE0 cut", 9)));
  control<QCheckBox>("showPreview")->setChecked(true);
  ASSERT_TRUE(test::waitFor([&] { return !preview().shownReason().isEmpty(); }));
  EXPECT_EQ(preview().shownReason(), "truncated JPEG data");
}
