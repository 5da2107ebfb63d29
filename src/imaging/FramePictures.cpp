#include "imaging/FramePictures.h"

#include "imaging/PictureDecoder.h"
#include "imaging/Scaling.h"

namespace veltrane {

Result<QImage> FramePictures::picture(const QString &path, PictureDecoder &decoder) {
  {
    const QMutexLocker lock(&m_mutex);
    const auto found = m_pictures.constFind(path);
    if (found != m_pictures.constEnd())
      return *found;
  }
  // Decoded outside the lock; two threads may both decode a frame once.
  DecodeResult result = decoder.decodeFile(path);
  if (!result.ok())
    return failure(result.error);
  const QMutexLocker lock(&m_mutex);
  m_pictures.insert(path, result.picture->image);
  return result.picture->image;
}

Result<QImage> FramePictures::stretched(const QString &path, QSize size, PictureDecoder &decoder) {
  {
    const QMutexLocker lock(&m_mutex);
    for (qsizetype i = 0; i < m_stretched.size(); ++i) {
      if (m_stretched[i].path == path && m_stretched[i].size == size) {
        m_stretched.move(i, 0);
        return m_stretched.first().image;
      }
    }
  }
  const Result<QImage> frame = picture(path, decoder);
  if (!frame)
    return frame;
  QImage image = scaledPicture(*frame, size);
  if (image.isNull())
    return failure(QStringLiteral("not enough memory to stretch it to %1 x %2 pixels")
                       .arg(size.width())
                       .arg(size.height()));
  const QMutexLocker lock(&m_mutex);
  m_stretched.prepend({path, size, image});
  if (m_stretched.size() > kStretchedKept)
    m_stretched.removeLast();
  return image;
}

} // namespace veltrane
