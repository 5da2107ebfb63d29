#pragma once

#include <QList>
#include <QRgb>
#include <QString>
#include <cstddef>

namespace veltrane {

enum BmpCompression : quint32 {
  kBmpRgb = 0,
  kBmpRle8 = 1,
  kBmpRle4 = 2,
  kBmpBitfields = 3,
  kBmpJpeg = 4,
  kBmpPng = 5,
  kBmpAlphaBitfields = 6,
};

struct BmpHeader {
  qint64 width = 0;
  qint64 height = 0; // always positive; `topDown` tells the row order
  bool topDown = false;
  int bitCount = 0;
  quint32 compression = kBmpRgb;
  quint32 dataOffset = 0;
  QList<QRgb> palette; // as stored, for pictures of 8 bits or fewer
};

struct BmpInspection {
  BmpHeader header;
  QString error; // empty when the file can be decoded
};

// Reads a BMP's headers from the first `available` bytes of a file of
// `fileSize` bytes and checks what Qt's reader does not: the size against
// `maxPixels` and, for uncompressed rows, that the file holds them all (Qt
// reads a cut file as a success with rows of leftover memory).
BmpInspection inspectBmp(const unsigned char *data, size_t available, qint64 fileSize, qint64 maxPixels);

} // namespace veltrane
