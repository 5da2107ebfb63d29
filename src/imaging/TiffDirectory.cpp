#include "imaging/TiffDirectory.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <tiffio.h>

namespace veltrane {

namespace {

// The file in memory, as libtiff's client procedures see it: read only.
struct MemoryFile {
  const unsigned char *data;
  size_t size;
  size_t at = 0;
};

MemoryFile &fileOf(thandle_t handle) { return *static_cast<MemoryFile *>(handle); }

tmsize_t readFile(thandle_t handle, void *to, tmsize_t length) {
  MemoryFile &file = fileOf(handle);
  const size_t count = std::min(size_t(std::max<tmsize_t>(length, 0)), file.size - file.at);
  std::memcpy(to, file.data + file.at, count);
  file.at += count;
  return tmsize_t(count);
}

tmsize_t writeFile(thandle_t, void *, tmsize_t) { return 0; }

toff_t seekFile(thandle_t handle, toff_t offset, int whence) {
  MemoryFile &file = fileOf(handle);
  const toff_t base = whence == SEEK_CUR ? file.at : whence == SEEK_END ? file.size : 0;
  if (offset > toff_t(file.size) || base + offset > toff_t(file.size))
    return toff_t(-1);
  file.at = size_t(base + offset);
  return file.at;
}

int closeFile(thandle_t) { return 0; }
toff_t sizeOfFile(thandle_t handle) { return fileOf(handle).size; }
int mapFile(thandle_t, void **, toff_t *) { return 0; }
void unmapFile(thandle_t, void *, toff_t) {}

struct TiffCloser {
  void operator()(TIFF *tiff) const { TIFFClose(tiff); }
};

QString coloursOf(TIFF *tiff) {
  uint16_t photometric = 0, inkSet = INKSET_CMYK, samples = 1;
  TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_INKSET, &inkSet);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
  switch (photometric) {
  case PHOTOMETRIC_MINISWHITE:
  case PHOTOMETRIC_MINISBLACK: return QStringLiteral("grey");
  case PHOTOMETRIC_RGB: return QStringLiteral("RGB");
  case PHOTOMETRIC_PALETTE: return QStringLiteral("palette");
  case PHOTOMETRIC_MASK: return QStringLiteral("mask");
  case PHOTOMETRIC_SEPARATED:
    return inkSet == INKSET_CMYK && samples == 4 ? QStringLiteral("CMYK")
                                                 : QStringLiteral("%1-ink").arg(samples);
  case PHOTOMETRIC_YCBCR: return QStringLiteral("YCbCr");
  case PHOTOMETRIC_CIELAB:
  case PHOTOMETRIC_ICCLAB:
  case PHOTOMETRIC_ITULAB: return QStringLiteral("Lab");
  case PHOTOMETRIC_LOGL: return QStringLiteral("LogL");
  case PHOTOMETRIC_LOGLUV: return QStringLiteral("LogLuv");
  default: return QStringLiteral("photometric %1").arg(photometric);
  }
}

// What TIFFReadRGBAImage would refuse before reading a pixel, in words;
// empty when it would start. Only its "Sorry" refusals are of valid files:
// the others (a tag missing) are damage, which Qt's read then reports.
QString refusedByRgbaReader(TIFF *tiff) {
  char why[1024] = {};
  TIFFRGBAImage image;
  if (TIFFRGBAImageOK(tiff, why) && TIFFRGBAImageBegin(&image, tiff, 1, why)) {
    TIFFRGBAImageEnd(&image);
    return {};
  }
  if (std::strncmp(why, "Sorry", 5) != 0)
    return {};
  uint16_t bits = 1;
  TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
  return QStringLiteral("%1-bit %2").arg(bits).arg(coloursOf(tiff));
}

} // namespace

TiffDirectory readTiffDirectory(const unsigned char *data, size_t size, bool throughRgbaReader) {
  MemoryFile file{data, size};
  // "m": no mapping, nothing but the directory is read.
  const std::unique_ptr<TIFF, TiffCloser> tiff(TIFFClientOpen(
      "picture", "rm", &file, readFile, writeFile, seekFile, closeFile, sizeOfFile, mapFile, unmapFile));
  TiffDirectory found;
  if (!tiff)
    return found;
  uint32_t profileSize = 0;
  const void *profile = nullptr;
  if (TIFFGetField(tiff.get(), TIFFTAG_ICCPROFILE, &profileSize, &profile) && profile && profileSize > 0)
    found.iccProfile = QByteArray(static_cast<const char *>(profile), qsizetype(profileSize));
  if (throughRgbaReader)
    found.unsupported = refusedByRgbaReader(tiff.get());
  return found;
}

} // namespace veltrane
