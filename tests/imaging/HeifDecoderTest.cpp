// HEIC and AVIF through the decoder front, made in each test with libheif's
// own encoders (x265, aom); skipped where this libheif has none.

#include "imaging/HeifDecoder.h"
#include "DecoderFixture.h"
#include "DecoderTestFiles.h"
#include "FormatTestFiles.h"
#include "QuadrantCheck.h"
#include "TempFolder.h"
#include "imaging/HeifColourProfile.h"
#include "imaging/MemoryBudget.h"
#include "imaging/PictureDecoder.h"

#include <QColorSpace>
#include <gtest/gtest.h>
#include <lcms2.h>
#include <libheif/heif.h>

using namespace veltrane;
using namespace veltrane::test;

namespace {

// Lossy coding of 4:2:0 chroma keeps the quadrants' middles close, not exact.
constexpr int kLossyTolerance = 24;

struct Codec {
  const char *name;
  HeifCodec codec;
};
const Codec kCodecs[] = {{"HEIC", HeifCodec::Hevc}, {"AVIF", HeifCodec::Av1}};

class HeifDecoderTest : public DecoderFixture {
protected:
  // The codecs this libheif can encode; the test is skipped when there are none.
  std::vector<Codec> encodable() {
    std::vector<Codec> found;
    for (const Codec &codec : kCodecs)
      if (!heifFile(rgbQuadrants({16, 16}), codec.codec).isEmpty())
        found.push_back(codec);
      else
        std::printf("No %s encoder in this libheif: its cases are skipped.\n", codec.name);
    return found;
  }
};

} // namespace

// Each codec's picture as made, its rotation and mirroring (irot/imir boxes)
// applied or left, and the probe giving the same size.
TEST_F(HeifDecoderTest, PicturesDecodeUprightAndProbeToTheirSize) {
  const std::vector<Codec> codecs = encodable();
  if (codecs.empty())
    GTEST_SKIP() << "libheif has no HEVC or AV1 encoder here";
  const QImage picture = rgbQuadrants({128, 64});
  const struct {
    int orientation;
    Quadrants upright;
  } cases[] = {
      {1, kStored},
      {3, {kWhite, kBlue, kGreen, kRed}},
      {6, {kBlue, kRed, kWhite, kGreen}},
      {2, {kGreen, kRed, kWhite, kBlue}},
  };
  for (const Codec &codec : codecs)
    for (const auto &c : cases) {
      const QByteArray file = heifFile(picture, codec.codec, {}, c.orientation);
      const QSize upright = c.orientation >= 5 ? QSize(64, 128) : QSize(128, 64);
      const DecodeResult turned = decode(file), stored = decode(file, {nullptr, false});
      ASSERT_TRUE(turned.ok()) << codec.name << " " << c.orientation << ": " << turned.error.toStdString();
      ASSERT_TRUE(stored.ok()) << codec.name << " " << c.orientation << ": " << stored.error.toStdString();
      EXPECT_EQ(turned.picture->fullSize, upright) << codec.name << " " << c.orientation;
      EXPECT_EQ(turned.picture->image.size(), upright) << codec.name << " " << c.orientation;
      EXPECT_TRUE(showsQuadrants(turned.picture->image, c.upright, kLossyTolerance))
          << codec.name << " " << c.orientation;
      EXPECT_EQ(stored.picture->fullSize, QSize(128, 64)) << codec.name << " " << c.orientation;
      EXPECT_TRUE(showsQuadrants(stored.picture->image, kStored, kLossyTolerance))
          << codec.name << " " << c.orientation << " left as stored";
      const QString path = folder.write(QStringLiteral("picture.%1").arg(codec.name), file);
      const DecodeResult probed = decoder.probeFile(path), probedStored = decoder.probeFile(path, false);
      ASSERT_TRUE(probed.ok() && probedStored.ok()) << codec.name << ": " << probed.error.toStdString();
      EXPECT_EQ(probed.picture->fullSize, upright) << codec.name << " " << c.orientation;
      // libheif 1.15 writes a quarter-turned picture's stored size turned (its "ispe" box), which
      // only the decoded picture can tell.
      if (c.orientation < 5) {
        EXPECT_EQ(probedStored.picture->fullSize, QSize(128, 64)) << codec.name << " " << c.orientation;
      }
    }
}

// A file longer than the probe's first read: the rest is read too, as
// libheif checks the picture data's extents when it opens the file.
TEST_F(HeifDecoderTest, LargeFilesProbe) {
  const std::vector<Codec> codecs = encodable();
  if (codecs.empty())
    GTEST_SKIP() << "libheif has no HEVC or AV1 encoder here";
  for (const Codec &codec : codecs) {
    const QByteArray file = heifFile(noisePicture({640, 480}), codec.codec, {}, 8, true);
    ASSERT_GT(file.size(), 256 * 1024) << codec.name;
    const QString path = folder.write("large", file);
    const DecodeResult probed = decoder.probeFile(path);
    ASSERT_TRUE(probed.ok()) << codec.name << ": " << probed.error.toStdString();
    EXPECT_EQ(probed.picture->fullSize, QSize(480, 640)) << codec.name;
    EXPECT_EQ(decoder.probeFile(folder.write("cut", file.chopped(1000))).error,
              "truncated " + QString(codec.name) + " data")
        << codec.name;
  }
}

