#pragma once

#include <QByteArray>

struct heif_color_profile_nclx;

namespace veltrane {

// An ICC profile for a HEIF or AVIF picture described only by its colour
// primaries and transfer (an "nclx" box, as AVIF writers and phones write
// Display P3): made with Little CMS, so that the colour conversion treats it
// like an embedded profile. Empty for sRGB's primaries, and for transfers an
// ICC profile cannot describe faithfully (PQ and HLG high dynamic range).
QByteArray profileForColourDescription(const heif_color_profile_nclx &description);

} // namespace veltrane
