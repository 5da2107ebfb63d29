#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <cstddef>

namespace veltrane {

// What the chunk layout of a PNG or WebP file says, read without decoding:
// Qt's readers take a file that stops after the last row for a whole one,
// and neither reads the EXIF orientation of these formats.
struct ChunkLayout {
  QSize size;         // as stored
  QByteArray exif;    // the EXIF payload as "Exif\0\0" and a TIFF block; empty for none
  QByteArray icc;     // the colour profile as stored (PNG's inflated; left empty by the probe)
  bool ended = false; // every chunk there in full, up to PNG's IEND or the end of WebP's RIFF
  QString error;      // a header that cannot be read; `size` is then invalid
};

// `data` holds the file's first `size` bytes. With `upToImageData`, PNG
// stops at the first IDAT (the probe: the header and the EXIF a writer puts
// before it), WebP goes on to find EXIF after the image.
ChunkLayout pngLayout(const unsigned char *data, size_t size, bool upToImageData);
ChunkLayout webpLayout(const unsigned char *data, size_t size);

} // namespace veltrane
