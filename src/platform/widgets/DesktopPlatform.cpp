#include "platform/widgets/DesktopPlatform.h"

#include "platform/widgets/WidgetDialogs.h"
#include "platform/widgets/WidgetPrompts.h"

namespace veltrane {

PlatformServices desktopPlatform() {
  PlatformServices services;
  services.launcher = std::make_unique<DesktopLauncher>();
  services.prompts = std::make_unique<WidgetPrompts>();
  services.dialogs = std::make_unique<WidgetDialogs>();
  services.screen = std::make_unique<DesktopScreen>();
  services.clock = std::make_unique<SystemClock>();
  return services;
}

} // namespace veltrane
