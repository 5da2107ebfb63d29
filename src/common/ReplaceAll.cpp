#include "common/ReplaceAll.h"

namespace veltrane {

QString replaceAll(const QString &text, const QString &find, const QString &replacement) {
  if (find.isEmpty() || replacement.contains(find, Qt::CaseInsensitive))
    return text;
  QString result = text;
  qsizetype from = 0;
  for (;;) {
    const qsizetype at = result.indexOf(find, from, Qt::CaseInsensitive);
    if (at < 0)
      return result;
    result.replace(at, find.size(), replacement);
    // Searching from the start finds nothing new before this point, except an
    // occurrence that ends inside the replacement.
    from = qMax<qsizetype>(0, at - find.size() + 1);
  }
}

} // namespace veltrane
