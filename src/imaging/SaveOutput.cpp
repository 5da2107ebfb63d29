#include "imaging/SaveOutput.h"

#include "imaging/JpegEncoder.h"
#include "imaging/JpegFileWriter.h"
#include "imaging/Stamp.h"

namespace veltrane {

QString saveOutput(QImage &what, const QString &where, int quality, bool withStamp, JpegEncoder &encoder,
                   const std::function<QString(const QString &)> &nextFreeName) {
  if (withStamp)
    embossStamp(what, builtInStamp());
  return writeNewJpegFile(where, encoder.encode(what, quality), nextFreeName);
}

} // namespace veltrane
