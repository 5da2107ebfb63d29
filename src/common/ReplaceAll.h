#pragma once

#include <QString>

namespace veltrane {

// Replaces every occurrence of `find` (letter case ignored), searching again
// from the start after each replacement, so "//" -> "/" collapses any run.
// An empty `find`, or a replacement that contains it, returns the text
// unchanged rather than looping for ever.
QString replaceAll(const QString &text, const QString &find, const QString &replacement);

} // namespace veltrane
