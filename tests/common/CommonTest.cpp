#include "common/FailedFiles.h"
#include "common/Numbers.h"
#include "common/ReplaceAll.h"

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

TEST(Numbers, LeadingNumberReadsOnlyTheNumberThatBeginsTheText) {
  const struct {
    const char *text;
    double value;
  } cases[] = {{"85%", 85}, {"  12.5x", 12.5}, {"100k", 100}, {"abc", 0},  {"", 0},    {"-3.25", -3.25},
               {"+7", 7},   {"1.2.3", 1.2},    {".5", 0.5},   {"85.", 85}, {"- 3", 0}, {"12 34", 12}};
  for (const auto &c : cases)
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Numbers, StrictConversionTakesTheWholeTextOrNothing) {
  // A fraction is rounded half to even.
  const std::pair<const char *, std::optional<qint16>> cases[] = {{" 12 ", 12}, {"-1", -1}, {"2.5", 2},
                                                                  {"3.5", 4},   {"", {}},   {"  ", {}},
                                                                  {"1x", {}},   {"x1", {}}, {"32768", {}}};
  for (const auto &[text, value] : cases)
    EXPECT_EQ(strictInt16(text), value) << text;
  EXPECT_EQ(strictInt32("16777215"), 16777215);
  EXPECT_EQ(strictInt32("9999999999"), std::nullopt);
}

// What is written must read back the same: no exponent form, however large or small.
TEST(Numbers, WrittenNumbersReadBackTheSame) {
  for (const double value : {0.0, 85.0, 72.5, 100000.0, 1e6, 12345678.0, 1e21, 0.0001, -28800.0, 1e300}) {
    const QString text = formatNumber(value);
    EXPECT_FALSE(text.contains(u'e')) << text.toStdString();
    EXPECT_EQ(leadingNumber(text), value) << text.toStdString();
  }
  EXPECT_EQ(formatNumber(100000.0), "100000");
  EXPECT_EQ(formatNumber(10110.0f), "10110");
  EXPECT_EQ(formatNumber(300.5f), "300.5");
}

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
