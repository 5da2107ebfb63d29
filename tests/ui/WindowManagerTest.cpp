// The window under a real window manager (openbox on a virtual X server),
// driven as a user drives it: what synthesised events cannot show.
#include "XSession.h"

namespace {

class WindowManagerTest : public WindowTest {
protected:
  void SetUp() override {
    const QString missing = XSession::missingTools();
    if (!missing.isEmpty())
      GTEST_SKIP() << missing.toStdString();
    // Where the controls are, from the same window built here offscreen.
    start();
    window->show(); // laid out
    const QCheckBox *showPreview = window->form().showPreview;
    previewBox = showPreview->mapTo(window.get(), QPoint(8, showPreview->height() / 2)); // its tick box
    ASSERT_EQ(window->childAt(body), nullptr) << "a point of the body, not a control";
    session = std::make_unique<XSession>();
    ASSERT_TRUE(session->failure().isEmpty()) << session->failure().toStdString();
    main = session->mainWindow();
  }

  QPoint onMain(QPoint local) const { return session->clientArea(main).topLeft() + local; }
  bool doubleClick(QPoint place) const {
    return session->movePointer(place) && session->xdotool({"click", "--repeat", "2", "--delay", "100", "1"});
  }
  // Moves the main window by the window manager's own move (xdotool asks it).
  bool moveMain(QPoint place) const {
    session->xdotool({"windowmove", main, QString::number(place.x()), QString::number(place.y())});
    return pollFor([&] { return session->clientArea(main).topLeft() == place; });
  }
  bool framed() const { return session->frame(main) != session->clientArea(main); }

  const QPoint body{520, 260}; // beside the Go button
  QPoint previewBox;
  std::unique_ptr<XSession> session;
  QString main;
};

} // namespace

// The preview turns translucent while the main window lies over it, and
// opaque again when it is dragged clear: at once, not at the next event.
TEST_F(WindowManagerTest, ThePreviewFadesAsTheMainWindowIsDragged) {
  ASSERT_TRUE(session->movePointer(onMain(previewBox)) && session->xdotool({"click", "1"}));
  const std::optional<QString> preview = session->findWindow("PREVIEW");
  ASSERT_TRUE(preview);
  // Ticking "preview" leaves the first-run job's 800 x 600 as it is.
  ASSERT_TRUE(pollFor([&] { return session->title(*preview) == " PREVIEW (800 x 600)"; }))
      << session->title(*preview).toStdString();
  // Resized once openbox has framed it.
  ASSERT_TRUE(pollFor([&] { return session->clientArea(*preview).size() == QSize(800, 600); }));
  session->settledArea(*preview);
  const QRect previewFrame = session->frame(*preview);

  // Clear of it to the left, over its lower left corner, clear again; the
  // point dragged by stays outside the preview, which may lie on top.
  const QRect start = session->clientArea(main);
  const QPoint clear(previewFrame.left() - start.width() - 80, start.top());
  const QPoint over(previewFrame.left() - 300, previewFrame.bottom() - 200);
  ASSERT_FALSE(previewFrame.contains(over + body));
  for (const QPoint target : {clear, over, clear}) {
    const QRect before = session->clientArea(main);
    const QPoint grip = before.topLeft() + body;
    ASSERT_FALSE(previewFrame.contains(grip)) << "the preview lies over the point dragged by";
    ASSERT_TRUE(session->dragWindow(main, grip, grip + (target - before.topLeft()), 1))
        << "from " << before.x() << "," << before.y() << " to " << target.x() << "," << target.y();

    const QRect now = session->settledArea(main);
    const bool isOver = now.adjusted(20, 20, -20, -20).intersects(previewFrame);
    ASSERT_EQ(isOver, now.adjusted(-20, -20, 20, 20).intersects(previewFrame)) << "not near the border";
    const int expected = isOver ? 180 : 255;
    EXPECT_TRUE(pollFor([&] { return session->alpha(*preview) == expected; }, 5000))
        << "main window at " << now.x() << "," << now.y() << ": alpha " << session->alpha(*preview)
        << ", not " << expected;
  }
}

// A drag with the right button ends on its own release: the window no
// longer follows the pointer.
TEST_F(WindowManagerTest, ARightButtonDragLetsGoOnItsRelease) {
  ASSERT_TRUE(moveMain({200, 200}));
  const QPoint grip = onMain(body);
  ASSERT_TRUE(session->dragWindow(main, grip, grip + QPoint(150, 100), 3));
  const QRect released = session->settledArea(main);
  EXPECT_NE(released.topLeft(), QPoint(200, 200)) << "the drag moved it";
  session->movePointer(grip + QPoint(400, 300));
  session->movePointer(grip + QPoint(420, 320));
  // Stuck, it would follow the pointer by hundreds of pixels; a late step of
  // the drag itself, on a loaded machine, moves it a few at most.
  const QRect after = session->settledArea(main);
  EXPECT_LT((after.topLeft() - released.topLeft()).manhattanLength(), 100)
      << "it follows the pointer with no button held: from " << released.x() << "," << released.y() << " to "
      << after.x() << "," << after.y();
  session->xdotool({"click", "1"}); // lets go of it, if it was stuck
}

// Switching to the plain window keeps the picture where it was, and keeps
// the frame on the screen where the title bar would not fit.
TEST_F(WindowManagerTest, ThePlainWindowKeepsItsPlaceOnTheScreen) {
  const QSize screen = XSession::kScreen;
  ASSERT_TRUE(moveMain({200, 300}));
  ASSERT_TRUE(doubleClick(onMain(body)));
  ASSERT_TRUE(pollFor([&] { return framed(); })) << "the title bar came";
  EXPECT_EQ(session->settledArea(main).topLeft(), QPoint(200, 300));
  ASSERT_TRUE(doubleClick(onMain(body)));
  ASSERT_TRUE(pollFor([&] { return !framed(); })) << "shaped again";
  EXPECT_EQ(session->settledArea(main).topLeft(), QPoint(200, 300));

  // At the bottom of the screen the plain window is lifted as far as its frame needs.
  const int bottom = screen.height() - session->clientArea(main).height();
  ASSERT_TRUE(moveMain({200, bottom}));
  ASSERT_TRUE(doubleClick(onMain(body)));
  ASSERT_TRUE(pollFor([&] { return framed(); }));
  session->settledArea(main);
  ASSERT_TRUE(pollFor([&] { return session->frame(main).bottom() < screen.height(); }))
      << "frame bottom at " << session->frame(main).bottom();
  const QRect frame = session->frame(main);
  EXPECT_GE(frame.top(), 0);
  EXPECT_EQ(frame.bottom(), screen.height() - 1);
  EXPECT_EQ(session->clientArea(main).x(), 200);
}
