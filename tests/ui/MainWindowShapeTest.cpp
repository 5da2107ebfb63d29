#include "ui/MainWindow.h"

#include "WindowTestKit.h"
#include "ui/SkinOutline.h"
#include "ui/PreviewWindow.h"

#include <QTest>
#include <QToolButton>

using namespace veltrane;

namespace {

class MainWindowShapeTest : public test::WindowTest {
protected:
  bool skinButtonsShown() const {
    return window->form().exitButton->isVisibleTo(window.get()) &&
           window->form().minimizeButton->isVisibleTo(window.get());
  }
  bool shaped() const { return window->windowFlags().testFlag(Qt::FramelessWindowHint); }
};

} // namespace

TEST_F(MainWindowShapeTest, ADoubleClickSwitchesBetweenShapedAndPlain) {
  start();
  window->show();
  // First start: shaped, the built-in outline, the skin's own buttons.
  ASSERT_TRUE(shaped());
  EXPECT_EQ(window->mask(), QRegion(QPolygon(readOutline(kBuiltInOutline)), Qt::OddEvenFill));
  EXPECT_TRUE(skinButtonsShown());

  QTest::mouseDClick(window.get(), Qt::LeftButton, {}, {300, 380});
  EXPECT_FALSE(shaped());
  EXPECT_TRUE(window->mask().isEmpty());
  EXPECT_FALSE(skinButtonsShown());
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->programSettings().plainMode);

  QTest::mouseDClick(window.get(), Qt::LeftButton, {}, {300, 380});
  EXPECT_TRUE(shaped());
  EXPECT_FALSE(window->mask().isEmpty());
  EXPECT_TRUE(skinButtonsShown());

  // The choice is kept for the next start.
  QTest::mouseDClick(window.get(), Qt::LeftButton, {}, {300, 380});
  restart();
  EXPECT_FALSE(shaped());
  EXPECT_FALSE(skinButtonsShown());
}

TEST_F(MainWindowShapeTest, ThePreviewFadesWhenTheMainWindowMovesOverIt) {
  start();
  window->show();
  window->move(100, 100);
  control<QCheckBox>("manualSize")->setChecked(false);
  control<QCheckBox>("showPreview")->setChecked(true);
  PreviewWindow &preview = window->previewWindow();
  preview.move(900, 100);
  QTest::qWait(250);
  ASSERT_EQ(preview.alpha(), 255);
  // The main window moves over the preview, which stays where it is.
  window->move(700, 120);
  QTest::qWait(250);
  EXPECT_EQ(preview.alpha(), 180);
  window->move(100, 100);
  QTest::qWait(250);
  EXPECT_EQ(preview.alpha(), 255);
}

// Any button drags the shaped window; where the platform's move takes only
// the left button, the window follows the pointer itself and lets go on that
// button's own release.
TEST_F(MainWindowShapeTest, ARightButtonDragMovesTheWindowUntilItsRelease) {
  start();
  window->show();
  window->move(100, 100);
  const QPoint body{520, 260}; // beside the Go button
  ASSERT_EQ(window->childAt(body), nullptr);
  const auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, window->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &event);
  };
  const QPoint grip = window->mapToGlobal(body);
  send(QEvent::MouseButtonPress, grip, Qt::RightButton, Qt::RightButton);
  send(QEvent::MouseMove, grip + QPoint(20, 0), Qt::NoButton, Qt::RightButton);
  send(QEvent::MouseMove, grip + QPoint(150, 60), Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(window->pos(), QPoint(250, 160));
  send(QEvent::MouseButtonRelease, grip + QPoint(150, 60), Qt::RightButton, Qt::NoButton);
  send(QEvent::MouseMove, grip + QPoint(300, 200), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window->pos(), QPoint(250, 160)) << "let go on the release";

  // The plain window has a title bar for that.
  QTest::mouseDClick(window.get(), Qt::LeftButton, {}, body);
  const QPoint plainGrip = window->mapToGlobal(body);
  const QPoint plainPlace = window->pos();
  send(QEvent::MouseButtonPress, plainGrip, Qt::RightButton, Qt::RightButton);
  send(QEvent::MouseMove, plainGrip + QPoint(150, 60), Qt::NoButton, Qt::RightButton);
  send(QEvent::MouseButtonRelease, plainGrip + QPoint(150, 60), Qt::RightButton, Qt::NoButton);
  EXPECT_EQ(window->pos(), plainPlace);
}
