#include "imaging/FrameLibrary.h"
#include "TempFolder.h"
#include "TestPictures.h"
#include "imaging/PictureDecoder.h"

#include <gtest/gtest.h>

using namespace veltrane;

// A file name found in two folders is taken from the earlier one.
TEST(FrameLibrary, ListsOnlyPicturesNamedLikeFrames) {
  test::TempFolder temp;
  const QString frame = test::writePicture(temp.file("frames/Test_100-75-900-675.bmp"), {40, 30});
  test::writePicture(temp.file("more/Test_100-75-900-675.bmp"), {40, 30});
  test::writePicture(temp.file("frames/nounderscore.bmp"), {40, 30});
  temp.write("frames/readme_1-1-1-1.txt", "not a picture");
  PictureDecoder decoder;
  const FrameLibrary frames = FrameLibrary::scan({temp.file("frames"), temp.file("more")}, decoder);
  EXPECT_EQ(frames.frames(), (QList<FrameLibrary::Frame>{{"Test", "Test_100-75-900-675.bmp", frame}}));
}

TEST(FrameLibrary, ListsFramesByFileNameAndFindsTheirFiles) {
  const FrameLibrary frames =
      FrameLibrary::fromFrames({{"b", "b_1-1-9-9.jpg", "/f/b_1-1-9-9.jpg"},
                                {"a", "a_2-2-8-8.jpg", "/f/a_2-2-8-8.jpg"},
                                {"a", "a_1-1-9-9.gif", "/f/a_1-1-9-9.gif"},
                                {"old_gold", "old_gold_1-1-9-9.png", "/f/old_gold_1-1-9-9.png"}});
  EXPECT_EQ(frames.names(), (QStringList{"a", "a", "b", "old_gold"}));
  const QStringList entries = frames.entries();
  // Both "a" entries, and try-all's first, use the first file that matches "a_".
  for (const int entry : {1, 2, 3})
    EXPECT_EQ(frames.frameForEntry(entry, entries)->fileName, QStringLiteral("a_1-1-9-9.gif")) << entry;
  EXPECT_EQ(frames.frameForEntry(5, entries)->fileName, QStringLiteral("old_gold_1-1-9-9.png"));
  EXPECT_EQ(frames.frameForEntry(0, entries), nullptr);
  EXPECT_EQ(frames.frameForEntry(9, entries), nullptr);
}
