#pragma once

#include "ui/WindowText.h"

#include <QString>

namespace veltrane {

// There is no web site: the guide page shipped with the program stands in
// for the home page (the window's link) and the support page (opened at an
// exit the user asks for). These are its sections.
inline const QString kHomeSection = QStringLiteral("home");
inline const QString kSupportSection = QStringLiteral("support");
// What the link shows.
inline QString homePageText() { return MainWindowText::tr("Veltrane's guide"); }

} // namespace veltrane
