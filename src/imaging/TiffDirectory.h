#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>

namespace veltrane {

// What our own look at a TIFF's first directory finds, beside Qt's reader
// (which decodes the pixels): the colour profile as stored, which Qt drops
// when it cannot read it, and whether libtiff's RGBA reader, which Qt uses
// for every kind it does not read itself, can take the picture.
struct TiffDirectory {
  QByteArray iccProfile;
  // A valid kind of picture that the RGBA reader does not read, in words
  // ("16-bit CMYK"); empty when it does, or when it was not asked.
  QString unsupported;
};

// `data` holds the file's first `size` bytes. `throughRgbaReader`: Qt will
// read the pixels with libtiff's RGBA reader. libtiff's messages go to the
// thread's TiffMessageCatcher.
TiffDirectory readTiffDirectory(const unsigned char *data, size_t size, bool throughRgbaReader);

} // namespace veltrane
