// The committed test files (tests/data) join the corpora as they are.

#include "Seeds.h"

#include <QDir>
#include <QFile>

namespace veltrane::fuzz {

QList<Seed> testDataSeeds(const QStringList &patterns) {
  QList<Seed> seeds;
  const QDir folder(QStringLiteral(VELTRANE_TEST_DATA));
  for (const QString &name : folder.entryList(patterns, QDir::Files, QDir::Name)) {
    QFile file(folder.filePath(name));
    if (file.open(QIODevice::ReadOnly))
      seeds += {name, file.readAll()};
  }
  return seeds;
}

} // namespace veltrane::fuzz
