#pragma once

#include "common/Result.h"

#include <QImage>
#include <QString>
#include <functional>

namespace veltrane {

class PictureEncoder;

// Saves a finished picture as a new file of the encoder's format at `where`, or at the free name
// `nextFreeName` gives when that one is taken; gives the path written. With
// `withStamp` the stamp is embossed on the picture first, and stays on it.
Result<QString> saveOutput(QImage &what, const QString &where, int quality, bool withStamp,
                           PictureEncoder &encoder,
                           const std::function<QString(const QString &)> &nextFreeName);

} // namespace veltrane
