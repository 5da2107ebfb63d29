#include "WindowTestKit.h"

namespace {

// The preview beside the main window, and the main window's own shape.
class PreviewControllerTest : public WindowTest {
protected:
  // Starts with one picture on the list, selected.
  void startWith(const QString &picture) {
    start({picture});
    window->show();
    clickCell(*window->form().fileList->grid(), window->sourceList(), 1, 2);
  }
  std::pair<QString, QString> sizes() const {
    return {window->form().maxWidth->currentText(), window->form().maxHeight->currentText()};
  }
  PreviewWindow &preview() const { return window->previewWindow(); }
  // A resize the window system reports, as a drag of the borders comes.
  void dragBorders(QSize inner) {
    preview().windowHandle()->resize(inner);
    QApplication::processEvents();
  }
  bool shaped() const { return window->windowFlags().testFlag(Qt::FramelessWindowHint); }
  bool skinButtonsShown() const {
    return window->form().exitButton->isVisibleTo(window.get()) &&
           window->form().minimizeButton->isVisibleTo(window.get());
  }
  void sendMouse(QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, window->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &event);
  }

  TempFolder pictures;
};

std::pair<QString, QString> size(const char *width, const char *height) { return {width, height}; }

// Ticking "preview" resizes the window to the job's size; only the user's
// drag of its borders changes the sizes, never a late report of the size it
// had before or a resize of the program's own. Its shape and background
// follow the job.
TEST_F(PreviewControllerTest, ManualAdjustmentCouplesOnlyTheUsersResizeToTheSizes) {
  startWith(writePicture(pictures.file("photo.jpg"), {1600, 1200}, Qt::blue));
  // Loaded first: its arrival resizes the preview, which would cross the drags below.
  ASSERT_TRUE(
      waitFor([&] { return window->previewController().sourceBox().content().size == QSize(1600, 1200); }));
  box("widthOn")->setChecked(false);
  box("heightOn")->setChecked(true);
  window->form().maxHeight->setEditText("600");
  box("manualSize")->setChecked(true);
  ASSERT_EQ(sizes(), size("800", "600")) << "the width from the selected picture's proportions";
  box("showPreview")->setChecked(true);
  ASSERT_TRUE(preview().isVisible());
  ASSERT_EQ(preview().size(), QSize(800, 600));
  EXPECT_EQ(preview().windowTitle(), " PREVIEW (800 x 600)");
  EXPECT_EQ(preview().toolTip(), " PREVIEW (800 x 600)");

  dragBorders({320, 240}); // the window manager answering the show
  EXPECT_EQ(sizes(), size("800", "600")) << "a late configure of the old size";
  EXPECT_TRUE(waitFor([&] { return preview().size() == QSize(800, 600); })) << "the job's size asked again";
  dragBorders({800, 600}); // and then the resize asked for
  EXPECT_EQ(sizes(), size("800", "600"));
  dragBorders({320, 240});
  EXPECT_EQ(sizes(), size("800", "600")) << "the old size again, later still";
  dragBorders({800, 600});
  preview().resize(517, 400);
  QApplication::processEvents();
  EXPECT_EQ(sizes(), size("800", "600")) << "a resize by the program";

  // The user drags the borders: the job takes the new inner size.
  dragBorders({640, 480});
  EXPECT_EQ(sizes(), size("640", "480")) << "the user's drag still counts";
  EXPECT_EQ(preview().windowTitle(), " PREVIEW (640 x 480)");
  EXPECT_EQ(window->jobControls().job().maxWidth, "640");

  // Without manual adjustment a drag changes nothing and the box is 320 x 240.
  box("manualSize")->setChecked(false);
  EXPECT_EQ(preview().size(), QSize(320, 240));
  dragBorders({700, 500});
  EXPECT_EQ(sizes().first, "640");
  EXPECT_EQ(preview().size(), QSize(320, 240));

  // Closing only hides it and clears the check box; ticking shows it again.
  preview().close();
  EXPECT_FALSE(preview().isVisible());
  EXPECT_FALSE(box("showPreview")->isChecked());
  box("showPreview")->setChecked(true);
  EXPECT_TRUE(preview().isVisible());

  // It goes and comes back with the main window.
  window->showMinimized();
  EXPECT_FALSE(preview().isVisible());
  window->showNormal();
  EXPECT_TRUE(preview().isVisible());

  // The window follows the way of meeting the box as it changes, and the
  // checkers follow the format the selected picture would be written in.
  window->jobControls().applyPreset("X=800|800|0|85%|||0|4|3|0|0|0|same|fit|");
  box("manualSize")->setChecked(true);
  box("showPreview")->setChecked(true);
  EXPECT_EQ(preview().size(), QSize(800, 600));
  control<QComboBox>("boxMode")->setCurrentIndex(2);
  EXPECT_EQ(preview().size(), QSize(800, 800));
  EXPECT_FALSE(preview().transparencyKept()) << "the same format as a JPEG source";
  control<QComboBox>("outputFormat")->setCurrentIndex(1);
  EXPECT_TRUE(preview().transparencyKept()) << "PNG";
}

