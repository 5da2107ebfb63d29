#pragma once

#include <QString>

namespace veltrane {

// The help panel's text when there is no read-me file beside the program.
QString builtInHelpText();

// The help panel's text: the read-me file's, when it holds any text.
QString helpPanelText(const QString &readMePath);

} // namespace veltrane
