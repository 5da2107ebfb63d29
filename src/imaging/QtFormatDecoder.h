#pragma once

#include "imaging/DecodeResult.h"

#include <cstddef>

namespace veltrane {

enum class QtSourceFormat { Png, WebP, Tiff };

// Decodes PNG, WebP and TIFF through Qt's image readers (the first page or
// frame) into Format_RGB32: transparency laid on white, 16-bit samples
// rounded to 8, the EXIF or TIFF orientation applied when asked, the
// embedded colour profile handed on. The size is checked and the memory
// reserved before any pixels; a file cut short or damaged gives an error
// and never a partial picture.
DecodeResult decodeWithQt(const unsigned char *data, size_t size, QtSourceFormat format,
                          const DecodeRequest &request);

// The full (upright) size from the header, or the error. `data` holds the
// file's first `available` bytes.
DecodeResult probeWithQt(const unsigned char *data, size_t available, QtSourceFormat format,
                         bool applyOrientation);

} // namespace veltrane
