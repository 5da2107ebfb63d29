#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

namespace veltrane {

// A translation may give a caption in length variants, the full text first
// and shorter ones after it (Qt Linguist joins them with U+009C). The window
// has a fixed size and its controls fixed places, so each caption shows the
// first variant that fits its place, and a shortened one has the full text
// in its tooltip. Labels, buttons, group titles and list entries are fitted.
void fitCaptions(QWidget &window);

// The same for one list whose entries were set after the window was fitted.
void fitEntries(QComboBox &list);

// The variants of a text, one for a text without any.
QStringList lengthVariants(const QString &text);

// Whether a control's caption (a list's every entry) fits its place as it is
// laid out now: what the window is checked for in every language.
bool captionFits(const QWidget &control);
// The width an entry of a list needs and the width the list gives it.
int entryWidth(const QComboBox &list, const QString &entry);
int entryPlace(const QComboBox &list);

} // namespace veltrane
