#pragma once

#include "imaging/DecodeResult.h"

#include <cstddef>

namespace veltrane {

// Whether the file starts with an ISO media "ftyp" box of a HEIF still
// picture: HEIC (HEVC), AVIF (AV1) or another HEIF brand.
bool isHeifFile(const unsigned char *data, size_t size);
// A HEIF file whose brands say AV1 (AVIF) rather than HEVC (HEIC).
bool isAvifFile(const unsigned char *data, size_t size);

// Decodes the primary picture of a HEIC, AVIF or other HEIF file with
// libheif into Format_RGB32: its rotation, mirroring and crop applied when
// orientation is asked for (they are the format's own, not EXIF), alpha laid
// on white, the embedded ICC profile handed on. libheif's strict decoding:
// data that ends early or is damaged gives an error, never a grey patch.
// What libheif will build (a grid's or overlay's canvas, every tile) is read
// from the boxes first and checked against the pixel limit and reserved.
//
// Holds the library open for its lifetime; each picture gets its own
// libheif context, so decoders in different threads share nothing.
class HeifDecoder {
public:
  HeifDecoder();
  ~HeifDecoder();
  HeifDecoder(const HeifDecoder &) = delete;
  HeifDecoder &operator=(const HeifDecoder &) = delete;

  DecodeResult decode(const unsigned char *data, size_t size, const DecodeRequest &request) const;
  // The full (upright) size from the boxes, or the error. `data` holds the
  // file's first `available` bytes: libheif checks the extents of the
  // picture data against them, so a file cut short fails here.
  DecodeResult probe(const unsigned char *data, size_t available, bool applyOrientation) const;
};

} // namespace veltrane
