#pragma once

#include "presets/OutputFormat.h"

namespace veltrane {

// What a source file is, by its content.
enum class SourceFormat { Jpeg, Gif, Bmp, Png, WebP, Tiff, Heic, Avif, Unknown };

// What a job writes for "same as the source": the web formats as they are;
// PNG for the lossless ones, which often hold palettes or transparency; JPEG
// for HEIC, which most viewers and sites do not show.
OutputFormat formatForSource(SourceFormat source);

// The format a job writes for a source.
inline OutputFormat formatWritten(const std::optional<OutputFormat> &jobFormat, SourceFormat source) {
  return jobFormat ? *jobFormat : formatForSource(source);
}

} // namespace veltrane
