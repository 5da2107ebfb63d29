#include "ui/Skin.h"

#include "TempFolder.h"
#include "TestPictures.h"
#include "storage/ProgramFolder.h"
#include "ui/SkinOutline.h"

#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>

using namespace veltrane;

TEST(Skin, TheProgramFoldersSkinOrTheBuiltInOne) {
  const QList<QPoint> builtIn = readOutline(kBuiltInOutline);
  const QList<QPoint> rectangle{{0, 0}, {0, 406}, {603, 406}, {603, 0}};
  const struct {
    const char *name;
    QSize picture;       // written as skin.bmp; empty: none
    QByteArray bytes;    // written as skin.bmp instead, when not empty
    const char *outline; // skin.ini; nullptr: none
    bool builtInPicture;
    QList<QPoint> points;
  } cases[] = {
      {"no skin.bmp", {}, {}, "1,1,2,2,3,3,", true, builtIn},
      {"an unreadable skin.bmp", {}, "BM not really a picture", "1,1,2,2,3,3,", true, builtIn},
      {"a skin without outline", {603, 406}, {}, nullptr, false, rectangle},
      {"a skin with its outline",
       {603, 406},
       {},
       "10,10,590,12,300,390,",
       false,
       {{10, 10}, {590, 12}, {300, 390}}},
      {"a skin of another size", {300, 200}, {}, nullptr, false, rectangle},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder folder;
    if (!c.bytes.isEmpty())
      folder.write("skin.bmp", c.bytes);
    else if (c.picture.isValid())
      test::writePicture(folder.file("skin.bmp"), c.picture, Qt::darkCyan);
    if (c.outline)
      folder.write("skin.ini", c.outline);
    const Skin skin = loadSkin(ProgramFolder::portable(folder.path(), ProgramFolder::userLocations({})));
    EXPECT_EQ(skin.picture.isNull(), c.builtInPicture);
    if (!c.builtInPicture) {
      EXPECT_EQ(skin.picture.size(), QSize(603, 406));
    }
    EXPECT_EQ(skin.outline, c.points);
  }
}

TEST(Skin, TheBuiltInSkinTakesTheDesktopsColour) {
  test::TempFolder folder;
  const Skin skin = loadSkin(ProgramFolder::portable(folder.path(), ProgramFolder::userLocations({})));
  ASSERT_FALSE(skin.relief.isNull());
  const auto painted = [&](QColor window) {
    QImage image(603, 406, QImage::Format_RGB32);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    QPainter painter(&image);
    skin.paint(painter, palette);
    painter.end();
    return test::averageColour(image, {100, 150, 400, 100});
  };
  EXPECT_GT(painted(QColor(239, 239, 239)).lightness(), 180);
  EXPECT_LT(painted(QColor(45, 45, 48)).lightness(), 90);
}
