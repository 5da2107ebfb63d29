#include "ui/ProgramIcon.h"

#include <QImageReader>

namespace veltrane {

QIcon programIcon() {
  if (QImageReader::supportedImageFormats().contains("svg"))
    return QIcon(QStringLiteral(":/veltrane/org.veltrane.Veltrane.svg"));
  return QIcon(QStringLiteral(":/veltrane/veltrane.png"));
}

} // namespace veltrane
