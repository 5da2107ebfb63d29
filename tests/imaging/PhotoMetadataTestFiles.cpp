#include "PhotoMetadataTestFiles.h"
#include "FormatTestFiles.h"
#include "imaging/PhotoMetadataExiv.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

namespace veltrane::test {

QByteArray plainPicture(QSize size, const char *format) {
  QImage picture(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      picture.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 128));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, format, 90);
  return bytes;
}

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

void addCameraMetadata(Exiv2::Image &image) {
  Exiv2::ExifData &exif = image.exifData();
  exif["Exif.Image.Make"] = "Testmaker";
  exif["Exif.Image.Model"] = "TM-1";
  exif["Exif.Image.Orientation"] = uint16_t(6);
  exif["Exif.Image.Copyright"] = "(c) Test Photographer";
  exif["Exif.Photo.DateTimeOriginal"] = "2023:07:14 10:20:30";
  exif["Exif.Photo.LensModel"] = "TM 35mm f/2";
  exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 250);
  exif["Exif.Photo.FNumber"] = Exiv2::URational(28, 10);
  exif["Exif.Photo.PixelXDimension"] = uint32_t(4000);
  exif["Exif.Photo.PixelYDimension"] = uint32_t(3000);
  exif["Exif.GPSInfo.GPSVersionID"] = "2 3 0 0";
  exif["Exif.GPSInfo.GPSLatitudeRef"] = "N";
  exif["Exif.GPSInfo.GPSLatitude"] = "52/1 30/1 0/1";
  exif["Exif.GPSInfo.GPSLongitudeRef"] = "E";
  exif["Exif.GPSInfo.GPSLongitude"] = "13/1 24/1 0/1";
  const QByteArray thumbnail = plainPicture({16, 12});
  Exiv2::ExifThumb(exif).setJpegThumbnail(reinterpret_cast<const Exiv2::byte *>(thumbnail.constData()),
                                          long(thumbnail.size()));

  Exiv2::XmpData &xmp = image.xmpData();
  xmp["Xmp.dc.creator"] = "Test Photographer";
  xmp["Xmp.tiff.Orientation"] = "6";
  xmp["Xmp.exif.PixelXDimension"] = "4000";
  xmp["Xmp.exif.GPSLatitude"] = "52,30.0N";
  xmp["Xmp.exif.GPSLongitude"] = "13,24.0E";
  xmp["Xmp.photoshop.City"] = "Berlin";

  Exiv2::IptcData &iptc = image.iptcData();
  iptc["Iptc.Application2.Caption"] = "A test caption";
  iptc["Iptc.Application2.City"] = "Berlin";
}

QByteArray cameraPhoto(QSize size, const char *format) {
  return withMetadata(plainPicture(size, format), addCameraMetadata);
}

QByteArray heicWithExif(QSize size, const QByteArray &exif) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  return heifFile(picture, HeifCodec::Hevc, {}, 1, false, exif);
}

QByteArray withExifPayload(const QByteArray &jpeg, const QByteArray &payload) {
  qsizetype at = 2;
  while (at + 4 <= jpeg.size() && quint8(jpeg[at]) == 0xFF) {
    const int length = qFromBigEndian<quint16>(jpeg.constData() + at + 2);
    if (quint8(jpeg[at + 1]) == 0xE1 && jpeg.mid(at + 4, 6) == QByteArray("Exif\0\0", 6)) {
      QByteArray segment("\xFF\xE1\0\0", 4);
      qToBigEndian<quint16>(quint16(payload.size() + 2), segment.data() + 2);
      return jpeg.left(at) + segment + payload + jpeg.mid(at + 2 + length);
    }
    at += 2 + length;
  }
  return jpeg;
}

} // namespace veltrane::test
