#pragma once

#include "common/Result.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QString>

namespace veltrane {

class PictureDecoder;

// Frame pictures decoded once and kept, with the last few sizes they were
// stretched to: trying every frame on every picture of a batch then decodes
// each frame once. Safe to share between worker threads.
class FramePictures {
public:
  // The frame picture at its own size.
  Result<QImage> picture(const QString &path, PictureDecoder &decoder);
  // The frame picture stretched to `size`.
  Result<QImage> stretched(const QString &path, QSize size, PictureDecoder &decoder);

private:
  struct Stretched {
    QString path;
    QSize size;
    QImage image;
  };
  static constexpr int kStretchedKept = 16;

  QMutex m_mutex;
  QHash<QString, QImage> m_pictures;
  QList<Stretched> m_stretched; // most recently used first
};

} // namespace veltrane
