// GIF image data that giflib decodes without a word although it is broken,
// beside real encoders' files that must still decode.

#include "DecoderFixture.h"
#include "TestData.h"

#include <gtest/gtest.h>

using namespace veltrane;
using namespace veltrane::test;

namespace {

class GifDataTest : public DecoderFixture {};

} // namespace

TEST_F(GifDataTest, CodesPastTheTableAreRefusedAndRealEncodersDecode) {
  const struct {
    const char *file;
    QSize size; // invalid: refused as damaged
  } cases[] = {
      {"gif-pillow-shapes.gif", {300, 200}},
      {"gif-pillow-interlaced.gif", {61, 37}},
      {"gif-pillow-two-colours.gif", {40, 30}},
      {"gif-pillow-transparent.gif", {50, 40}},
      // One byte changed: a code past the table, and still exactly 300 x 200 pixels of codes.
      {"gif-lzw-one-byte-changed.gif", {}},
  };
  for (const auto &c : cases) {
    const QByteArray file = testData(c.file);
    ASSERT_FALSE(file.isEmpty()) << c.file;
    const DecodeResult result = decode(file);
    if (!c.size.isValid()) {
      EXPECT_EQ(result.error, "damaged GIF data") << c.file;
      EXPECT_FALSE(result.ok()) << c.file;
      continue;
    }
    ASSERT_TRUE(result.ok()) << c.file << ": " << result.error.toStdString();
    EXPECT_EQ(result.picture->image.size(), c.size) << c.file;
  }
  // The shapes on their light background, where Pillow put them.
  const DecodeResult shapes = decode(testData("gif-pillow-shapes.gif"));
  ASSERT_TRUE(shapes.ok());
  EXPECT_EQ(shapes.picture->image.pixel(299, 199), qRgb(240, 240, 230));
}
