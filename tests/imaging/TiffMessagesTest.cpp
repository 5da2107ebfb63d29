// libtiff's trouble told as one reason of ours: its messages kept off
// stderr, and a valid kind it does not read told apart from damage.

#include "DecoderFixture.h"
#include "TestData.h"

#include <QFile>
#include <future>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace veltrane;
using namespace veltrane::test;

namespace {

// What the process writes to stderr while `work` runs.
template <typename Work> QByteArray stderrOf(const QString &scratch, Work work) {
  QFile capture(scratch);
  if (!capture.open(QIODevice::ReadWrite | QIODevice::Truncate))
    return "cannot capture stderr";
  fflush(stderr);
  const int saved = dup(STDERR_FILENO);
  dup2(capture.handle(), STDERR_FILENO);
  work();
  fflush(stderr);
  dup2(saved, STDERR_FILENO);
  close(saved);
  capture.seek(0);
  return capture.readAll();
}

class TiffMessagesTest : public DecoderFixture {};

} // namespace

TEST_F(TiffMessagesTest, TroubleIsOneReasonAndNothingOnStderr) {
  const struct {
    const char *file;
    QString reason; // empty: decodes
  } cases[] = {
      {"tiff-cmyk-8-bit.tif", {}},
      {"tiff-cmyk-16-bit.tif", "unsupported TIFF (16-bit CMYK)"},
      {"tiff-directory-beyond-end.tif", "damaged TIFF data (Seek error accessing TIFF directory)"},
      {"tiff-planar-configuration-9.tif", "damaged TIFF data (Bad value 9 for \"PlanarConfiguration\" tag)"},
  };
  for (const auto &c : cases) {
    DecodeResult decoded, probed;
    const QByteArray err = stderrOf(folder.file("stderr"), [&] {
      decoded = decoder.decodeFile(testDataPath(c.file));
      probed = decoder.probeFile(testDataPath(c.file));
    });
    EXPECT_FALSE(err.contains("TIFF") || err.contains("foo")) << c.file << ": " << err.toStdString();
    if (c.reason.isEmpty()) {
      ASSERT_TRUE(decoded.ok()) << c.file << ": " << decoded.error.toStdString();
      EXPECT_TRUE(probed.ok()) << c.file;
      // Cyan ink on the left, magenta on the right, as libtiff reads 8-bit CMYK.
      EXPECT_EQ(decoded.picture->image.pixel(0, 0), qRgb(0, 255, 255));
      EXPECT_EQ(decoded.picture->image.pixel(15, 7), qRgb(255, 0, 255));
      continue;
    }
    EXPECT_EQ(decoded.error, c.reason) << c.file;
    EXPECT_EQ(probed.error, c.reason) << c.file << ", probed"; // all in the header
  }
}

// libtiff's handlers serve the whole process: each thread hears its own file's trouble.
TEST_F(TiffMessagesTest, ThreadsDecodingAtOnceEachGetTheirOwnReason) {
  const auto decodeMany = [](const char *file) {
    PictureDecoder own;
    const QByteArray bytes = testData(file);
    QStringList reasons;
    for (int i = 0; i < 40; ++i)
      reasons.append(own.decodeBytes(bytes).error);
    reasons.removeDuplicates();
    return reasons;
  };
  auto seek = std::async(std::launch::async, decodeMany, "tiff-directory-beyond-end.tif");
  auto value = std::async(std::launch::async, decodeMany, "tiff-planar-configuration-9.tif");
  EXPECT_EQ(seek.get(), QStringList{"damaged TIFF data (Seek error accessing TIFF directory)"});
  EXPECT_EQ(value.get(), QStringList{"damaged TIFF data (Bad value 9 for \"PlanarConfiguration\" tag)"});
}
