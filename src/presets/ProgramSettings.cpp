#include "presets/ProgramSettings.h"

namespace veltrane {

QColor colourFromValue(qint32 value) {
  const auto v = static_cast<quint32>(value);
  return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 colourValue(const QColor &colour) {
  return qint32(quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16));
}

} // namespace veltrane