// Translucent while the main window lies over it, opaque again when it
// moves clear; a preview that did not move keeps its alpha at its own tick.
TEST_F(PreviewControllerTest, OnADenseScreenThePictureIsLoadedForItsDevicePixels) {
  screenSize = {800, 600};
  screenRatio = 2;
  startWith(writePicture(pictures.file("photo.jpg"), {3000, 2000}, Qt::blue));
  const SourceBox &box = window->previewController().sourceBox();
  ASSERT_TRUE(waitFor([&] { return box.content().size == QSize(3000, 2000); }));
  EXPECT_GE(box.content().picture.width(), 1600) << "a full-screen preview is as sharp as the screen";
}

TEST_F(PreviewControllerTest, TranslucentOverTheMainWindow) {
  startWith(writePicture(pictures.file("photo.jpg"), {400, 300}));
  window->move(100, 100);
  box("manualSize")->setChecked(false);
  box("showPreview")->setChecked(true);
  ASSERT_EQ(preview().size(), QSize(320, 240));
  const QRect main = window->frameGeometry();
  const auto alphaAfter = [&](QWidget &moved, QPoint place, bool tick) {
    moved.move(place);
    QApplication::processEvents();
    tick ? preview().tick() : QTest::qWait(250);
    return preview().alpha();
  };
  // The main window moves over the preview, which stays where it is, and back.
  EXPECT_EQ(alphaAfter(preview(), {900, 100}, false), 255);
  EXPECT_EQ(alphaAfter(*window, {700, 120}, false), 180);
  EXPECT_EQ(alphaAfter(*window, {100, 100}, false), 255);

  EXPECT_EQ(alphaAfter(preview(), {main.right() + 50, main.top()}, true), 255);
  EXPECT_EQ(alphaAfter(preview(), main.center(), true), 180);
  EXPECT_EQ(alphaAfter(*window, {main.right() + 400, 100}, true), 180);
  EXPECT_EQ(alphaAfter(preview(), main.center() + QPoint(1, 0), true), 255);
}

TEST_F(PreviewControllerTest, ADamagedFileShowsItsReason) {
  startWith(pictures.write("broken.jpg", QByteArray("\xFF\xD8\xFF\xE0 cut", 9)));
  box("showPreview")->setChecked(true);
  ASSERT_TRUE(waitFor([&] { return !preview().shownReason().isEmpty(); }));
  EXPECT_EQ(preview().shownReason(), "truncated JPEG data");
}

// A double-click switches between the shaped and the plain window. Any
// button drags the shaped window; where the platform's move takes only the
// left button, the window follows the pointer itself and lets go on that
// button's own release. The plain window has a title bar for that.
TEST_F(PreviewControllerTest, ADoubleClickSwitchesBetweenShapedAndPlainAndAnyButtonDragsTheShapedOne) {
  start();
  window->show();
  // First start: shaped, the built-in outline, the skin's own buttons.
  ASSERT_TRUE(shaped());
  EXPECT_EQ(window->mask(), QRegion(QPolygon(readOutline(kBuiltInOutline)), Qt::OddEvenFill));
  EXPECT_TRUE(skinButtonsShown());
  for (const bool plain : {true, false}) {
    QTest::mouseDClick(window.get(), Qt::LeftButton, {}, {300, 380});
    EXPECT_EQ(shaped(), !plain);
    EXPECT_EQ(window->mask().isEmpty(), plain);
    EXPECT_EQ(skinButtonsShown(), !plain);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->programSettings().plainMode, plain);
  }

  const QPoint body{520, 260}; // beside the Go button
  ASSERT_EQ(window->childAt(body), nullptr);
  for (const bool plain : {false, true}) {
    SCOPED_TRACE(plain ? "plain" : "shaped");
    if (plain)
      QTest::mouseDClick(window.get(), Qt::LeftButton, {}, body);
    window->move(100, 100);
    const QPoint grip = window->mapToGlobal(body);
    const QPoint moved = plain ? window->pos() : QPoint(250, 160);
    sendMouse(QEvent::MouseButtonPress, grip, Qt::RightButton, Qt::RightButton);
    sendMouse(QEvent::MouseMove, grip + QPoint(20, 0), Qt::NoButton, Qt::RightButton);
    sendMouse(QEvent::MouseMove, grip + QPoint(150, 60), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(window->pos(), moved);
    sendMouse(QEvent::MouseButtonRelease, grip + QPoint(150, 60), Qt::RightButton, Qt::NoButton);
    sendMouse(QEvent::MouseMove, grip + QPoint(300, 200), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window->pos(), moved) << "let go on the release";
  }
  // The plain window is kept for the next start.
  restart();
  EXPECT_FALSE(shaped());
  EXPECT_FALSE(skinButtonsShown());
}

} // namespace
