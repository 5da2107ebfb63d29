#include "imaging/PhotoMetadata.h"
#include "FilePatches.h"
#include "TempFolder.h"
#include "TestData.h"
#include "imaging/PhotoMetadataEdits.h"
#include "imaging/PhotoMetadataExcerpt.h"
#include "imaging/PhotoMetadataExiv.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <functional>
#include <future>
#include <gtest/gtest.h>

using namespace veltrane;

namespace {

const QSize kOutputSize(48, 64); // the 64 x 48 source turned upright

// What a viewer finds in a JPEG written with the markers.
MetadataBlocks writtenWith(const QList<JpegMarker> &markers, QSize size = kOutputSize) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  const QByteArray jpeg = JpegEncoder().encode(picture, 80, JpegExtras{{}, markers}).value();
  const auto image =
      Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(jpeg.constData()), long(jpeg.size()));
  image->readMetadata();
  return {image->exifData(), image->xmpData(), image->iptcData(), image->byteOrder()};
}

template <typename Data> std::string valueOf(const Data &data, const char *key) {
  for (const auto &datum : data)
    if (datum.key() == key)
      return datum.toString();
  return {};
}

// The value of an EXIF, XMP or IPTC key, by the key's own prefix.
std::string valueIn(const MetadataBlocks &blocks, const std::string &key) {
  if (key.rfind("Exif.", 0) == 0)
    return valueOf(blocks.exif, key.c_str());
  if (key.rfind("Xmp.", 0) == 0)
    return valueOf(blocks.xmp, key.c_str());
  return valueOf(blocks.iptc, key.c_str());
}

template <typename Data> bool anyKeyStartsWith(const Data &data, const std::string &prefix) {
  for (const auto &datum : data)
    if (datum.key().rfind(prefix, 0) == 0)
      return true;
  return false;
}

QByteArray afterStart(const QByteArray &jpeg, int marker, const QByteArray &payload) {
  QByteArray segment("\xFF\0\0\0", 4);
  segment[1] = char(marker);
  qToBigEndian<quint16>(quint16(payload.size() + 2), segment.data() + 2);
  return jpeg.left(2) + segment + payload + jpeg.mid(2);
}

QByteArray app13Segment(int payloadLength) {
  QByteArray segment("\xFF\xED\0\0Photoshop 3.0\0", 18);
  qToBigEndian<quint16>(quint16(payloadLength + 2), segment.data() + 2);
  return segment + QByteArray(payloadLength - 14, '\0');
}

Result<OutputMetadata> keepingAll(const QByteArray &file) {
  return outputMetadataOfBytes(file, MetadataPolicy::KeepAll, kOutputSize);
}

// The file with its metadata changed by `edit` and written by Exiv2: blocks too large to commit.
QByteArray withMetadata(const QByteArray &file, const std::function<void(Exiv2::Image &)> &edit) {
  prepareExiv2();
  const auto image =
      Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(file.constData()), long(file.size()));
  image->readMetadata();
  edit(*image);
  image->writeMetadata();
  Exiv2::BasicIo &io = image->io();
  io.seek(0, Exiv2::BasicIo::beg);
  const Exiv2::DataBuf written = io.read(long(io.size()));
  return QByteArray(reinterpret_cast<const char *>(written.pData_), qsizetype(written.size_));
}

} // namespace

