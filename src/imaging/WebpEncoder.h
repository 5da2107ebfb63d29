#pragma once

#include "imaging/PictureEncoder.h"

namespace veltrane {

// WebP through libwebp: lossy at qualities 1 to 99 (libwebp's own scale),
// lossless at 100, method 4 as libwebp's tools default to; alpha kept. The
// profile, EXIF and XMP go into ICCP, EXIF and XMP chunks by libwebpmux.
class WebpEncoder final : public PictureEncoder {
public:
  OutputFormat format() const override { return OutputFormat::Webp; }
  Result<QByteArray> encode(const QImage &picture, int quality, const JpegExtras &extras) override;
  const SizeCurve &sizeCurve() const override;
};

} // namespace veltrane
