#pragma once

#include "imaging/BmpHeader.h"
#include "imaging/DecodeResult.h"

namespace veltrane {

// Decodes a run-length encoded (RLE8 or RLE4) BMP into Format_RGB32. Qt's
// reader leaves pixels the runs skip, and every pixel after the data runs
// out, as leftover memory; here skipped pixels take palette colour 0 and
// indexes beyond the palette black, data that ends before the picture does
// is "truncated BMP data", and a run that overflows its row or a move that
// leaves the picture is "damaged BMP data".
DecodeResult decodeBmpRle(const unsigned char *data, size_t size, const BmpHeader &header);

} // namespace veltrane
