#pragma once

// Photos with metadata for the metadata tests and the fuzz seeds: pictures
// encoded here, their EXIF, XMP and IPTC written with Exiv2.

#include <QByteArray>
#include <QSize>
#include <functional>

namespace Exiv2 {
class Image;
}

namespace veltrane::test {

// A picture of `size` as a file of `format` ("JPEG", "PNG", "WEBP", "TIFF").
QByteArray plainPicture(QSize size, const char *format = "JPEG");

// The file with its metadata changed by `edit` and written by Exiv2.
QByteArray withMetadata(const QByteArray &file, const std::function<void(Exiv2::Image &)> &edit);

// What a camera and a photo tool write: EXIF date taken, make, model, lens,
// exposure, copyright, GPS position, orientation 6 and a thumbnail; XMP
// with a creator, a GPS position, a city and orientation 6; IPTC with a
// caption and a city.
void addCameraMetadata(Exiv2::Image &image);

// A JPEG (or other format) photo of `size` with that metadata.
QByteArray cameraPhoto(QSize size = {64, 48}, const char *format = "JPEG");

// A HEIC of `size` with `exif` (a TIFF structure) as its Exif item; empty
// when this libheif has no HEVC encoder.
QByteArray heicWithExif(QSize size, const QByteArray &exif);

// The file's first APP1 "Exif" segment's payload replaced by `payload`.
QByteArray withExifPayload(const QByteArray &jpeg, const QByteArray &payload);

} // namespace veltrane::test
