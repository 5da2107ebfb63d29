#include "common/FailedFiles.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(FailedFiles, ReportsNamesWithoutTheLastSeparator) {
  FailedFiles failed;
  EXPECT_EQ(failed.text(), QString());
  failed.add("a.txt");
  failed.add("/p/b.jpg", "not a picture");
  EXPECT_EQ(failed.text(), "a.txt, /p/b.jpg");
  EXPECT_EQ(failed.details(), "a.txt\n/p/b.jpg: not a picture");
}
