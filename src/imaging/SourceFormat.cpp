#include "imaging/SourceFormat.h"

namespace veltrane {

OutputFormat formatForSource(SourceFormat source) {
  switch (source) {
  case SourceFormat::Png:
  case SourceFormat::Gif:
  case SourceFormat::Bmp:
  case SourceFormat::Tiff: return OutputFormat::Png;
  case SourceFormat::WebP: return OutputFormat::Webp;
  case SourceFormat::Avif: return OutputFormat::Avif;
  case SourceFormat::Jpeg:
  case SourceFormat::Heic:
  case SourceFormat::Unknown: break;
  }
  return OutputFormat::Jpeg;
}

} // namespace veltrane
