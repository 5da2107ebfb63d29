#pragma once

#include <QStringList>

namespace veltrane {

// The 33 preset lines a first start fills the list with, in order.
const QStringList &builtInPresetLines();

// The entry selected and applied on a first start: "MAIL ATTACHMENT".
inline constexpr int kFirstRunPresetIndex = 4;

// While the preset box shows exactly this text, index-sheet captions name the
// frame instead of the file.
inline const QString kSelectBestFramePreset = QStringLiteral("SELECT THE BEST FRAME");

} // namespace veltrane
