#pragma once

#include "imaging/PictureEncoder.h"

namespace veltrane {

// AVIF through libavif and its AV1 encoder: 8-bit 4:2:0, sRGB described in
// the colour boxes, or the profile as its ICC box; EXIF and XMP as items;
// alpha kept. libavif 0.11 takes quantisers, not a quality: quality q is
// quantiser (100 - q) * 63 / 100, rounded, for colour and alpha alike (the
// mapping later libavif versions use for their own quality).
class AvifEncoder final : public PictureEncoder {
public:
  explicit AvifEncoder(int threads) : m_threads(std::max(1, threads)) {}
  OutputFormat format() const override { return OutputFormat::Avif; }
  Result<QByteArray> encode(const QImage &picture, int quality, const JpegExtras &extras) override;
  const SizeCurve &sizeCurve() const override;
  int settingOf(int quality) const override;

private:
  int m_threads;
};

} // namespace veltrane
