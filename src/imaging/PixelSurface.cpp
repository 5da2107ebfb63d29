#include "imaging/PixelSurface.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace veltrane {
namespace {

constexpr qint64 kMaxBytes = std::numeric_limits<int>::max();

qint64 strideOf(qint64 width) { return (width * 3 + 3) & ~qint64(3); }

// Formats whose rows are read as they are; the alpha byte is ignored, as
// Qt's own conversion to RGB32 does.
bool isDirect(QImage::Format format) {
  return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}

void toBgr(const QRgb *source, uchar *target, int count) {
  for (int x = 0; x < count; ++x, target += 3) {
    const QRgb pixel = source[x];
    target[0] = uchar(qBlue(pixel));
    target[1] = uchar(qGreen(pixel));
    target[2] = uchar(qRed(pixel));
  }
}

} // namespace

bool cDIBSection::Create(int width, int height) { return allocate(width, height, true); }

bool cDIBSection::allocate(int width, int height, bool zeroed) {
  ClearUp();
  m_width = width;
  m_height = height;
  if (width < 1 || height < 1)
    return false;
  const qint64 stride = strideOf(width);
  if (stride > kMaxBytes / height)
    return false;
  const auto size = std::size_t(stride * height);
  try {
    // Rows filled from a picture are written whole, padding included, so
    // only a plain Create pays for clearing.
    m_bits = std::make_unique_for_overwrite<uchar[]>(size);
  } catch (const std::bad_alloc &) {
    return false;
  }
  if (zeroed)
    std::memset(m_bits.get(), 0, size);
  return true;
}

int cDIBSection::BytesPerScanLine() const {
  if (m_width < 1)
    return 0;
  const qint64 stride = strideOf(m_width);
  return stride > kMaxBytes ? 0 : int(stride);
}

void cDIBSection::CreateFromPicture(const QImage &picture) {
  if (!allocate(picture.width(), picture.height(), false))
    return;
  const bool direct = isDirect(picture.format());
  const QImage converted = direct ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
  if (!direct && converted.isNull()) {
    ClearUp();
    return;
  }
  const QImage &source = direct ? picture : converted;
  const int stride = BytesPerScanLine();
  const int used = m_width * 3;
  for (int y = 0; y < m_height; ++y) {
    uchar *row = rowPointer(y);
    toBgr(reinterpret_cast<const QRgb *>(source.constScanLine(y)), row, m_width);
    std::memset(row + used, 0, std::size_t(stride - used));
  }
}

void cDIBSection::LoadPictureBlt(const QImage &source, int left, int top, int width, int height) {
  if (!isValid() || source.isNull())
    return;
  if (width < 0)
    width = m_width;
  if (height < 0)
    height = m_height;
  // Clip to the part that lies inside both the source and the surface.
  int targetX = 0, targetY = 0;
  if (left < 0) {
    targetX = -left;
    width += left;
    left = 0;
  }
  if (top < 0) {
    targetY = -top;
    height += top;
    top = 0;
  }
  width = std::min({width, source.width() - left, m_width - targetX});
  height = std::min({height, source.height() - top, m_height - targetY});
  if (width <= 0 || height <= 0)
    return;
  const bool direct = isDirect(source.format());
  const QImage converted =
      direct ? QImage() : source.copy(left, top, width, height).convertToFormat(QImage::Format_RGB32);
  if (!direct && converted.isNull())
    return;
  const QImage &rows = direct ? source : converted;
  const int fromX = direct ? left : 0;
  const int fromY = direct ? top : 0;
  for (int y = 0; y < height; ++y) {
    const auto *from = reinterpret_cast<const QRgb *>(rows.constScanLine(fromY + y)) + fromX;
    toBgr(from, rowPointer(targetY + y) + qsizetype(targetX) * 3, width);
  }
}

QImage cDIBSection::toImage() const {
  if (!isValid())
    return {};
  QImage image(m_width, m_height, QImage::Format_RGB32);
  if (image.isNull())
    return {};
  for (int y = 0; y < m_height; ++y) {
    const uchar *from = rowPointer(y);
    auto *to = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < m_width; ++x, from += 3)
      to[x] = qRgb(from[2], from[1], from[0]);
  }
  return image;
}

} // namespace veltrane
