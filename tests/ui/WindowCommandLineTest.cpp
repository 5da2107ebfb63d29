#include "ui/WindowCommandLine.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(WindowCommandLineTest, EveryArgumentThatIsNotAnOptionIsAPicture) {
  WindowCommandLine line =
      parseWindowCommandLine({QStringLiteral("--home"), QStringLiteral("/opt/v"), QStringLiteral("a.jpg"),
                              QStringLiteral("/p/b c.gif"), QStringLiteral("file:///p/d%20e.bmp"),
                              QStringLiteral("\"/p/q.jpg\""), QStringLiteral("--"), QStringLiteral("--home")},
                             QStringLiteral("/work"));
  EXPECT_TRUE(line.error.isEmpty());
  EXPECT_EQ(line.home, QStringLiteral("/opt/v"));
  EXPECT_EQ(line.files, (QStringList{QStringLiteral("/work/a.jpg"), QStringLiteral("/p/b c.gif"),
                                     QStringLiteral("/p/d e.bmp"), QStringLiteral("/p/q.jpg"),
                                     QStringLiteral("/work/--home")}));
  EXPECT_EQ(parseWindowCommandLine({QStringLiteral("--home=/h")}, QStringLiteral("/")).home,
            QStringLiteral("/h"));
  EXPECT_FALSE(parseWindowCommandLine({QStringLiteral("--home")}, {}).error.isEmpty());
  EXPECT_FALSE(parseWindowCommandLine({QStringLiteral("--colour")}, {}).error.isEmpty());
}