// Alpha on white, the ICC profile handed on as stored, and the memory reserved first.
TEST_F(HeifDecoderTest, AlphaLiesOnWhiteAndTheProfileComesThrough) {
  const std::vector<Codec> codecs = encodable();
  if (codecs.empty())
    GTEST_SKIP() << "libheif has no HEVC or AV1 encoder here";
  QImage translucent(64, 64, QImage::Format_ARGB32);
  translucent.fill(qRgba(255, 0, 0, 255));
  for (int y = 0; y < 64; ++y)
    for (int x = 32; x < 64; ++x)
      translucent.setPixel(x, y, y < 32 ? qRgba(0, 0, 0, 0) : qRgba(0, 0, 255, 128));
  const QByteArray adobe = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
  MemoryBudget budget(qint64(1) << 30);
  DecodeRequest request;
  request.memoryBudget = &budget;
  for (const Codec &codec : codecs) {
    const DecodeResult clear = decode(heifFile(translucent, codec.codec, {}, 1, true), request);
    ASSERT_TRUE(clear.ok()) << codec.name << ": " << clear.error.toStdString();
    EXPECT_TRUE(showsQuadrants(clear.picture->image, {kRed, kWhite, kRed, qRgb(127, 127, 255)}, 4))
        << codec.name;
    EXPECT_GE(clear.picture->memory.bytes(), 64 * 64 * 8) << codec.name;
    const DecodeResult profiled = decode(heifFile(rgbQuadrants({64, 64}), codec.codec, adobe));
    ASSERT_TRUE(profiled.ok()) << codec.name << ": " << profiled.error.toStdString();
    EXPECT_EQ(profiled.picture->iccProfile, adobe) << codec.name;
    const DecodeResult plain = decode(heifFile(rgbQuadrants({64, 64}), codec.codec));
    ASSERT_TRUE(plain.ok()) << codec.name << ": " << plain.error.toStdString();
    EXPECT_TRUE(plain.picture->iccProfile.isEmpty()) << codec.name;
  }
  EXPECT_EQ(budget.held(), 0);
}

TEST_F(HeifDecoderTest, DamageFailsWithItsReason) {
  const std::vector<Codec> codecs = encodable();
  if (codecs.empty())
    GTEST_SKIP() << "libheif has no HEVC or AV1 encoder here";
  for (const Codec &codec : codecs) {
    const QByteArray file = heifFile(noisePicture({256, 192}), codec.codec);
    const QString kind = codec.name;
    const qsizetype data = file.indexOf("mdat") + 4;
    const struct {
      const char *name;
      QByteArray file;
      QString reasonStart; // libheif's own words follow
    } cases[] = {
        {"only its file type", file.left(file.indexOf("meta") - 4), "damaged " + kind + " data ("},
        {"cut in its boxes", file.left(file.indexOf("iloc")), "truncated " + kind + " data"},
        {"cut in its picture data", file.left((data + file.size()) / 2), "truncated " + kind + " data"},
        {"one byte short", file.chopped(1), "truncated " + kind + " data"},
        // (Garbage further on decodes to other colours: neither codec has a checksum to tell.)
        {"garbage in its first coded unit", QByteArray(file).replace(data + 4, 32, QByteArray(32, 'Z')),
         "damaged " + kind + " data ("},
        {"huge", withHeifSize(file, 65500, 65500), "picture too large ("},
    };
    for (const auto &c : cases) {
      const DecodeResult result = decode(c.file);
      EXPECT_FALSE(result.ok()) << kind.toStdString() << ", " << c.name;
      EXPECT_TRUE(result.error.startsWith(c.reasonStart))
          << kind.toStdString() << ", " << c.name << ": " << result.error.toStdString();
    }
  }
}

// A picture described only by its primaries (nclx, as AVIF writers do) gets
// a profile made for them, unless they are sRGB's.
TEST(HeifColourProfileTest, PrimariesBecomeAProfile) {
  heif_color_profile_nclx p3{};
  p3.color_primaries = heif_color_primaries_SMPTE_EG_432_1;
  p3.transfer_characteristics = heif_transfer_characteristic_IEC_61966_2_1;
  p3.color_primary_red_x = 0.680f, p3.color_primary_red_y = 0.320f;
  p3.color_primary_green_x = 0.265f, p3.color_primary_green_y = 0.690f;
  p3.color_primary_blue_x = 0.150f, p3.color_primary_blue_y = 0.060f;
  p3.color_primary_white_x = 0.3127f, p3.color_primary_white_y = 0.3290f;
  const QByteArray icc = profileForColourDescription(p3);
  ASSERT_FALSE(icc.isEmpty());
  // Read back by Qt's own parser: Display P3's primaries and sRGB's curve.
  const QColorSpace space = QColorSpace::fromIccProfile(icc);
  EXPECT_EQ(space.primaries(), QColorSpace::Primaries::DciP3D65);
  EXPECT_EQ(space.transferFunction(), QColorSpace::TransferFunction::SRgb);

  heif_color_profile_nclx srgb = p3;
  srgb.color_primaries = heif_color_primaries_ITU_R_BT_709_5;
  EXPECT_TRUE(profileForColourDescription(srgb).isEmpty());
  heif_color_profile_nclx pq = p3;
  pq.transfer_characteristics = heif_transfer_characteristic_ITU_R_BT_2100_0_PQ;
  EXPECT_TRUE(profileForColourDescription(pq).isEmpty());
}
