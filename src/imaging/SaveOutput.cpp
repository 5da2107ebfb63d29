#include "imaging/SaveOutput.h"

#include "imaging/JpegEncoder.h"
#include "imaging/JpegFileWriter.h"
#include "imaging/PixelSurface.h"
#include "imaging/Stamp.h"

namespace veltrane {

QString saveOutput(QImage &what, const QString &where, int quality, bool withStamp, JpegEncoder &encoder,
                   const std::function<QString(const QString &)> &nextFreeName) {
  if (withStamp)
    embossStamp(what, builtInStamp());
  cDIBSection surface;
  surface.CreateFromPicture(what);
  return writeNewJpegFile(where, encoder.encode(surface, quality), nextFreeName);
}

} // namespace veltrane
