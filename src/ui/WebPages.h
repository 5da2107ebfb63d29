#pragma once

#include <QString>

namespace veltrane {

// The product's pages: the home page behind the window's link, and the
// support page every exit opens.
inline const QString kHomePageAddress = QStringLiteral("https://veltrane.example.org/");
inline const QString kSupportPageAddress = QStringLiteral("https://veltrane.example.org/support");
// What the link shows.
inline const QString kHomePageText = QStringLiteral("veltrane.example.org");

} // namespace veltrane
