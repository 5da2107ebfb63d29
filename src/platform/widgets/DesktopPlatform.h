#pragma once

#include "platform/PlatformServices.h"

#include <functional>

class QWidget;

namespace veltrane {

// The real desktop: QDesktopServices, message boxes, Qt's dialogs and the
// primary screen. Needs a QApplication. Boxes and dialogs are modal to the
// window `dialogParent` gives as each is shown.
PlatformServices desktopPlatform(const std::function<QWidget *()> &dialogParent = {});

} // namespace veltrane
