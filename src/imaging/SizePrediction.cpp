#include "imaging/SizePrediction.h"

#include <algorithm>
#include <cmath>

namespace veltrane {
namespace {

// Twice the green: the eye's weighting of brightness, near enough.
inline int brightness(QRgb pixel) { return qRed(pixel) + 2 * qGreen(pixel) + qBlue(pixel); }

} // namespace

double pictureDetail(const QImage &picture) {
  if (picture.isNull())
    return 0;
  const QImage rgb = picture.depth() == 32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
  const int width = rgb.width();
  const int height = rgb.height();
  double sum = 0;
  qint64 pairs = 0;
  // Every other row is enough to tell busy from flat, at half the cost.
  for (int y = 0; y < height; y += 2) {
    const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
    const auto *below = y + 1 < height ? reinterpret_cast<const QRgb *>(rgb.constScanLine(y + 1)) : nullptr;
    qint64 rowSum = 0;
    for (int x = 0; x < width; ++x) {
      const int here = brightness(line[x]);
      if (x + 1 < width)
        rowSum += std::abs(brightness(line[x + 1]) - here);
      if (below)
        rowSum += std::abs(brightness(below[x]) - here);
    }
    sum += double(rowSum);
    pairs += (width - 1) + (below ? width : 0);
  }
  // A flat picture still takes some bytes: one level of difference at least.
  const double meanDifference = pairs > 0 ? sum / 4.0 / double(pairs) : 0;
  return std::log(double(width) * double(height) * (meanDifference + 1));
}

int SizeMemory::firstGuess(double detail, qsizetype maxBytes, const SizeCurve &curve, int lowest) const {
  double offset = 0;
  {
    const std::lock_guard lock(m_mutex);
    if (m_count == 0)
      return std::max(lowest, 80);
    offset = m_offsetSum / m_count;
  }
  const double room = std::log(double(std::max<qsizetype>(maxBytes, 1))) - detail - offset;
  return qualityAtMost(curve, room, std::clamp(lowest, 0, 100), 100);
}

void SizeMemory::learn(double detail, int quality, qsizetype bytes, const SizeCurve &curve) {
  if (bytes <= 0)
    return;
  const double offset = std::log(double(bytes)) - curve[size_t(std::clamp(quality, 0, 100))] - detail;
  const std::lock_guard lock(m_mutex);
  m_offsetSum += offset;
  ++m_count;
}

} // namespace veltrane
