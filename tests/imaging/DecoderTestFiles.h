#pragma once

// Builders of the source files the decoder tests read: JPEG through libjpeg's
// compressor, BMP and GIF byte by byte, and damaged copies of each.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>

namespace veltrane::test {

// Red, green / blue, white quadrants: every orientation and colour mistake
// shows in the corners.
QImage quadrantPicture(QSize size);
// Gradients and noise, compressing like a photograph.
QImage photoLikePicture(QSize size, unsigned seed = 1);

struct JpegOptions {
  enum class Colours { Rgb, Grey, Cmyk, Ycck };
  int quality = 92;
  bool progressive = false;
  Colours colours = Colours::Rgb;
  // Photoshop's convention: CMYK stored inverted, with an Adobe marker.
  bool adobeInvertedCmyk = true;
  int exifOrientation = 0; // 0: no EXIF block
  bool exifBigEndian = false;
  int paddingMarkers = 0; // APP15 markers of 60000 bytes ahead of the frame
  int restartRows = 0;    // a restart marker every that many MCU rows
  bool arithmetic = false;
};
QByteArray jpegFile(const QImage &picture, const JpegOptions &options = {});
// An APP1 payload: "Exif\0\0", a TIFF header and IFD0 with one orientation entry.
QByteArray exifBlock(int orientation, bool bigEndian);

// Where the first scan's entropy-coded data starts and where the EOI marker is.
qsizetype scanDataStart(const QByteArray &jpeg);
qsizetype endMarkerAt(const QByteArray &jpeg);
// The frame header's height and width replaced.
QByteArray withFrameSize(QByteArray jpeg, int width, int height);
// `bytes` inserted just before the EOI marker.
QByteArray withBytesBeforeEnd(const QByteArray &jpeg, const QByteArray &bytes);
// Bytes overwritten at a fraction (0..1) of the way through the scan data.
QByteArray withScanBytes(QByteArray jpeg, double at, const QByteArray &bytes);

// A BMP file put together by hand; `pixels` are the rows as stored.
struct BmpSpec {
  int width = 0;
  int height = 0; // negative: rows stored top-down
  int bitCount = 24;
  quint32 compression = 0; // 0 RGB, 1 RLE8, 2 RLE4, 3 BITFIELDS
  QList<QRgb> palette{};
  QList<quint32> masks{}; // red, green, blue for BITFIELDS
  QByteArray pixels{};
};
QByteArray bmpFile(const BmpSpec &spec);
// Uncompressed rows of a picture, bottom-up, padded to 4 bytes. 1, 4 and 8
// bits take an Indexed8 picture's indexes; 16 is 5-6-5; 24 and 32 are BGR(X).
QByteArray bmpRows(const QImage &picture, int bitCount);
// RLE8 / RLE4 rows (encoded runs, end-of-line, end-of-bitmap) of an Indexed8 picture.
QByteArray bmpRle8(const QImage &indexed);
QByteArray bmpRle4(const QImage &indexed);
// Bits per pixel as Qt's own BMP writer stores the picture.
QByteArray qtBmpFile(const QImage &picture);

// A GIF with one LZW-compressed frame of an Indexed8 picture.
struct GifSpec {
  QImage indexed; // Format_Indexed8, its colour table the palette
  int transparentIndex = -1;
  QSize screen; // empty: the picture's size
};
QByteArray gifFile(const GifSpec &spec);
// Just a header and an image descriptor claiming `size`.
QByteArray gifHeaderOnly(QSize size);

// Indexed8 picture of the four quadrant colours.
QImage indexedQuadrants(QSize size);

} // namespace veltrane::test
