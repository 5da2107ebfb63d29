#include "ui/WindowCommandLine.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(WindowCommandLineTest, EveryArgumentThatIsNotAnOptionIsAPicture) {
  WindowCommandLine line = parseWindowCommandLine(
      {"--home", "/opt/v", "a.jpg", "/p/b c.gif", "file:///p/d%20e.bmp", "\"/p/q.jpg\"", "--", "--home"},
      "/work");
  EXPECT_TRUE(line.error.isEmpty());
  EXPECT_EQ(line.home, "/opt/v");
  EXPECT_EQ(line.files, (QStringList{"/work/a.jpg", "/p/b c.gif", "/p/d e.bmp", "/p/q.jpg", "/work/--home"}));
  EXPECT_EQ(parseWindowCommandLine({"--home=/h"}, "/").home, "/h");
  EXPECT_FALSE(parseWindowCommandLine({"--home"}, {}).error.isEmpty());
  EXPECT_FALSE(parseWindowCommandLine({"--colour"}, {}).error.isEmpty());
}
