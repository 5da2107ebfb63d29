#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <memory>
#include <optional>

namespace veltrane {

// A marker segment written into the file as it is (APP1 EXIF or XMP, APP13 IPTC).
struct JpegMarker {
  int code = 0;       // JPEG_APP0 + n
  QByteArray payload; // without the marker and length bytes; at most 65533 bytes
  bool operator==(const JpegMarker &) const = default;
};

// What a file carries besides its pixels.
struct JpegExtras {
  QByteArray iccProfile; // embedded as APP2 chunks; none when empty
  QList<JpegMarker> markers;
  bool isEmpty() const { return iccProfile.isEmpty() && markers.isEmpty(); }
  qsizetype bytes() const; // what they add to the file
};

// Encodes pictures to baseline JPEG bytes in memory. One encoder keeps
// its compressor and output buffer from picture to picture, so a batch or a
// quality search pays for setting them up once. Not for use by two threads
// at once.
class JpegEncoder {
public:
  JpegEncoder();
  ~JpegEncoder();
  JpegEncoder(const JpegEncoder &) = delete;
  JpegEncoder &operator=(const JpegEncoder &) = delete;

  // The picture as a JPEG file's bytes at a quality from 0 to 100 (values
  // outside are clamped), colours subsampled 4:2:0. RGB32 rows are read as
  // they are (alpha ignored); other formats are converted first. Fails for an
  // empty picture, when the compressor cannot be set up, or when the encoder
  // refuses the picture (e.g. a side longer than 65500 pixels).
  // The extras follow the JFIF header.
  Result<QByteArray> encode(const QImage &picture, int quality, const JpegExtras &extras = {});
  // The same, but nothing once the file would be longer than `maxBytes`: the
  // encoder stops there, so a size search pays little for what cannot fit.
  Result<std::optional<QByteArray>> encodeWithin(const QImage &picture, int quality, qsizetype maxBytes,
                                                 const JpegExtras &extras = {});

  // Huffman tables made for each picture (a second pass over it) instead of
  // the standard ones: the same pixels in a file about 3% smaller.
  void setOptimizedCoding(bool on) { m_optimizedCoding = on; }

private:
  struct Compressor;
  std::unique_ptr<Compressor> m_compressor;
  bool m_optimizedCoding = false;
};

} // namespace veltrane
