#include "platform/PlatformServices.h"

namespace veltrane {

PlatformServices headlessPlatform(QSize screen) {
  PlatformServices services;
  services.launcher = std::make_unique<RecordingLauncher>();
  services.prompts = std::make_unique<ScriptedPrompts>();
  services.dialogs = std::make_unique<ScriptedDialogs>();
  services.screen = std::make_unique<FixedScreen>(screen);
  services.notifier = std::make_unique<RecordingNotifier>();
  return services;
}

} // namespace veltrane
