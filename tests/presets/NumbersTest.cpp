#include "presets/Numbers.h"

#include <gtest/gtest.h>

using namespace veltrane;

TEST(Numbers, LeadingNumberReadsOnlyTheNumberThatBeginsTheText) {
  const struct {
    const char *text;
    double value;
  } cases[] = {{"85%", 85}, {"  12.5x", 12.5}, {"100k", 100}, {"abc", 0},  {"", 0},    {"-3.25", -3.25},
               {"+7", 7},   {"1.2.3", 1.2},    {".5", 0.5},   {"85.", 85}, {"- 3", 0}, {"12 34", 12}};
  for (const auto &c : cases)
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Numbers, RoundsHalvesToEven) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(2.51), 3);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(-2.4), -2);
}

TEST(Numbers, StrictConversionTakesTheWholeTextOrNothing) {
  EXPECT_EQ(strictInt16(QStringLiteral(" 12 ")), 12);
  EXPECT_EQ(strictInt16(QStringLiteral("-1")), -1);
  EXPECT_EQ(strictInt16(QStringLiteral("2.5")), 2);
  EXPECT_EQ(strictInt16(QStringLiteral("3.5")), 4);
  EXPECT_EQ(strictInt16(QStringLiteral("")), std::nullopt);
  EXPECT_EQ(strictInt16(QStringLiteral("  ")), std::nullopt);
  EXPECT_EQ(strictInt16(QStringLiteral("1x")), std::nullopt);
  EXPECT_EQ(strictInt16(QStringLiteral("x1")), std::nullopt);
  EXPECT_EQ(strictInt16(QStringLiteral("32768")), std::nullopt);
  EXPECT_EQ(strictInt32(QStringLiteral("32768")), 32768);
  EXPECT_EQ(strictInt32(QStringLiteral("16777215")), 16777215);
  EXPECT_EQ(strictInt32(QStringLiteral("9999999999")), std::nullopt);
}

TEST(Numbers, FormatsTheShortestTextThatReadsBack) {
  EXPECT_EQ(formatNumber(85.0), QStringLiteral("85"));
  EXPECT_EQ(formatNumber(85.5), QStringLiteral("85.5"));
  EXPECT_EQ(formatNumber(0.1), QStringLiteral("0.1"));
  EXPECT_EQ(formatNumber(12345.0f), QStringLiteral("12345"));
  EXPECT_EQ(formatNumber(0.1f), QStringLiteral("0.1"));
}
