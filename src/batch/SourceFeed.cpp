#include "batch/SourceFeed.h"

#include <QDir>

namespace veltrane {

QString sourcePath(const SourceEntry &entry) { return QDir::cleanPath(entry.folder + u'/' + entry.name); }

} // namespace veltrane
