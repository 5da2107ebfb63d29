#pragma once

#include <QIcon>

namespace veltrane {

// The program's icon, drawn from its SVG at whatever size and pixel density
// the desktop asks; the PNG where Qt's SVG plugin is missing.
QIcon programIcon();

} // namespace veltrane
