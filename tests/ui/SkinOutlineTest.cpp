#include "ui/SkinOutline.h"

#include <gtest/gtest.h>

using namespace veltrane;

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
