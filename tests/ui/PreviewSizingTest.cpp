#include "ui/PreviewSizing.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(PreviewSizing, FollowsTheJobThePictureAndTheScreen) {
  const QSize screen{1024, 768}, frame{8, 31};
  const struct {
    const char *name;
    PreviewSizingInput input;
    QSize inner;
    const char *caption; // nullptr: unchanged
  } cases[] = {
      {"the job's size",
       {true, "800", "600", true, true, false, screen, {1600, 1200}, frame},
       {800, 600},
       " PREVIEW (800 x 600)"},
      {"without manual adjustment",
       {false, "800", "600", true, true, false, screen, {1600, 1200}, frame},
       {320, 240},
       nullptr},
      {"only the width: the height follows the picture",
       {true, "400", "999", true, false, false, screen, {1600, 1200}, frame},
       {400, 300},
       " PREVIEW (400 x 300)"},
      {"only the height",
       {true, "999", "300", false, true, false, screen, {1600, 1200}, frame},
       {400, 300},
       " PREVIEW (400 x 300)"},
      {"swapped for an upright picture",
       {true, "600", "800", true, true, true, screen, {1600, 1200}, frame},
       {800, 600},
       " PREVIEW (800 x 600)"},
      {"the screen's width cannot fit: a 320-wide box at the same proportions",
       {true, "screen", "600", true, true, false, screen, {1600, 1200}, frame},
       {320, 188},
       " PREVIEW (scale 1 : 5)"},
      {"too tall: a 240-high box",
       {true, "300", "760", true, true, false, screen, {900, 2000}, frame},
       {95, 240},
       " PREVIEW (scale 1 : 9.4)"},
      {"nothing selected",
       {true, "2000", "1500", true, true, false, screen, {0, 0}, frame},
       {320, 240},
       " PREVIEW (no image selected)"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<PreviewBox> box = previewBox(c.input);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->inner, c.inner);
    if (c.caption)
      EXPECT_EQ(box->caption, QString::fromUtf8(c.caption));
    else
      EXPECT_FALSE(box->caption);
  }
  // An empty size box leaves the window alone.
  EXPECT_FALSE(previewBox({true, "", "600", true, true, false, screen, {1600, 1200}, frame}));
}

TEST(PreviewSizing, WindowsOverlapBeyondTheMargins) {
  const QRect main{100, 100, 600, 400};
  const OverlapMargins margins{4, 6, 4, 31 + 6};
  const struct {
    QRect preview;
    bool over;
  } cases[] = {
      {{300, 300, 320, 240}, true},  // in the middle
      {{900, 100, 320, 240}, false}, // beside it
      {{696, 300, 320, 240}, false}, // its right edge reaches 4 pixels in: not enough
      {{695, 300, 320, 240}, true},
      {{-214, 300, 320, 240}, false}, // left of it, reaching 6 pixels in
      {{-213, 300, 320, 240}, true},
      {{300, -103, 320, 240}, false}, // above it, down to the main window's caption
      {{300, -102, 320, 240}, true},
  };
  for (const auto &c : cases)
    EXPECT_EQ(windowsOverlap(main, c.preview, margins), c.over) << c.preview.x() << ", " << c.preview.y();
}
