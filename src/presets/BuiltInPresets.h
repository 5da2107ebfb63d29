#pragma once

#include <QStringList>

namespace veltrane {

// The 33 preset lines a first start fills the list with, in order.
const QStringList &builtInPresetLines();

// The entry selected and applied on a first start: "MAIL ATTACHMENT".
inline constexpr int kFirstRunPresetIndex = 4;

// While the preset box shows exactly this text, index-sheet captions name the
// frame instead of the file: the sheet is for choosing a frame.
inline const QString kSelectBestFramePreset = QStringLiteral("SELECT THE BEST FRAME");
bool choosesFrames(const QString &presetBoxText);

// What the preset box shows for a stored name: a built-in preset's name in
// the user's language (kept as it is in the settings file), others as they
// are. A leading space, which indents an entry under its heading, stays.
QString shownPresetName(const QString &storedName);

} // namespace veltrane
