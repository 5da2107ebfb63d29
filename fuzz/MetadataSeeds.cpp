// Photos for the metadata reader, the metadata tests' committed files: each
// format that carries metadata, then damaged and hostile blocks.

#include "FilePatches.h"
#include "Seeds.h"
#include "TestData.h"

#include <QtEndian>

namespace veltrane::fuzz {

using namespace veltrane::test;

QList<Seed> photoMetadataSeeds() {
  const QByteArray jpeg = testSource("camera.jpg"), onlyExif = testSource("only-exif.jpg");
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
  return {
      {"jpeg-camera.jpg", jpeg},
      {"png-camera.png", testSource("camera.png")},
      {"webp-camera.webp", testSource("camera.webp")},
      {"tiff-camera.tif", testSource("camera.tif")},
      {"jpeg-only-exif.jpg", onlyExif},
      {"jpeg-exif-garbage.jpg", withExifPayload(jpeg, QByteArray("Exif\0\0", 6) + QByteArray(64, 'Z'))},
      {"jpeg-exif-huge-count.jpg",
       withExifPayload(onlyExif, QByteArray("Exif\0\0II*\0\x08\0\0\0\xFF\xFF", 16) + QByteArray(32, '\x01'))},
      {"jpeg-exif-looping-ifd.jpg",
       withExifPayload(onlyExif,
                       QByteArray("Exif\0\0II*\0\x08\0\0\0\x01\0\x69\x87\x04\0\x01\0\0\0\x08\0\0\0", 24))},
      {"jpeg-iptc-split.jpg", manyIptc},
      {"jpeg-cut-in-xmp.jpg", jpeg.left(jpeg.indexOf("http://ns.adobe.com/xap") + 80)},
      {"heic-exif.heic", testSource("phone-exif.heic")},
  };
}

} // namespace veltrane::fuzz
