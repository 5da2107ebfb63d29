#pragma once

namespace veltrane {

struct MainWindowForm;

// Gives every control of the main window a name a screen reader can say
// (buttons labelled "?", "+" or "..." included) and, from its tooltip, a
// description.
void nameForAssistiveTechnology(const MainWindowForm &form);

} // namespace veltrane
