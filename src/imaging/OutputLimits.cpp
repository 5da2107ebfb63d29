#include "imaging/OutputLimits.h"

#include "imaging/DecodeLimits.h"

namespace veltrane {

int largestSide(OutputFormat format) {
  switch (format) {
  case OutputFormat::Jpeg: return kMaxJpegSide;
  case OutputFormat::Webp: return 16383;
  case OutputFormat::Avif: return 65536;
  case OutputFormat::Png:
  case OutputFormat::Jxl: break;
  }
  return std::numeric_limits<int>::max();
}

QString outputSizeRefusal(QSize size, std::optional<OutputFormat> writtenAs) {
  const QString pixels = QStringLiteral("%1 x %2 pixels").arg(size.width()).arg(size.height());
  if (size.width() < 1 || size.height() < 1)
    return QStringLiteral("the job gives this picture no size (%1)").arg(pixels);
  if (qint64(size.width()) * size.height() > kMaxDecodedPixels)
    return QStringLiteral("the job makes this picture too large (%1; at most %2 megapixels)")
        .arg(pixels)
        .arg(kMaxDecodedPixels / 1'000'000);
  if (writtenAs && std::max(size.width(), size.height()) > largestSide(*writtenAs))
    return QStringLiteral("the job makes this picture too large for %1 (%2; at most %3 a side)")
        .arg(formatCaptions()[int(*writtenAs)], pixels)
        .arg(largestSide(*writtenAs));
  return {};
}

} // namespace veltrane
