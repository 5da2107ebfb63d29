#include "imaging/SaveOutput.h"

#include "imaging/JpegFileWriter.h"
#include "imaging/PictureEncoder.h"
#include "imaging/Stamp.h"

namespace veltrane {

Result<QString> saveOutput(QImage &what, const QString &where, int quality, bool withStamp,
                           PictureEncoder &encoder,
                           const std::function<QString(const QString &)> &nextFreeName) {
  if (withStamp)
    embossStamp(what, builtInStamp());
  const Result<QByteArray> bytes = encoder.encode(what, quality, {});
  if (!bytes)
    return failure(bytes.reason());
  return writeNewJpegFile(where, *bytes, nextFreeName);
}

} // namespace veltrane
