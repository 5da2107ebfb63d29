#include "ui/MainWindow.h"

#include "WindowTestKit.h"
#include "presets/SkinOutline.h"
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
