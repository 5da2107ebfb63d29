#include "imaging/ExifOrientation.h"
#include "FilePatches.h"

#include <gtest/gtest.h>

using namespace veltrane;

// Byte orders and every orientation are the decoder's test; this checks damaged blocks read as 1.
TEST(ExifOrientation, ReadsOnlyWhatIsThere) {
  const auto orientationOf = [](const QByteArray &payload) {
    return exifOrientation(reinterpret_cast<const unsigned char *>(payload.constData()),
                           size_t(payload.size()));
  };
  const QByteArray little = test::exifBlock(6, false);
  EXPECT_EQ(orientationOf(little.left(40)), 6) << "the next IFD's offset is not needed";
  QByteArray badOrder = little, farIfd = little, notShort = little;
  badOrder[6] = 'X';
  farIfd[10] = char(0xF0);          // IFD0 beyond the block
  notShort[6 + 8 + 2 + 12 + 2] = 4; // LONG instead of SHORT
  const QByteArray cases[] = {
      {},     "Exif",   QByteArray("Exif\0\0II", 8), QByteArray("JFIF\0\0II*\0", 10), badOrder,
      farIfd, notShort, test::exifBlock(9, false)};
  for (const QByteArray &payload : cases)
    EXPECT_EQ(orientationOf(payload), 1) << payload.toHex().toStdString();
  // Cut in the entry count, in the entry before, in the orientation entry.
  for (const int length : {15, 27, 39})
    EXPECT_EQ(orientationOf(little.left(length)), 1) << length;
}
