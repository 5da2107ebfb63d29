#include "imaging/OutputLimits.h"

#include "imaging/DecodeLimits.h"

namespace veltrane {

QString outputSizeRefusal(QSize size, bool written) {
  const QString pixels = QStringLiteral("%1 x %2 pixels").arg(size.width()).arg(size.height());
  if (size.width() < 1 || size.height() < 1)
    return QStringLiteral("the job gives this picture no size (%1)").arg(pixels);
  if (qint64(size.width()) * size.height() > kMaxDecodedPixels)
    return QStringLiteral("the job makes this picture too large (%1; at most %2 megapixels)")
        .arg(pixels)
        .arg(kMaxDecodedPixels / 1'000'000);
  if (written && std::max(size.width(), size.height()) > kMaxJpegSide)
    return QStringLiteral("the job makes this picture too large for JPEG (%1; at most %2 a side)")
        .arg(pixels)
        .arg(kMaxJpegSide);
  return {};
}

} // namespace veltrane
