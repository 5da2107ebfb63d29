#pragma once

#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Notifier.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"

#include <memory>

namespace veltrane {

// Everything the program asks of the desktop, injected as one bundle.
struct PlatformServices {
  std::unique_ptr<Launcher> launcher;
  std::unique_ptr<Prompts> prompts;
  std::unique_ptr<Dialogs> dialogs;
  std::unique_ptr<Screen> screen;
  // Last, so it goes first: the desktop's version holds on to the launcher.
  std::unique_ptr<Notifier> notifier;
};

// No desktop: launches and notices are recorded, prompts take their default answers,
// dialogs are cancelled and the screen has the given size. The command line
// and the tests use it; the window uses desktopPlatform() (platform/widgets).
PlatformServices headlessPlatform(QSize screen = {1920, 1080});

} // namespace veltrane
