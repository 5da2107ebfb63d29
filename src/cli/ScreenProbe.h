#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

namespace veltrane {

// The command line never opens a display itself: a display that is gone (a
// stale ssh -X, cron, tmux) makes Qt abort the process that opens it. When a
// job needs the screen's size, a child process asks the display instead.

// The environment variable that makes veltrane-batch the asking child.
inline constexpr char kScreenProbeVariable[] = "VELTRANE_SCREEN_PROBE";

// The child's part: opens the display with the platform the user's
// environment chooses and prints the primary screen's size in device pixels
// as "WxH". Exits 0 when it did, 1 when there is no real screen; Qt aborts it
// when the display does not answer.
int printScreenSize(int &argc, char **argv);

// The parent's part: the display's size in device pixels when a display is
// named and answers within a few seconds; nothing otherwise. `userPlatform` is
// QT_QPA_PLATFORM as the user set it (empty for none).
std::optional<QSize> askTheDisplay(const QString &program, const QByteArray &userPlatform);

} // namespace veltrane