TEST(PhotoMetadata, KeepsWhatThePolicySaysAndMakesItTrueForTheNewFile) {
  const test::TempFolder folder;
  const QString source = folder.write(QStringLiteral("camera.jpg"), test::testSource("camera.jpg"));
  struct Case {
    MetadataPolicy policy;
    bool keepsAnything, keepsLocation, saysLocationRemoved;
  };
  const Case cases[] = {
      {MetadataPolicy::NoLocation, true, false, true},
      {MetadataPolicy::KeepAll, true, true, false},
      {MetadataPolicy::Strip, false, false, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(int(c.policy));
    const Result<OutputMetadata> output = readOutputMetadata(source, c.policy, kOutputSize);
    ASSERT_TRUE(output) << output.reason().toStdString();
    EXPECT_EQ(output->locationRemoved, c.saysLocationRemoved);
    EXPECT_EQ(output->note, QString());
    EXPECT_EQ(output->markers.isEmpty(), !c.keepsAnything);
    const MetadataBlocks written = writtenWith(output->markers);
    // What the camera and the tools said, then upright and of the new size.
    const std::pair<const char *, const char *> kept[] = {
        {"Exif.Photo.DateTimeOriginal", "2023:07:14 10:20:30"},
        {"Exif.Image.Make", "Testmaker"},
        {"Exif.Image.Model", "TM-1"},
        {"Exif.Photo.LensModel", "TM 35mm f/2"},
        {"Exif.Photo.ExposureTime", "1/250"},
        {"Exif.Image.Copyright", "(c) Test Photographer"},
        {"Xmp.dc.creator", "Test Photographer"},
        {"Iptc.Application2.Caption", "A test caption"},
        {"Exif.Image.Orientation", "1"},
        {"Xmp.tiff.Orientation", "1"},
        {"Exif.Photo.PixelXDimension", "48"},
        {"Exif.Photo.PixelYDimension", "64"},
        {"Xmp.exif.PixelXDimension", "48"},
    };
    for (const auto &[key, value] : kept)
      EXPECT_EQ(valueIn(written, key), c.keepsAnything ? std::string(value) : std::string()) << key;
    // Without the old thumbnail.
    EXPECT_FALSE(anyKeyStartsWith(written.exif, "Exif.Thumbnail."));
    // Where it was taken, in every block.
    EXPECT_EQ(anyKeyStartsWith(written.exif, "Exif.GPSInfo."), c.keepsLocation);
    EXPECT_EQ(anyKeyStartsWith(written.xmp, "Xmp.exif.GPS"), c.keepsLocation);
    EXPECT_EQ(anyKeyStartsWith(written.xmp, "Xmp.photoshop.City"), c.keepsLocation);
    EXPECT_EQ(anyKeyStartsWith(written.iptc, "Iptc.Application2.City"), c.keepsLocation);
  }
}

TEST(PhotoMetadata, ReadsTheMetadataOfEveryFormatThatHasIt) {
  const test::TempFolder folder;
  struct Case {
    const char *name;
    QByteArray file;
    bool hasMetadata, hasXmp = true;
  };
  const Case cases[] = {
      {"photo.png", test::testSource("camera.png"), true},
      {"photo.webp", test::testSource("camera.webp"), true},
      {"photo.tif", test::testSource("camera.tif"), true},
      // As phones write it: one picture without a grid, its EXIF item with GPS.
      {"photo.heic", test::testSource("phone-exif.heic"), true, false},
      {"plain.jpg", test::testSource("plain.jpg"), false},
      {"plain.gif", test::testSource("plain.gif"), false},
      {"plain.bmp", test::testSource("plain.bmp"), false},
      {"empty.jpg", QByteArray(), false},
      {"text.txt", QByteArray("not a picture at all"), false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const Result<OutputMetadata> output = readOutputMetadata(
        folder.write(QString::fromLatin1(c.name), c.file), MetadataPolicy::NoLocation, kOutputSize);
    ASSERT_TRUE(output) << output.reason().toStdString();
    EXPECT_EQ(output->markers.isEmpty(), !c.hasMetadata);
    EXPECT_EQ(output->locationRemoved, c.hasMetadata);
    if (!c.hasMetadata)
      continue;
    const MetadataBlocks written = writtenWith(output->markers);
    EXPECT_EQ(valueOf(written.exif, "Exif.Image.Make"), "Testmaker");
    EXPECT_EQ(valueOf(written.exif, "Exif.Image.Orientation"), "1");
    EXPECT_EQ(valueOf(written.xmp, "Xmp.dc.creator"), c.hasXmp ? "Test Photographer" : "");
    EXPECT_FALSE(anyKeyStartsWith(written.exif, "Exif.GPSInfo."));
    // A TIFF's strips and sizes describe the old file, not a JPEG.
    EXPECT_EQ(valueOf(written.exif, "Exif.Image.StripOffsets"), "");
    EXPECT_EQ(valueOf(written.exif, "Exif.Image.ImageWidth"), "");
  }
}

TEST(PhotoMetadata, ReadsOnlyTheMetadataPartsOfAFile) {
  // A WebP's EXIF follows its pixels: the pixels are skipped, not read.
  const QByteArray exif = QByteArray("II*\0\x08\0\0\0\0\0\0\0\0\0", 14);
  QByteArray webp("RIFF\0\0\0\0WEBPVP8X\x0A\0\0\0\x08\0\0\0\x3F\0\0\x2F\0\0", 30);
  QByteArray pixels("VP8L\0\0\0\0", 8);
  const quint32 pixelBytes = 8 << 20;
  qToLittleEndian<quint32>(pixelBytes, pixels.data() + 4);
  webp += pixels + QByteArray(pixelBytes, '\0') + "EXIF" + QByteArray("\x0E\0\0\0", 4) + exif;
  qToLittleEndian<quint32>(quint32(webp.size() - 8), webp.data() + 4);
  QBuffer buffer(&webp);
  buffer.open(QIODevice::ReadOnly);
  const Result<MetadataExcerpt> excerpt = readMetadataExcerpt(buffer);
  ASSERT_TRUE(excerpt) << excerpt.reason().toStdString();
  EXPECT_TRUE(excerpt->hasExif);
  EXPECT_LT(excerpt->bytes.size(), 100);

  // Metadata parts adding up to more than the bound are not read at all.
  const QByteArray jpeg = test::testSource("plain.jpg");
  QByteArray padded = jpeg.left(2);
  for (int i = 0; i < 20; ++i)
    padded += app13Segment(65000);
  padded += jpeg.mid(2);
  // A TIFF is read in place, but not when it declares that much: here an XMP packet of 2 MB.
  const QByteArray tiff = QByteArray("II*\0\x08\0\0\0\x01\0\xBC\x02\x01\0\0\0\x20\0\x1A\0\0\0\0\0\0\0", 26) +
                          QByteArray(64, '\0');
  for (const QByteArray &file : {padded, tiff}) {
    const Result<OutputMetadata> refused = keepingAll(file);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.reason(), QStringLiteral("its metadata is larger than 1 MB"));
  }
}

TEST(PhotoMetadata, DamagedMetadataGivesAReasonNeverACrash) {
  const QByteArray photo = test::testSource("camera.jpg");
  const QByteArray onlyExif = test::testSource("only-exif.jpg");
  const QByteArray garbage = QByteArray("Exif\0\0", 6) + QByteArray(200, '\x5A');
  // Only damaged EXIF: a failure with a reason; beside good XMP: a note.
  const Result<OutputMetadata> failed = keepingAll(test::withExifPayload(onlyExif, garbage));
  ASSERT_FALSE(failed);
  EXPECT_EQ(failed.reason(), QStringLiteral("its EXIF data is damaged"));
  const Result<OutputMetadata> partly = keepingAll(test::withExifPayload(photo, garbage));
  ASSERT_TRUE(partly) << partly.reason().toStdString();
  EXPECT_EQ(partly->note, QStringLiteral("its EXIF data is damaged and was left out"));
  EXPECT_EQ(valueOf(writtenWith(partly->markers).xmp, "Xmp.dc.creator"), "Test Photographer");
  // XMP that does not parse beside good EXIF: a note. An empty EXIF block is not damaged.
  const QByteArray badXmp = QByteArray("http://ns.adobe.com/xap/1.0/\0", 29) +
                            "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
                            "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description "
                            "xmlns:dc='http://purl.org/dc/elements/1.1/'><dc:format>a</dc:format>"
                            "<dc:format>b</dc:format></rdf:Description></rdf:RDF></x:xmpmeta>";
  const Result<OutputMetadata> xmpLost = keepingAll(afterStart(onlyExif, 0xE1, badXmp));
  ASSERT_TRUE(xmpLost) << xmpLost.reason().toStdString();
  EXPECT_EQ(xmpLost->note, QStringLiteral("its XMP data is damaged and was left out"));
  EXPECT_EQ(valueOf(writtenWith(xmpLost->markers).exif, "Exif.Image.Make"), "Testmaker");
  const QByteArray emptyExif("Exif\0\0MM\0*\0\0\0\x08\0\0\0\0\0\0", 20);
  const Result<OutputMetadata> empty = keepingAll(test::withExifPayload(onlyExif, emptyExif));
  ASSERT_TRUE(empty) << empty.reason().toStdString();
  EXPECT_EQ(empty->note, QString());
  EXPECT_TRUE(empty->markers.isEmpty());
  // IPTC of only an empty caption (a byte after it, so that it reads) says nothing:
  // what is written reads back whole.
  const QByteArray emptyCaption("Photoshop 3.0\0008BIM\x04\x04\0\0\0\0\0\x06\x1C\x02\x78\0\0\0", 32);
  const Result<OutputMetadata> captionless = keepingAll(afterStart(onlyExif, 0xED, emptyCaption));
  ASSERT_TRUE(captionless) << captionless.reason().toStdString();
  QImage picture(kOutputSize, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  const Result<OutputMetadata> again =
      keepingAll(JpegEncoder().encode(picture, 80, JpegExtras{{}, captionless->markers}).value());
  ASSERT_TRUE(again) << again.reason().toStdString();
  EXPECT_EQ(again->note, QString());

  // Hostile EXIF: whatever comes through fits its segments.
  QByteArray hugeCount = QByteArray("Exif\0\0II*\0\x08\0\0\0\xFF\xFF", 16) + QByteArray(64, '\x01');
  QByteArray loopingIfd = QByteArray("Exif\0\0II*\0\x08\0\0\0\x01\0\x69\x87\x04\0\x01\0\0\0\x08\0\0\0", 24);
  const QByteArray variants[] = {
      test::withExifPayload(photo, hugeCount),
      test::withExifPayload(photo, loopingIfd),
      test::withExifPayload(photo, QByteArray("Exif\0\0MM\0*\xFF\xFF\xFF\xF0", 14)),
      photo.left(photo.indexOf("http://ns.adobe.com/xap") + 100), // cut inside the XMP
      photo.left(40),
  };
  for (const QByteArray &variant : variants) {
    const Result<OutputMetadata> output =
        outputMetadataOfBytes(variant, MetadataPolicy::NoLocation, kOutputSize);
    if (!output) {
      EXPECT_FALSE(output.reason().isEmpty());
      continue;
    }
    for (const JpegMarker &marker : output->markers)
      EXPECT_LE(marker.payload.size(), 65533);
  }
}

TEST(PhotoMetadata, LeavesOutWhatWouldNotFitAndSaysSo) {
  // A TIFF holds blocks of any size; a JPEG segment at most 64 kB.
  const QByteArray tiff = withMetadata(test::testSource("plain.tif"), [](Exiv2::Image &image) {
    image.exifData()["Exif.Image.Make"] = "Testmaker";
    Exiv2::DataValue makerNote(Exiv2::undefined);
    const QByteArray bytes(70000, '\x42');
    makerNote.read(reinterpret_cast<const Exiv2::byte *>(bytes.constData()), long(bytes.size()));
    image.exifData()["Exif.Photo.MakerNote"] = makerNote;
    image.xmpData()["Xmp.dc.creator"] = "Test Photographer";
    Exiv2::XmpTextValue history;
    history.setXmpArrayType(Exiv2::XmpValue::xaSeq);
    image.xmpData().add(Exiv2::XmpKey("Xmp.xmpMM.History"), &history);
    for (int i = 1; i <= 1500; ++i)
      image.xmpData()["Xmp.xmpMM.History[" + std::to_string(i) + "]/stEvt:action"] =
          "saved with a long description of what was changed " + std::to_string(i);
  });
  const Result<OutputMetadata> output = keepingAll(tiff);
  ASSERT_TRUE(output) << output.reason().toStdString();
  EXPECT_EQ(
      output->note,
      QStringLiteral("the camera's maker note was left out: with it the EXIF data would not fit in the file; "
                     "the XMP edit history was left out: with it the XMP data would not fit in the file"));
  const MetadataBlocks written = writtenWith(output->markers);
  EXPECT_EQ(valueOf(written.exif, "Exif.Image.Make"), "Testmaker");
  EXPECT_EQ(valueOf(written.exif, "Exif.Photo.MakerNote"), "");
  EXPECT_EQ(valueOf(written.xmp, "Xmp.dc.creator"), "Test Photographer");
}

TEST(PhotoMetadata, SeveralThreadsReadAtOnce) {
  const test::TempFolder folder;
  const QString source = folder.write(QStringLiteral("camera.jpg"), test::testSource("camera.jpg"));
  const QList<JpegMarker> expected =
      readOutputMetadata(source, MetadataPolicy::NoLocation, kOutputSize)->markers;
  std::vector<std::future<bool>> runs;
  for (int thread = 0; thread < 4; ++thread)
    runs.push_back(std::async(std::launch::async, [&] {
      bool same = true;
      for (int i = 0; i < 20; ++i) {
        const Result<OutputMetadata> output =
            readOutputMetadata(source, MetadataPolicy::NoLocation, kOutputSize);
        same = same && output && output->markers == expected;
      }
      return same;
    }));
  for (auto &run : runs)
    EXPECT_TRUE(run.get());
  const Result<OutputMetadata> missing = readOutputMetadata(folder.path() + QStringLiteral("/missing.jpg"),
                                                            MetadataPolicy::NoLocation, kOutputSize);
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.reason(), QStringLiteral("file not found"));
}

// What a worker reserves for the metadata follows what the file holds: a
// camera's few kB reserve a fraction of the bound, so that small photos may
// run beside a large one.
TEST(PhotoMetadata, ReservesWhatTheFilesMetadataTakes) {
  const test::TempFolder folder;
  const QString camera = folder.write(QStringLiteral("camera.jpg"), test::testSource("camera.jpg"));
  const QString plain = folder.write(QStringLiteral("plain.gif"), test::testSource("plain.gif"));
  const QString tiff = folder.write(QStringLiteral("camera.tif"), test::testSource("camera.tif"));
  const qint64 cameraMemory = metadataReadingMemory(camera, MetadataPolicy::NoLocation);
  EXPECT_GT(cameraMemory, 0);
  EXPECT_LE(cameraMemory, kPhotoMetadataMemory / 8);
  EXPECT_EQ(metadataReadingMemory(camera, MetadataPolicy::Strip), 0);
  EXPECT_EQ(metadataReadingMemory(plain, MetadataPolicy::KeepAll), 0);
  EXPECT_EQ(metadataReadingMemory(tiff, MetadataPolicy::KeepAll), kPhotoMetadataMemory);
  EXPECT_EQ(metadataReadingMemory(folder.path() + QStringLiteral("/missing.jpg"), MetadataPolicy::KeepAll),
            0);
}
