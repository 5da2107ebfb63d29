#pragma once

#include "imaging/PictureEncoder.h"

namespace veltrane {

// Lossless PNG through libpng: RGB, or RGBA when the picture has
// transparency; the profile as iCCP (sRGB marked when there is none), EXIF as
// eXIf, XMP as an iTXt "XML:com.adobe.xmp" chunk.
class PngEncoder final : public PictureEncoder {
public:
  OutputFormat format() const override { return OutputFormat::Png; }
  Result<QByteArray> encode(const QImage &picture, int quality, const JpegExtras &extras) override;
  bool hasQuality() const override { return false; }
};

} // namespace veltrane
