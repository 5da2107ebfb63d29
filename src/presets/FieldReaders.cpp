#include "presets/FieldReaders.h"

#include "common/Numbers.h"

namespace veltrane {

void readCheckBox(qint16 &field, const QString &text) {
  const auto value = strictInt16(text);
  if (value && (*value == 0 || *value == 1))
    field = *value;
}

bool readWholeNumber(const QString &text, int low, int high, int *value) {
  bool ok = false;
  const int number = text.trimmed().toInt(&ok);
  if (!ok || number < low || number > high)
    return false;
  *value = number;
  return true;
}

void readListIndex(qint16 &field, const QString &text, int entries) {
  const auto value = strictInt16(text);
  if (value && *value >= -1 && *value < entries)
    field = *value;
}

qint16 gridIndexFromNumber(const QString &text) {
  const double index = roundHalfEven(leadingNumber(text)) - 1;
  return (index >= 0 && index <= 7) ? static_cast<qint16>(index) : qint16(-1);
}

QString gridNumberText(qint16 index) { return index < 0 ? QString() : QString::number(index + 1); }

} // namespace veltrane
