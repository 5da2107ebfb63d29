#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QImage>
#include <memory>
#include <optional>

namespace veltrane {

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
  Result<QByteArray> encode(const QImage &picture, int quality);
  // The same, but nothing once the file would be longer than `maxBytes`: the
  // encoder stops there, so a size search pays little for what cannot fit.
  Result<std::optional<QByteArray>> encodeWithin(const QImage &picture, int quality, qsizetype maxBytes);

private:
  struct Compressor;
  std::unique_ptr<Compressor> m_compressor;
};

} // namespace veltrane
