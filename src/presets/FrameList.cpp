#include "presets/FrameList.h"

namespace veltrane {

QString tryAllFramesText(qsizetype frameCount) {
  return QStringLiteral("(try all ") + QString::number(frameCount) + QStringLiteral(" frames)");
}

QStringList frameListEntries(const QStringList &frameNames) {
  QStringList entries{QStringLiteral("(no frame)"), tryAllFramesText(frameNames.size())};
  entries += frameNames;
  return entries;
}

} // namespace veltrane
