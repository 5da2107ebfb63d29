#pragma once

#include "platform/PlatformServices.h"

namespace veltrane {

// The real desktop: QDesktopServices, message boxes, Qt's dialogs and the
// primary screen. Needs a QApplication.
PlatformServices desktopPlatform();

} // namespace veltrane
