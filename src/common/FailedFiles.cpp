#include "common/FailedFiles.h"

#include <QStringList>

namespace veltrane {

QString FailedFiles::text() const {
  QStringList names;
  for (const Entry &entry : m_entries)
    names.append(entry.name);
  return names.join(QStringLiteral(", "));
}

QString FailedFiles::details() const {
  QStringList lines;
  for (const Entry &entry : m_entries)
    lines.append(entry.reason.isEmpty() ? entry.name : entry.name + QStringLiteral(": ") + entry.reason);
  return lines.join(u'\n');
}

} // namespace veltrane
