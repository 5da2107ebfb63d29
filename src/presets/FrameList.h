#pragma once

#include <QString>
#include <QStringList>

namespace veltrane {

inline constexpr int kNoFrameEntry = 0;
inline constexpr int kTryAllEntry = 1;
inline constexpr int kFirstFrameEntry = 2;

// "(try all 6 frames)"
QString tryAllFramesText(qsizetype frameCount);

// The frame list's entries: "(no frame)", the try-all text, then the names.
QStringList frameListEntries(const QStringList &frameNames);

} // namespace veltrane
