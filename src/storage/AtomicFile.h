#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace veltrane {

// Writes a file whole through a temporary file beside it: every write, the
// flush to disk and the close are checked, and only a complete file is
// renamed over the old one, so a full disk, a refusal or a kill leaves the
// old file as it was. The new file keeps the old one's permission bits. A
// link at the path is replaced, never written through; a file without any
// write permission is kept and the write refused. `beforePublishing` runs
// between the finished temporary file and the rename (tests stop there).
// A failure's reason is "path: the system's reason".
Result<> writeFileAtomically(const QString &path, const QByteArray &bytes,
                             const std::function<void()> &beforePublishing = {});

} // namespace veltrane
