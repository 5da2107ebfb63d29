#include "common/ReplaceAll.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(ReplaceAll, CollapsesRunsIgnoresCaseAndNeverLoops) {
  const struct {
    const char *text, *find, *replacement, *expected;
  } cases[] = {
      {"/pics//a.jpg", "//", "/", "/pics/a.jpg"},
      {"///pics/////a.jpg//", "//", "/", "/pics/a.jpg/"},
      {"a[w]b[W]", "[W]", "8", "a8b8"},
      {"aaaa", "aa", "b", "bb"},
      {"xabcab", "ab", "a", "xaca"},
      // Nothing to find, or a replacement that holds what it replaces: the text as it was.
      {"abc", "", "x", "abc"},
      {"a/b", "/", "//", "a/b"},
      {"a[f]b", "[F]", "[f] gold", "a[f]b"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(replaceAll(c.text, c.find, c.replacement), c.expected) << c.text << " " << c.find;
}
