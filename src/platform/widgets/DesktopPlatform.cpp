#include "platform/widgets/DesktopPlatform.h"

#include "platform/dbus/DbusNotifier.h"
#include "platform/widgets/WidgetDialogs.h"
#include "platform/widgets/WidgetPrompts.h"

namespace veltrane {

PlatformServices desktopPlatform(const std::function<QWidget *()> &dialogParent) {
  PlatformServices services;
  services.launcher = std::make_unique<DesktopLauncher>();
  services.prompts = std::make_unique<WidgetPrompts>(dialogParent);
  services.dialogs = std::make_unique<WidgetDialogs>(dialogParent);
  services.screen = std::make_unique<DesktopScreen>();
  services.notifier = std::make_unique<DbusNotifier>(*services.launcher);
  return services;
}

} // namespace veltrane
