#pragma once

#include "imaging/DecodeResult.h"

#include <cstddef>
#include <memory>

namespace veltrane {

// Decodes JPEG data with libjpeg-turbo, straight into Format_RGB32 rows, at
// the smallest DCT scale that still covers the size the caller needs. One
// decompressor is kept and reused: not thread-safe.
//
// Data that libjpeg reports as corrupt makes the decode fail ("damaged JPEG
// data", "truncated JPEG data"), also when it shows only after the last row
// (stray bytes before the end marker). A missing end marker on a complete
// picture, and bytes after the end marker, do not.
//
// The embedded colour profile comes with the picture. CMYK pictures leave as
// sRGB, converted through their profile when they have one.
class JpegSourceDecoder {
public:
  JpegSourceDecoder();
  ~JpegSourceDecoder();
  JpegSourceDecoder(const JpegSourceDecoder &) = delete;
  JpegSourceDecoder &operator=(const JpegSourceDecoder &) = delete;

  DecodeResult decode(const unsigned char *data, size_t size, const DecodeRequest &request);
  // The header only: the full (upright) size. Fails when even the smallest
  // scale would pass `maxPixels`.
  DecodeResult probe(const unsigned char *data, size_t size, bool applyOrientation, qint64 maxPixels);

  struct Session;

private:
  std::unique_ptr<Session> m_session;
};

} // namespace veltrane
