#pragma once

#include "imaging/DecodeResult.h"

#include <cstddef>

namespace veltrane {

// Decodes a GIF's first frame with giflib into Format_RGB32 on the GIF's
// canvas (see gifCanvas): transparent pixels, and the canvas around a frame
// that does not cover it, are white as on a page when the frame has a
// transparent colour, else the background colour. LZW data that is broken
// or ends before the frame does is "damaged GIF data", never a picture with
// shifted or missing rows.
DecodeResult decodeGif(const unsigned char *data, size_t size, const DecodeRequest &request);

} // namespace veltrane
