#pragma once

// Builders of the source files the decoder tests read: JPEG and GIF through
// libjpeg's and giflib's encoders, BMP byte by byte.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRgb>
#include <QSize>

namespace veltrane::test {

// Red, green / blue, white quadrants, as palette indexes 0..3: every
// orientation and colour mistake shows in the corners.
QImage indexedQuadrants(QSize size);

struct JpegOptions {
  enum class Colours { Rgb, Grey, Cmyk, Ycck };
  bool progressive = false;
  Colours colours = Colours::Rgb;
  bool adobeInvertedCmyk = true; // Photoshop's convention: CMYK stored inverted, with an Adobe marker
  int exifOrientation = 0;       // 0: no EXIF block
  bool exifBigEndian = false;
  int paddingMarkers = 0; // APP15 markers of 60000 bytes ahead of the frame
  int restartRows = 0;    // a restart marker every that many MCU rows
  bool arithmetic = false;
  QByteArray iccProfile = {}; // embedded as APP2 chunks when not empty
};
QByteArray jpegFile(const QImage &picture, const JpegOptions &options = {});
// An APP1 payload: "Exif\0\0", a TIFF header and IFD0 with a Make entry, then the orientation.
QByteArray exifBlock(int orientation, bool bigEndian);
// The frame header's width and height replaced.
QByteArray withFrameSize(QByteArray jpeg, int width, int height);

// A BMP file put together by hand: a negative height stores the rows top-down;
// compression 0 is RGB, 1 RLE8, 2 RLE4, 3 BITFIELDS (5-6-5); `pixels` are the rows as stored.
QByteArray bmpFile(int width, int height, int bitCount, quint32 compression, const QList<QRgb> &palette,
                   const QByteArray &pixels);
// Uncompressed rows, bottom-up, padded to 4 bytes: 1, 4 and 8 bits take an
// Indexed8 picture's indexes; 16 is 5-6-5; 24 and 32 are BGR(X).
QByteArray bmpRows(const QImage &picture, int bitCount);
// RLE8 or RLE4 runs of an Indexed8 picture, each row ended, then the bitmap.
QByteArray bmpRle(const QImage &indexed, bool fourBits);

// A GIF with one frame of an Indexed8 picture, its colours the global table.
struct GifOptions {
  int transparentIndex = -1;
  QSize screen = QSize();   // invalid: the frame's size
  QPoint offset = QPoint(); // of the frame on the screen
  int backgroundIndex = 0;
  bool interlaced = false;
};
QByteArray gifFile(const QImage &indexed, const GifOptions &options);
QByteArray gifFile(const QImage &indexed, int transparentIndex = -1, QSize screen = {});
// Where the first frame's descriptor (0x2C) is; its height follows at +7, the
// LZW code size at +10, the first data sub-block's length at +11.
qsizetype gifFrameAt(const QByteArray &gif);

} // namespace veltrane::test
