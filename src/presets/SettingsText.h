#pragma once

#include <QByteArray>
#include <QString>

namespace veltrane {

// Text files are written as UTF-8. A line that is not valid UTF-8 was written
// by an older copy in Windows-1252 (where "»" is the byte 0xBB) and is read so.
QString decodeSettingsText(const QByteArray &bytes);
QString decodeWindows1252(const QByteArray &bytes);

} // namespace veltrane
