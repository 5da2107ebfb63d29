#pragma once

#include "imaging/PixelSurface.h"

#include <QByteArray>
#include <memory>

namespace veltrane {

// Encodes pixel surfaces to baseline JPEG bytes in memory. One encoder keeps
// its compressor and output buffer from picture to picture, so a batch or a
// quality search pays for setting them up once. Not for use by two threads
// at once.
class JpegEncoder {
public:
  JpegEncoder();
  ~JpegEncoder();
  JpegEncoder(const JpegEncoder &) = delete;
  JpegEncoder &operator=(const JpegEncoder &) = delete;

  // The surface as a JPEG file's bytes at a quality from 0 to 100 (values
  // outside are clamped), colours subsampled 4:2:0. Throws JpegError: for an
  // empty surface, when the compressor cannot be set up, or when the encoder
  // refuses the picture (e.g. a side longer than 65500 pixels).
  QByteArray encode(const cDIBSection &surface, int quality);

private:
  struct Compressor;
  std::unique_ptr<Compressor> m_compressor;
};

} // namespace veltrane
