// Photos for the metadata reader, made with the metadata tests' builders:
// each format that carries metadata, then damaged and hostile blocks.

#include "PhotoMetadataTestFiles.h"
#include "Seeds.h"
#include "imaging/PhotoMetadataExiv.h"

#include <QtEndian>

namespace veltrane::fuzz {

using namespace veltrane::test;

QList<Seed> photoMetadataSeeds() {
  const QSize size(24, 16);
  const QByteArray jpeg = cameraPhoto(size);
  const QByteArray onlyExif = withMetadata(plainPicture(size), [](Exiv2::Image &image) {
    image.exifData()["Exif.Image.Make"] = "Testmaker";
    image.exifData()["Exif.Image.Orientation"] = uint16_t(8);
  });
  QByteArray manyIptc = jpeg.left(2);
  for (int i = 0; i < 3; ++i) {
    QByteArray segment("\xFF\xED\0\0Photoshop 3.0\0008BIM\x04\x04\0\0\0\0\0\x10", 30);
    qToBigEndian<quint16>(quint16(segment.size() - 2 + 16), segment.data() + 2);
    manyIptc += segment +
                QByteArray("\x1C\x02\x78\0\x0B"
                           "caption ",
                           13) +
                QByteArray(3, 'x');
  }
  manyIptc += jpeg.mid(2);
  Exiv2::ExifData exif;
  exif["Exif.Image.Make"] = "Testmaker";
  exif["Exif.GPSInfo.GPSLatitudeRef"] = "N";
  Exiv2::Blob tiff;
  Exiv2::ExifParser::encode(tiff, Exiv2::bigEndian, exif);
  const QByteArray heic = heicWithExif(
      {64, 64}, QByteArray("Exif\0\0", 6) +
                    QByteArray(reinterpret_cast<const char *>(tiff.data()), qsizetype(tiff.size())));
  QList<Seed> seeds{
      {"jpeg-camera.jpg", jpeg},
      {"png-camera.png", cameraPhoto(size, "PNG")},
      {"webp-camera.webp", cameraPhoto(size, "WEBP")},
      {"tiff-camera.tif", cameraPhoto(size, "TIFF")},
      {"jpeg-only-exif.jpg", onlyExif},
      {"jpeg-exif-garbage.jpg", withExifPayload(jpeg, QByteArray("Exif\0\0", 6) + QByteArray(64, 'Z'))},
      {"jpeg-exif-huge-count.jpg",
       withExifPayload(onlyExif, QByteArray("Exif\0\0II*\0\x08\0\0\0\xFF\xFF", 16) + QByteArray(32, '\x01'))},
      {"jpeg-exif-looping-ifd.jpg",
       withExifPayload(onlyExif,
                       QByteArray("Exif\0\0II*\0\x08\0\0\0\x01\0\x69\x87\x04\0\x01\0\0\0\x08\0\0\0", 24))},
      {"jpeg-iptc-split.jpg", manyIptc},
      {"jpeg-cut-in-xmp.jpg", jpeg.left(jpeg.indexOf("http://ns.adobe.com/xap") + 80)},
  };
  if (!heic.isEmpty()) // only where libheif has an HEVC encoder
    seeds.append({"heic-exif.heic", heic});
  return seeds;
}

} // namespace veltrane::fuzz
