#include "WindowTestKit.h"

TEST(SkinOutline, ReadsPairsFollowedByACommaMovedByTheOffsets) {
  using Points = QList<QPoint>;
  const struct {
    const char *text;
    double dx, dy;
    Points points;
  } cases[] = {
      {"10,20,30,40", 0, 0, {{10, 20}}}, // the 40 has no comma after it
      {"10,20,30,40,", 0, 0, {{10, 20}, {30, 40}}},
      {"10,20,30,", 0, 0, {{10, 20}}}, // an x without its y
      {"", 0, 0, {}},
      {"no numbers here", 0, 0, {}},
      {" 7px, 8 ,x,9,", 0, 0, {{7, 8}, {0, 9}}}, // leading numbers: "x" is 0
      // The rectangle outline with the borders of bx 6, by 25: +3 and +(25 - 6/2).
      {"0,0,0,406,603,406,603,0,603,0", 3, 22, {{3, 22}, {3, 428}, {606, 428}, {606, 22}}},
      // Halves to even, and no overflow however large a number.
      {"0.5,1.5,2.5,-0.5,", 0, 0, {{0, 2}, {2, 0}}},
      {"99999999999999999999,-99999999999999999999,", 0, 0, {{1000000, -1000000}}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(readOutline(QString::fromUtf8(c.text), c.dx, c.dy), c.points) << c.text;

  const QList<QPoint> builtIn = readOutline(kBuiltInOutline);
  ASSERT_EQ(builtIn.size(), 80);
  EXPECT_EQ(builtIn.first(), QPoint(91, 3));
  EXPECT_EQ(builtIn.last(), QPoint(77, 4));

  QString many;
  for (int i = 0; i < 205; ++i)
    many += QStringLiteral("%1,%1,").arg(i);
  const QList<QPoint> kept = readOutline(many);
  ASSERT_EQ(kept.size(), 201);
  EXPECT_EQ(kept.last(), QPoint(200, 200));
}

TEST(Skin, TheProgramFoldersSkinOrTheBuiltInOne) {
  const QList<QPoint> builtIn = readOutline(kBuiltInOutline);
  const QList<QPoint> rectangle{{0, 0}, {0, 406}, {603, 406}, {603, 0}};
  const struct {
    QSize picture;       // written as skin.bmp; empty: none
    QByteArray bytes;    // written as skin.bmp instead, when not empty
    const char *outline; // skin.ini; nullptr: none
    QList<QPoint> points;
  } cases[] = {
      {{}, {}, "1,1,2,2,3,3,", builtIn},                        // no skin.bmp: the built-in one
      {{}, "BM not really a picture", "1,1,2,2,3,3,", builtIn}, // nor with an unreadable one
      {{603, 406}, {}, nullptr, rectangle},
      {{603, 406}, {}, "10,10,590,12,300,390,", {{10, 10}, {590, 12}, {300, 390}}},
      {{300, 200}, {}, nullptr, rectangle}, // another size: drawn at 603 x 406
      {{1206, 812}, {}, nullptr, rectangle},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.outline ? c.outline : "no outline");
    TempFolder folder;
    if (!c.bytes.isEmpty())
      folder.write("skin.bmp", c.bytes);
    else if (c.picture.isValid())
      writePicture(folder.file("skin.bmp"), c.picture, Qt::darkCyan);
    if (c.outline)
      folder.write("skin.ini", c.outline);
    const Skin skin = loadSkin(ProgramFolder::portable(folder.path(), ProgramFolder::userLocations({})));
    EXPECT_EQ(skin.picture.size(), c.picture.isValid() ? c.picture : QSize(0, 0)) << "0 x 0: none";
    EXPECT_EQ(skin.outline, c.points);
  }
}

TEST(Skin, TheBuiltInSkinTakesTheDesktopsColour) {
  TempFolder folder;
  const Skin skin = loadSkin(ProgramFolder::portable(folder.path(), ProgramFolder::userLocations({})));
  ASSERT_FALSE(skin.relief.isNull());
  const auto painted = [&](QColor window) {
    QImage image(603, 406, QImage::Format_RGB32);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    QPainter painter(&image);
    skin.paint(painter, palette);
    painter.end();
    return averageColour(image, {100, 150, 400, 100});
  };
  EXPECT_GT(painted(QColor(239, 239, 239)).lightness(), 180);
  EXPECT_LT(painted(QColor(45, 45, 48)).lightness(), 90);
}

namespace {

QImage paintedAt(const Skin &skin, qreal ratio) {
  QImage image((QSizeF(Skin::kSize) * ratio).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  QPainter painter(&image);
  skin.paint(painter, QPalette(QColor(239, 239, 239)));
  return image;
}

// The built-in skin is a soft relief: its edges step by a few grey levels.
constexpr int kReliefStep = 8;

} // namespace

TEST(Skin, IsSharpOnADenseScreenAndScaledSmoothlyThere) {
  TempFolder folder;
  const Skin builtIn = loadSkin(ProgramFolder::portable(folder.path(), ProgramFolder::userLocations({})));
  ASSERT_EQ(builtIn.relief2x.size(), QSize(1206, 812));
  const QImage upscaled =
      paintedAt(builtIn, 1).scaled(1206, 812, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_GT(sharpSteps(paintedAt(builtIn, 2), kReliefStep), 2 * sharpSteps(upscaled, kReliefStep))
      << "the rim is drawn at 200%";
  EXPECT_EQ(paintedAt(builtIn, 1.5).size(), QSize(905, 609));

  // A user's skin of one-pixel stripes: at its own size it stays sharp,
  // at half that size it is scaled smoothly, never in blocks.
  const auto stripes = [](QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    for (int x = 0; x < size.width(); ++x)
      for (int y = 0; y < size.height(); ++y)
        picture.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return picture;
  };
  Skin user;
  user.picture = stripes({1206, 812});
  const QImage dense = paintedAt(user, 2);
  EXPECT_EQ(dense.pixel(10, 10), qRgb(0, 0, 0));
  EXPECT_EQ(dense.pixel(11, 10), qRgb(255, 255, 255));
  user.picture = stripes({603, 406});
  const int grey = qGray(paintedAt(user, 1.5).pixel(300, 200));
  EXPECT_TRUE(grey > 30 && grey < 225) << grey;
}

TEST(Translucency, SetsTheOpacityOrSaysWhyNot) {
  QWidget window;
  EXPECT_EQ(makeTranslucent(window, 180), Translucency::Done);
  EXPECT_EQ(makeTranslucent(window, 256), Translucency::AlphaOutOfRange);
  EXPECT_EQ(makeTranslucent(window, -1), Translucency::AlphaOutOfRange);
  EXPECT_NEAR(window.windowOpacity(), 180 / 255.0, 0.01) << "kept";
  EXPECT_EQ(makeTranslucent(window, 255), Translucency::Done);
  EXPECT_EQ(window.windowOpacity(), 1.0);
}
