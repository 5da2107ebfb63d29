#pragma once

#include <QByteArray>
#include <QImage>
#include <memory>

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
  // they are (alpha ignored); other formats are converted first. Throws
  // JpegError: for an empty picture, when the compressor cannot be set up,
  // or when the encoder refuses the picture (e.g. a side longer than 65500
  // pixels).
  QByteArray encode(const QImage &picture, int quality);

private:
  struct Compressor;
  std::unique_ptr<Compressor> m_compressor;
};

} // namespace veltrane
