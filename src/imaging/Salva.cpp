#include "imaging/Salva.h"

#include "imaging/JpegEncoder.h"
#include "imaging/JpegFileWriter.h"
#include "imaging/PixelSurface.h"
#include "imaging/Stamp.h"

namespace veltrane {

QString salva(QImage &what, const QString &where, int quality, bool itsnagged, JpegEncoder &encoder,
              const std::function<QString(const QString &)> &nextFreeName) {
  if (itsnagged)
    embossStamp(what, builtInStamp());
  cDIBSection surface;
  surface.CreateFromPicture(what);
  return writeNewJpegFile(where, encoder.encode(surface, quality), nextFreeName);
}

} // namespace veltrane
