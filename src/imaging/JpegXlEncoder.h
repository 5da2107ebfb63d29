#pragma once

#include "imaging/PictureEncoder.h"

#include <memory>

namespace veltrane {

// JPEG XL through libjxl at effort 7 (its own default): quality q is the
// distance cjxl gives it (0.1 + (100 - q) * 0.09 from 30 up, a curve below),
// and 100 is lossless. sRGB, or the profile; EXIF and XMP as "Exif" and
// "xml " boxes; alpha kept.
class JpegXlEncoder final : public PictureEncoder {
public:
  explicit JpegXlEncoder(int threads) : m_threads(std::max(1, threads)) {}
  OutputFormat format() const override { return OutputFormat::Jxl; }
  Result<QByteArray> encode(const QImage &picture, int quality, const JpegExtras &extras) override;
  const SizeCurve &sizeCurve() const override;

private:
  struct RunnerDestroy {
    void operator()(void *runner) const;
  };
  int m_threads;
  std::unique_ptr<void, RunnerDestroy> m_runner; // kept between pictures: its threads start once
};

// The Butteraugli distance of a quality, as cjxl's -q maps it.
double jxlDistance(int quality);

} // namespace veltrane
