#pragma once

#include <QString>
#include <QtGlobal>

// How preset lines and the settings file read a field into a control's value.
namespace veltrane {

// A check box holds 0 or 1: a strict whole number that is one of them
// replaces `field`; anything else leaves it as it was.
void readCheckBox(qint16 &field, const QString &text);

// A whole number from `low` to `high`, read strictly; false leaves `value`
// as it was.
bool readWholeNumber(const QString &text, int low, int high, int *value);

// A list index from -1 (nothing selected) to entries - 1, read strictly;
// anything else leaves `field` as it was.
void readListIndex(qint16 &field, const QString &text, int entries);

// An "1" to "8" list from its displayed number (rounded); anything that is not
// one of them leaves the list without a selection (-1).
qint16 gridIndexFromNumber(const QString &text);

// The displayed number of such a list: "" for no selection.
QString gridNumberText(qint16 index);

} // namespace veltrane
